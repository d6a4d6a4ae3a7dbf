#!/usr/bin/env bash
# Sets up the machine, builds the program in build/ (or POKO_BUILD_DIR) and
# starts the game.
#
#   scripts/run.sh           start the game on the current display
#   scripts/run.sh --xvfb    start it on a virtual display (for machines
#                            without one; nothing is shown on screen)
#
# Any other arguments are passed on to the game.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

build_dir=${POKO_BUILD_DIR:-build}
exe=${build_dir}/src/app/pokorindo
use_xvfb=0
game_args=()
for arg in "$@"; do
  case ${arg} in
    --xvfb) use_xvfb=1 ;;
    *) game_args+=("${arg}") ;;
  esac
done

heading() {
  printf '\n==== %s ====\n' "$*"
}

heading "Setup"
scripts/setup.sh

heading "Build (${build_dir})"
# Same options as the normal build of scripts/test.sh, so the two share one
# build folder without rebuilding each other's work.
configure_args=()
if [[ ! -f ${build_dir}/CMakeCache.txt ]]; then
  configure_args+=(-G Ninja)
fi
launcher=""
if command -v ccache >/dev/null 2>&1; then
  launcher=ccache
  # Relative paths let a fresh clone in another folder reuse the cache.
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
fi
cmake -S . -B "${build_dir}" "${configure_args[@]}" -DCMAKE_CXX_COMPILER_LAUNCHER="${launcher}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOKO_SANITIZE=OFF
cmake --build "${build_dir}" -j"$(nproc)"

heading "Start"
if [[ ! -x ${exe} ]]; then
  echo "The build finished without ${exe}; nothing to start." >&2
  exit 1
fi

if [[ ${use_xvfb} -eq 1 ]]; then
  echo "Starting ${exe} on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "${exe}" "${game_args[@]}"
fi

if [[ -z ${DISPLAY:-} ]]; then
  echo "No display: DISPLAY is not set, so the game's window has nowhere to open." >&2
  echo "Run this from a desktop session, or pass --xvfb to start it on a virtual display." >&2
  exit 1
fi

echo "Starting ${exe}."
exec "${exe}" "${game_args[@]}"

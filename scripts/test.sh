#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test twice: once in a normal
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer. Ends with
# a short fuzzing run when the fuzz targets and clang are there.
#
# Build folders: build/ and build-asan/ unless POKO_BUILD_DIR and
# POKO_ASAN_BUILD_DIR say otherwise. Existing build folders are reused, so a
# second run only rebuilds what changed.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

build_dir=${POKO_BUILD_DIR:-build}
asan_dir=${POKO_ASAN_BUILD_DIR:-build-asan}
jobs=$(nproc)
summaries=()
total_passed=0
total_failed=0

heading() {
  printf '\n==== %s ====\n' "$*"
}

# Configures a build folder. A new folder gets Ninja; an existing one keeps the
# generator it was made with, because CMake refuses to switch. scripts/run.sh
# configures build/ with the same options, so the two never make each other
# rebuild.
configure() {
  local dir=$1
  shift
  local args=()
  if [[ ! -f ${dir}/CMakeCache.txt ]]; then
    args+=(-G Ninja)
  fi
  local launcher=""
  if command -v ccache >/dev/null 2>&1; then
    launcher=ccache
    # Relative paths let a fresh clone in another folder reuse the cache.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
  fi
  cmake -S . -B "${dir}" "${args[@]}" -DCMAKE_CXX_COMPILER_LAUNCHER="${launcher}" "$@"
}

# Runs the tests of one build folder and keeps ctest's closing line for the
# summary. A build that registers no test at all counts as a failure.
run_ctest() {
  local name=$1 dir=$2
  local log=${dir}/ctest-output.log
  ctest --test-dir "${dir}" --output-on-failure --no-tests=error -j"${jobs}" 2>&1 | tee "${log}"
  local line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "${log}" | tail -n 1)
  summaries+=("${name}: ${line}")
  local failed total
  failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"${line}")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"${line}")
  total_passed=$((total_passed + total - failed))
  total_failed=$((total_failed + failed))
}

export QT_QPA_PLATFORM=offscreen

heading "Setup"
scripts/setup.sh

heading "Normal build (${build_dir}, RelWithDebInfo)"
configure "${build_dir}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOKO_SANITIZE=OFF
cmake --build "${build_dir}" -j"${jobs}"

heading "Tests: normal build"
run_ctest "normal build" "${build_dir}"

heading "Benchmark smoke run"
bench_found=0
if [[ -d ${build_dir}/bench ]]; then
  while IFS= read -r exe; do
    bench_found=1
    echo "-- ${exe}"
    "${exe}" --benchmark_min_time=0.01
  done < <(find "${build_dir}/bench" -maxdepth 1 -type f -executable | sort)
fi
if [[ ${bench_found} -eq 0 ]]; then
  echo "No benchmark executable is built; skipped."
fi

heading "Sanitizer build (${asan_dir}, AddressSanitizer + UndefinedBehaviorSanitizer)"
# The test discovery runs the test programs during the build, so the
# sanitizer options are already needed here.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
configure "${asan_dir}" -DCMAKE_BUILD_TYPE=Debug -DPOKO_SANITIZE=ON -DPOKO_BUILD_BENCH=OFF
cmake --build "${asan_dir}" -j"${jobs}"

heading "Tests: sanitizer build"
run_ctest "sanitizer build" "${asan_dir}"
unset ASAN_OPTIONS UBSAN_OPTIONS

heading "Fuzzing"
if [[ ! -f scripts/fuzz.sh ]]; then
  echo "No scripts/fuzz.sh yet; skipped."
elif ! command -v clang++ >/dev/null 2>&1 && ! command -v clang++-14 >/dev/null 2>&1; then
  echo "clang is not installed; skipped."
else
  bash scripts/fuzz.sh 60
fi

heading "Summary"
for line in "${summaries[@]}"; do
  echo "${line}"
done
echo "tests: ${total_passed} passed, ${total_failed} failed"

#!/usr/bin/env bash
# The real program where no window can be opened: with no display, with a
# display where no server answers, with a platform that does not exist. Each
# time it must end with status 1 (no abort) and say why on its last line.
# Usage: display_failures.sh PATH/TO/pokorindo
set -uo pipefail

game=${1:?usage: display_failures.sh PATH/TO/pokorindo}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A display number with no server behind it.
for n in $(seq 987 1087); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then dead=":$n"; break; fi
done
[[ -n ${dead:-} ]] || { echo "FAIL: no unused display number" >&2; exit 1; }

# expect NAME LAST-LINE-PART [VAR=VALUE ...] -- [ARG ...]
expect() {
  local name=$1 part=$2
  shift 2
  local vars=()
  while [[ $1 != -- ]]; do vars+=("$1"); shift; done
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "${vars[@]}" \
    timeout 30 "$game" "$@" >"$work/out" 2>"$work/err" </dev/null
  local status=$?
  local last
  last=$(tail -n 1 "$work/err")
  if [[ $status -ne 1 ]]; then
    echo "FAIL: $name: exit status $status, expected 1" >&2
  elif [[ $last != "pokorindo: "*"$part"* ]]; then
    echo "FAIL: $name: last line is '$last', expected it to name '$part'" >&2
  else
    echo "ok: $name: $last"
    return
  fi
  sed 's/^/  stderr: /' "$work/err" >&2
  failures=$((failures + 1))
}

expect "no display" "DISPLAY is not set" --
expect "no server at DISPLAY" "cannot open the window: no display answered at DISPLAY=$dead" "DISPLAY=$dead" --
expect "unknown platform in QT_QPA_PLATFORM" 'cannot open the window: the display platform "nonexistent"' \
  QT_QPA_PLATFORM=nonexistent --
expect "unknown platform on the command line" 'cannot open the window: the display platform "nonexistent"' \
  -- -platform nonexistent
expect "wayland without a compositor" 'cannot open the window: the display platform "wayland"' \
  QT_QPA_PLATFORM=wayland "WAYLAND_DISPLAY=no-compositor-$$" "XDG_RUNTIME_DIR=$work" --

if [[ $failures -ne 0 ]]; then
  echo "$failures of 5 cases failed" >&2
  exit 1
fi

#!/usr/bin/env bash
# Starts the game on its own Xvfb display, plays the first poem with the
# mouse and checks what the screen shows, then quits with Ctrl+Q and checks
# the exit status. Usage: play_under_xvfb.sh PATH/TO/pokorindo
set -euo pipefail

game=${1:?usage: play_under_xvfb.sh PATH/TO/pokorindo}
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [[ -f $work/game.log ]] && sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}

# A display nobody uses.
for n in $(seq 90 140); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=":$n"; break; fi
done
[[ -n ${display:-} ]] || fail "no free X display"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work
"$game" >"$work/game.log" 2>&1 &
game_pid=$!

window=$(timeout 20 xdotool search --sync --name 'ポコリンド' | head -n 1) || fail "no window titled ポコリンド"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
[[ $WIDTH -eq 675 ]] || fail "window is $WIDTH wide, not 675"
# The menu bar stands above the 506-pixel content area.
menu=$((HEIGHT - 506))
[[ $menu -gt 0 && $menu -lt 60 ]] || fail "window is $HEIGHT high: no room for a menu bar above 506"

# Colour of one pixel of the content area, as rrggbb.
pixel() {
  import -window root -crop "1x1+$((X + $1))+$((Y + menu + $2))" -depth 8 "$work/p.txt"
  grep -o '#[0-9A-F]\{6\}' "$work/p.txt" | head -n 1 | tr -d '#'
}
click() {
  xdotool mousemove "$((X + $1))" "$((Y + menu + $2))" click 1
  sleep 0.2
}
# Waits up to 10 s for the pixel to become (or, with "!", to stop being) a
# colour, so a slow machine is not taken for a wrong game; prints the last.
await_pixel() {
  local x=$1 y=$2 want=$3 got
  for _ in $(seq 50); do
    got=$(pixel "$x" "$y")
    if [[ $want == !* ]]; then [[ $got != "${want#!}" ]] && break; else [[ $got == "$want" ]] && break; fi
    sleep 0.2
  done
  echo "$got"
}
start() { click 183 130; }     # the start button: 109,119 149x23


circle=$(await_pixel 572 243 FF2E3C)  # centre of the circle mark, 522,193 100x100
[[ $circle == FF2E3C ]] || fail "before any pick the circle's place shows $circle, not the background FF2E3C"

start                          # welcome
start                          # instructions
start                          # poem 1; its lower phrase is on card 4
click 303 400                  # card 4: 109,376 388x49
circle=$(await_pixel 572 243 FFFFFF)
[[ $circle == FFFFFF ]] || fail "a right pick shows $circle where the white circle should be"

start                          # poem 2 hides the marks
circle=$(await_pixel 572 243 FF2E3C)
[[ $circle == FF2E3C ]] || fail "the next poem still shows $circle where the circle was"
click 303 190                  # card 0: never the right one
stroke=$(await_pixel 574 242 '!FF2E3C')        # on the stroke from (534,200) to (614,284)
[[ $stroke != FF2E3C ]] || fail "a wrong pick shows no cross"

xdotool mousemove "$((X + 600))" "$((Y + menu + 480))" click 1  # the background takes focus
xdotool key ctrl+q
status=0
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then fail "Ctrl+Q did not quit"; fi
wait "$game_pid" || status=$?
game_pid=""
[[ $status -eq 0 ]] || fail "the game exited with status $status"
echo "1 passed, 0 failed"

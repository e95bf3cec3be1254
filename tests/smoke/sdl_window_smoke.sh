#!/usr/bin/env bash
# The game in a real SDL2 window on a virtual X display: it starts, a new game
# begins from the welcome dialog, Ctrl+1 plays one week, a screenshot is
# taken, and the window's close button ends the program cleanly.
# Arguments: the game, the X11 driver, the league writer, a folder for the screenshot.
set -euo pipefail
game=$1 driver=$2 league_writer=$3 pictures=$4
here="$(cd "$(dirname "$0")" && pwd)"

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is missing (scripts/setup installs it)"; exit 1; }
done

work="$(mktemp -d)"
xvfb_pid="" game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$league_writer" "$work/game"
export XDG_CONFIG_HOME="$work/config"
# The sanitizer build runs this too; the leaks of the X and SDL libraries are theirs.
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
export SDL_AUDIODRIVER=dummy

display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "smoke: no free X display number"; exit 1; }
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
"$driver" ready 10 || { echo "smoke: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

cd "$work/game"
"$game" IS_NOT_RANDOM >"$work/game.log" 2>&1 &
game_pid=$!

step() { echo "smoke: $*"; }
fail() { echo "smoke: FAILED: $*"; cat "$work/game.log"; [ -f debug.txt ] && cat debug.txt; exit 1; }

step "waiting for the welcome dialog"
"$driver" wait "Football Korva" 30 >/dev/null || fail "no game window"
sleep 1
"$driver" focus "Football Korva" || fail "cannot focus the window"
step "starting a new game from the welcome dialog"
xdotool key Return
sleep 1
xdotool key Return
title=$("$driver" wait "Week 1" 30) || fail "the game did not start (no week 1 in the title)"
step "title: $title"

step "playing one week with Ctrl+1"
xdotool key ctrl+1
title=$("$driver" wait "Week 2" 120) || fail "the week was not played"
step "title: $title"
sleep 1

mkdir -p "$pictures"
"$driver" screenshot "$pictures/sdl_window.png" || fail "no screenshot"
# The menu bar's light band on top, the ticker's black band at the bottom of the window.
menu=$("$driver" pixel "$pictures/sdl_window.png" 600 5)
ticker=$("$driver" pixel "$pictures/sdl_window.png" 600 788)
step "menu bar pixel: $menu, ticker pixel: $ticker"
[ "$menu" = "236 236 236" ] || fail "the menu bar is not on top of the window"
[ "$ticker" = "0 0 0" ] || fail "the ticker is not at the bottom of the window"

step "closing the window with its close button"
"$driver" close "Football Korva" || fail "cannot send the close request"
sleep 1
# The played week changed the game: "Game Not Saved" asks; Tab to "No", Space presses it.
xdotool key Tab space
for _ in $(seq 1 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$game_pid" 2>/dev/null; then fail "the program did not end after the close button"; fi
set +e
wait "$game_pid"
status=$?
set -e
game_pid=""
[ "$status" -eq 0 ] || fail "the program ended with $status"
grep -q "Exited: Do_Splash_Screen()" debug.txt || fail "the log lacks the welcome flow"
if grep -q " ERROR: " debug.txt; then fail "errors were logged"; fi
step "passed"

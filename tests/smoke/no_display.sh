#!/usr/bin/env bash
# Without a display the game says so on stderr, naming the display, and ends
# with a non-zero exit code, instead of running on unseen on a driver that
# shows nothing: once with DISPLAY unset, once naming a display no X server
# serves. SDL_VIDEODRIVER is unset, as a user's shell has it.
# Argument: the game.
set -uo pipefail
game="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0

run_without_display() {
  local display=$1 expected=$2
  local code=0
  if [ -z "$display" ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 "$game" >"$work/out" 2>"$work/err" || code=$?
  else
    env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY="$display" timeout 60 "$game" >"$work/out" 2>"$work/err" \
      || code=$?
  fi
  if [ "$code" -eq 0 ] || [ "$code" -eq 124 ]; then
    echo "no-display: with DISPLAY '$display' the game exited with $code (124: it ran on)"
    failed=1
  fi
  if ! grep -qF "$expected" "$work/err"; then
    echo "no-display: stderr does not name the display ($expected):"
    cat "$work/err"
    failed=1
  fi
  if [ -e "$work/debug.txt" ]; then
    echo "no-display: the game started before it found no display"
    failed=1
  fi
}

run_without_display "" "no display could be reached (DISPLAY is not set)"
# A display number no X server on this machine serves.
unused=4093
while [ -e "/tmp/.X11-unix/X$unused" ]; do unused=$((unused + 1)); done
run_without_display ":$unused" "no display could be reached (DISPLAY is \":$unused\")"
exit $failed

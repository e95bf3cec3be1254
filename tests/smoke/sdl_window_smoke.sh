#!/usr/bin/env bash
# The game in a real SDL2 window on a virtual X display: it starts, a saved
# game is resumed from the welcome dialog, Ctrl+1 plays one week in which the user's
# game is watched from the matchup dialog on, a snap is called by a key on the
# game-day screen and a screenshot taken, Ctrl+G finishes the game, another
# screenshot is taken, each view of the News menu opens by its key, the
# Tools menu's Season Simulator plays the season once and its Advanced Tools
# clear the output folder, and the window's close button ends the program
# cleanly.
# Arguments: the game, the X11 driver, the league writer, a folder for the
# screenshot, and the installation folder whose pictures the game shows.
set -euo pipefail
game=$1 driver=$2 league_writer=$3 pictures=$4 installation=$5

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
# The installation's pictures, sounds and input files, beside the test's own
# league: each of its folders mirrored (folders of the game's own whose files
# link to the installation's), so that what the game writes stays here. What
# a game played in the installation left there is left out: the files of the
# folder itself (saved games, the owners' file, the log), the reports and
# pages of the output folders, the logos and photos it copied, the
# encyclopedia and its settings. The output folder, which Advanced Tools
# clears, starts empty.
for entry in "$installation"/*/; do
  name="$(basename "$entry")"
  case "$(echo "$name" | tr '[:upper:]' '[:lower:]')" in
    databases | output | html_export) continue ;;
  esac
  [ -e "$work/game/$name" ] && continue
  cp -rs "$(cd "$entry" && pwd)" "$work/game/$name"
done
find "$work/game" -mindepth 2 -maxdepth 2 -type d \( -iname downloads -o -iname output \) -exec rm -rf {} +
find "$work/game" -mindepth 2 -maxdepth 2 -iname settings.ini -delete
# And the draft classes, which a game reads when it makes the coming draft's pool.
mkdir -p "$work/game/Databases"
for class in "$installation"/Databases/rookies-*.dat; do
  [ -e "$class" ] && ln -s "$class" "$work/game/Databases/$(basename "$class")"
done
export XDG_CONFIG_HOME="$work/config"
# The sanitizer build runs this too. The modules the X and SDL libraries load
# and unload leave allocations the leak checker cannot name, so it is off for
# the game here; the null-backend tests check the game's own code for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
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
# The play selector's debug lines (the matchup dialog, each call made on the
# game-day screen) go to the debugger output, which is the game's stderr here.
KORVA_DEBUG_OUTPUT=1 "$game" IS_NOT_RANDOM DTXT_PBPSELECTOR >"$work/game.log" 2>&1 &
game_pid=$!

step() { echo "smoke: $*"; }
fail() {
  echo "smoke: FAILED: $*"
  mkdir -p "$pictures" && "$driver" screenshot "$pictures/sdl_window_failed.png" || true
  cat "$work/game.log"
  [ -f debug.txt ] && cat debug.txt
  exit 1
}
# Waits until the game's log holds a line with the text.
wait_for_log() {
  for _ in $(seq 1 $(( $2 * 10 ))); do
    grep -qF "$1" debug.txt 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
# The same for the debugger output of the game.
wait_for_output() {
  for _ in $(seq 1 $(( $2 * 10 ))); do
    grep -qF "$1" "$work/game.log" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
# Waits until the screenshot's pixel at (x, y) has the colour "r g b" (or
# one of several given as "r g b|r g b").
wait_for_pixel() {
  for _ in $(seq 1 $(( $4 * 5 ))); do
    if "$driver" screenshot "$work/now.png"; then
      seen=$("$driver" pixel "$work/now.png" "$1" "$2")
      case "|$3|" in *"|$seen|"*) return 0 ;; esac
    fi
    sleep 0.2
  done
  return 1
}

step "waiting for the welcome dialog"
"$driver" wait "Football Korva" 30 >/dev/null || fail "no game window"
wait_for_log "Entering: Do_Splash_Screen()" 30 || fail "the welcome flow did not start"
"$driver" focus "Football Korva" || fail "cannot focus the window"
step "resuming the saved game from the welcome dialog"
# Tab moves from "New Game" to "Resume", Space presses it; the Resume
# dialog has the saved game chosen and loads it on Enter.
xdotool key Tab space
wait_for_log "Resume Game: 1 saved game(s) listed" 30 || fail "the welcome dialog did not open Resume Game"
xdotool key Return
title=$("$driver" wait "Week 1" 30) || fail "the game did not start (no week 1 in the title)"
step "title: $title"

step "playing one week with Ctrl+1"
xdotool key ctrl+1
wait_for_output "Matchup of" 60 || fail "the matchup dialog did not open"
step "choosing \"Play This Game\" with Enter"
xdotool key Return
calls_before=$(grep -c "called on the game screen" "$work/game.log" || true)
# Key "1" calls the first play of the shown group for whichever side the
# user's team calls (or its first kickoff); a snap the computer called (the
# other team's kickoff) is played back first and waits for Enter.
for attempt in $(seq 1 30); do
  sleep 0.5
  xdotool key 1
  sleep 0.3
  calls_now=$(grep -c "called on the game screen" "$work/game.log" || true)
  [ "$calls_now" -gt "$calls_before" ] && break
  xdotool key Return
done
[ "$calls_now" -gt "$calls_before" ] || fail "no snap was called by a key"
step "$(grep "called on the game screen" "$work/game.log" | head -1)"
sleep 1
mkdir -p "$pictures"
"$driver" screenshot "$pictures/sdl_game_day.png" || fail "no screenshot of the game-day screen"
# The menu and its keys are greyed while a snap is shown, so Ctrl+G is tried
# until its question ("Simulate the remainder of this game?") is answered and
# the week goes on.
step "finishing the game with Ctrl+G"
title=""
for attempt in $(seq 1 40); do
  xdotool key ctrl+g
  sleep 0.7
  xdotool key Return
  if title=$("$driver" wait "Week 2" 3); then break; fi
done
[ -n "$title" ] || fail "the week was not played"
step "title: $title"
wait_for_pixel 600 788 "0 0 0" 30 || fail "the ticker did not come back"

mkdir -p "$pictures"
"$driver" screenshot "$pictures/sdl_window.png" || fail "no screenshot"
# The menu bar's light band on top, the start-up picture in the view, the
# ticker's black band at the bottom of the window.
menu=$("$driver" pixel "$pictures/sdl_window.png" 600 5)
view=$("$driver" pixel "$pictures/sdl_window.png" 600 600)
ticker=$("$driver" pixel "$pictures/sdl_window.png" 600 788)
step "menu bar pixel: $menu, view pixel: $view, ticker pixel: $ticker"
[ "$menu" = "236 236 236" ] || fail "the menu bar is not on top of the window"
[ "$view" != "0 0 0" ] || fail "the view shows no picture"
[ "$ticker" = "0 0 0" ] || fail "the ticker is not at the bottom of the window"

# Each view of the News menu by its key: the picture of the view area changes
# each time, and is kept beside the first screenshot.
# The view's picture, told apart by pixels of its area (the ticker below moves on its own).
view_picture() {
  "$driver" screenshot "$work/view.png" || return 1
  "$driver" area "$work/view.png" 0 20 1280 736
}
last=$(view_picture) || fail "no screenshot"
for view in F3:finances F4:leaders F6:calendar F7:playoffs F8:draft_board F2:standings; do
  key=${view%%:*} name=${view#*:}
  step "opening the $name view with $key"
  xdotool key "$key"
  changed=""
  for _ in $(seq 1 50); do
    now=$(view_picture) || fail "no screenshot"
    if [ "$now" != "$last" ]; then changed=yes; break; fi
    sleep 0.2
  done
  [ -n "$changed" ] || fail "the $name view did not show"
  # Kept once two screenshots in a row agree: the view is painted whole.
  for _ in $(seq 1 25); do
    sleep 0.2
    again=$(view_picture) || fail "no screenshot"
    [ "$again" = "$now" ] && break
    now=$again
  done
  cp "$work/view.png" "$pictures/sdl_window_$name.png"
  last=$now
done

# Tools > Single Season Simulator... and Tools > Advanced Tools... with the
# mouse: the Tools title is the ninth run of letters on the menu bar, and the
# items of its drop-down are 20 pixels high below the bar and a border.
open_tools_item() {
  "$driver" screenshot "$work/bar.png" || return 1
  local tools
  tools=$("$driver" runs "$work/bar.png" 2 18 6 | sed -n 9p)
  [ -n "$tools" ] || return 1
  local left=${tools%% *}
  xdotool mousemove $((left + 4)) 10 click 1
  sleep 0.5
  xdotool mousemove $((left + 24)) $((20 + 1 + 20 * $1 + 10)) click 1
}

step "simulating the season once from Tools > Single Season Simulator..."
rm -f Simulator.txt Simulator.csv
open_tools_item 1 || fail "no Tools title on the menu bar"
sleep 1
"$driver" screenshot "$pictures/sdl_simulation_tool.png" || fail "no screenshot"
# The count starts selected: "1" replaces it and Enter presses "Simulate".
xdotool key 1 Return
for _ in $(seq 1 600); do
  [ -s Simulator.csv ] && break
  sleep 0.2
done
[ -s Simulator.csv ] || fail "the simulator wrote no reports"
first_line=$(head -1 Simulator.txt)
step "Simulator.txt: $first_line"
[ "$first_line" = "1 SEASONS SIMULATED" ] || fail "the simulator's report does not count one season"
"$driver" wait "Week 2" 30 >/dev/null || fail "the league was not put back after the simulator"

step "clearing the output folder from Tools > Advanced Tools..."
output=$(find . -maxdepth 1 -iname output | head -1)
[ -n "$output" ] || { output=Output; mkdir "$output"; }
[ -L "$output" ] && fail "the output folder is the installation's own"
echo smoke >"$output/smoke.txt"
open_tools_item 2 || fail "no Tools title on the menu bar"
sleep 1
"$driver" screenshot "$pictures/sdl_advanced_tools.png" || fail "no screenshot"
# "Import Playbooks" has the focus; the fifth button is "Clear Output Folder".
xdotool key Tab Tab Tab Tab space
for _ in $(seq 1 50); do
  [ -e "$output/smoke.txt" ] || break
  sleep 0.2
done
[ -e "$output/smoke.txt" ] && fail "Advanced Tools did not clear the output folder"
xdotool key Escape
sleep 0.5

step "closing the window with its close button"
"$driver" close "Football Korva" || fail "cannot send the close request"
# The played week changed the game: "Game Not Saved" asks over the middle of
# the window, in the colour of one of the skins; Tab moves to "No" and Space
# presses it.
wait_for_pixel 588 400 "226 200 150|205 170 158|172 196 222" 30 || fail "the save question did not show"
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

#!/usr/bin/env bash
# The real game in a real X server, driven with xdotool: it opens its window, shows frames, and
# Escape ends it; a player's whole path through the menus into a game works; a played session
# replays to the same trace, headlessly and in the window; without any display it says which step
# failed and ends with status 1.
# Usage: xvfb.sh CHECK KELMORA [KELMORA_HEADLESS | SHOT.png]
#   play        start `kelmora --window` under Xvfb, look at the screen, quit with Escape
#   no-display  start it with no display at all
#   menu        the menu path (main menu, Options, fewer enemies, Ok, New Game, flight, Escape),
#               checked in the trace; the main menu's screenshot goes to SHOT.png when given
#   demo        the menu path again, played with --record and --trace; the recording replayed by
#               KELMORA_HEADLESS and by `kelmora --replay` must give the same trace, byte for byte
#   shortcuts   in flight, Alt+Enter (twice), Alt+Tab and Alt with a letter launch no missile,
#               and a plain tap of Left Alt launches one
#   taps        ten Left Alt taps of no length launch ten missiles; the recording shows each tap
#   pointer     in the menus the game's cursor comes under the pointer; in the menus, in flight
#               and paused the pointer leaves the window and stays where it was put
#   CHECK-wm    the same check with a window manager (openbox) on the X server
set -euo pipefail
check=$1 kelmora=$2 extra=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
# In a sanitized build, leak checks stay with the unit tests: the D-Bus and graphics libraries
# that SDL loads under X keep memory to the end of the process, and unload themselves unnamed.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
work=$(mktemp -d)
# shellcheck source=xvfb.bash
. "$here/xvfb.bash"
# shellcheck source=menu_path.bash
. "$here/menu_path.bash"
# KELMORA_KEEP_WORK=1 keeps the scratch directory (traces, recordings, logs) to be looked at.
cleanup() {
  stop_started
  if [ -n "${KELMORA_KEEP_WORK:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

# Shows where two traces part.
compare_traces() {
  cmp -s "$1" "$2" && return 0
  echo "$1 and $2 differ: $(wc -l <"$1") against $(wc -l <"$2") lines"
  diff <(cut -c1-300 "$1") <(cut -c1-300 "$2") | head -6
  return 1
}

# The player's missiles, from the last trace line.
missiles_now() { player_field "$(last_line)" 10; }

# From the menus into a game, by F1; waits for the player's ship.
fly() {
  xdotool key F1
  player_flies() { [ "$(player_field "$(last_line)" 7)" = 1 ]; }
  wait_until "the player's ship" player_flies
}

# Moves the pointer (screen coordinates) and checks, a few frames on, that it is still there: a
# window that holds the pointer would keep it or warp it back.
pointer_stays() {
  local x=$1 y=$2 where X Y
  xdotool mousemove "$x" "$y"
  wait_frames 10
  where=$(xdotool getmouselocation --shell)
  X=$(sed -n 's/^X=//p' <<<"$where")
  Y=$(sed -n 's/^Y=//p' <<<"$where")
  [ "$X $Y" = "$x $y" ] || fail "$3: the pointer, put at ($x, $y), is at ($X, $Y)"
}

# A point of the screen off the game's window, beside it.
point_outside() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT|SCREEN)=')"
  if [ $((X + WIDTH + 40)) -lt 1024 ]; then
    echo "$((X + WIDTH + 20)) $((Y + HEIGHT / 2))"
  else
    echo "$((X - 20)) $((Y + HEIGHT / 2))"
  fi
}

with_wm=""
case "$check" in
*-wm)
  check=${check%-wm}
  with_wm=1
  ;;
esac
start_x() {
  start_xvfb
  [ -z "$with_wm" ] || start_wm
}

case "$check" in
shortcuts)
  start_x
  trace=$work/trace.jsonl
  start_game --seed 5 --record "$work/session.txt" --trace "$trace"
  wait_trace "the main menu" '"main":1,"options":0,"exit":0'
  fly
  [ "$(missiles_now)" = 10 ] || fail "the player starts with $(missiles_now) missiles"
  # Alt+Enter to full screen and back.
  for round in 1 2; do
    xdotool key alt+Return
    wait_frames 20
    find_window || fail "the game's window is gone after Alt+Enter"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
  done
  # Alt+Tab (with a window manager, to the only window there is) and Alt with a letter.
  xdotool key alt+Tab
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  wait_frames 10
  xdotool key alt+x
  wait_frames 10
  [ "$(missiles_now)" = 10 ] || fail "desktop shortcuts launched $((10 - $(missiles_now))) missiles"
  ! grep -q ' key LMENU ' "$work/session.txt" || fail "a shortcut's Alt reached the game"
  # A plain tap still launches.
  xdotool key Alt_L
  launched() { [ "$(missiles_now)" = 9 ]; }
  wait_until "a missile from a tap of Left Alt" launched
  # Alt+F4: a window manager closes the game; without one F4 is just a key.
  xdotool key alt+F4
  if [ -n "$with_wm" ]; then
    expect_exit 0
  else
    wait_frames 10
    xdotool key Escape
    expect_exit 0
  fi
  [ "$(player_field "$(last_line)" 10)" = 9 ] || fail "Alt+F4 launched a missile"
  [ "$(grep -c ' key LMENU down$' "$work/session.txt")" = 1 ] ||
    fail "the recording shows Left Alt other than for the one tap"
  ;;
taps)
  start_x
  trace=$work/trace.jsonl
  start_game --seed 5 --record "$work/session.txt" --trace "$trace"
  wait_trace "the main menu" '"main":1,"options":0,"exit":0'
  fly
  # Ten taps of Left Alt, each down and up at once, a few frames apart: each launches.
  for tap in 1 2 3 4 5 6 7 8 9 10; do
    xdotool keydown Alt_L keyup Alt_L
    tap_launched() { [ "$(missiles_now)" = $((10 - tap)) ]; }
    wait_until "a missile from tap $tap (the player has $(missiles_now))" tap_launched
    wait_frames 3
  done
  wait_frames 4
  [ "$(missiles_now)" = 0 ] || fail "ten taps of Left Alt left $(missiles_now) of 10 missiles"
  xdotool key Escape
  expect_exit 0
  # The recording shows each tap as the game saw it: down at one tick, up at the next.
  taps=$(awk '$2 == "key" && $3 == "LMENU" { if ($4 == "down") { down = $1 } else if ($1 == down + 1) { n++ } }
    END { print n + 0 }' "$work/session.txt")
  [ "$taps" = 10 ] || fail "the recording shows $taps taps of Left Alt, not 10"
  ;;
pointer)
  start_x
  trace=$work/trace.jsonl
  start_game --seed 6 --record "$work/session.txt" --trace "$trace"
  wait_trace "the main menu" '"main":1,"options":0,"exit":0'
  read -r ox oy <<<"$(point_outside)"
  pointer_stays "$ox" "$oy" "in the menus"
  # The cursor comes under the pointer at once, with one move.
  read -r px py <<<"$(point_of_pixel 100 50)"
  xdotool mousemove --window "$window" "$px" "$py"
  cursor_there() { [ "$(cursor_now)" = "100 50" ]; }
  wait_until "the menu cursor under the pointer at (100, 50) (it is at $(cursor_now))" cursor_there
  read -r px py <<<"$(point_of_pixel 530 410)"
  xdotool mousemove --window "$window" "$px" "$py"
  cursor_there() { [ "$(cursor_now)" = "530 410" ]; }
  wait_until "the menu cursor under the pointer at (530, 410) (it is at $(cursor_now))" cursor_there
  pointer_stays "$ox" "$oy" "in the menus"
  [ "$(cursor_now)" = "530 410" ] || fail "the cursor moved to $(cursor_now) off the window"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  fly
  xdotool mousemove --window "$window" 300 200
  pointer_stays "$ox" "$oy" "in flight"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key p
  wait_trace "the pause" '"paused":1'
  xdotool mousemove --window "$window" 300 200
  pointer_stays "$ox" "$oy" "paused"
  xdotool key Escape
  expect_exit 0
  ;;
play)
  start_xvfb
  trace=$work/trace.jsonl
  start_game --seed 7 --trace "$trace"
  wait_frames 10
  # The screen shows the game: many colours, not one.
  screenshot "$work/screen.png"
  echo "screen: $(identify -format '%k' "$work/screen.png") colours, $(frames_now) frames"
  xdotool key Escape
  expect_exit 0
  ;;
no-display)
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$kelmora" --window \
    >"$work/out.log" 2>"$work/err.log" </dev/null || status=$?
  [ "$status" -eq 1 ] || fail "exit status $status, expected 1"
  grep -q "could not be created" "$work/err.log" || fail "no message names the failing step"
  cat "$work/err.log"
  ;;
menu)
  start_xvfb
  trace=$work/live.jsonl
  # Recorded too: should a step fail, the recording shows what input reached the game.
  start_game --seed 3 --record "$work/session.txt" --trace "$trace"
  play_menu_path "$extra"
  ;;
demo)
  headless=$extra
  [ -x "$headless" ] || fail "no headless runner at '$headless'"
  start_xvfb
  trace=$work/live.jsonl
  start_game --seed 11 --record "$work/demo.txt" --trace "$trace"
  play_menu_path
  ticks=$(wc -l <"$trace")
  # Every kind of input the path gave is in the recording.
  for kind in mouse 'button 0' 'button 1' 'key LEFT' 'key SPACE' 'key UP' 'key LMENU' 'vk ESCAPE'; do
    grep -q "^[0-9]* $kind" "$work/demo.txt" || fail "the recording has no '$kind' line"
  done

  status=0
  "$headless" --script "$work/demo.txt" --ticks "$ticks" --trace "$work/replay.jsonl" --quiet ||
    status=$?
  [ "$status" -eq 0 ] || fail "the headless replay ended with status $status"
  compare_traces "$trace" "$work/replay.jsonl" || fail "the headless replay's trace differs from the live one"

  # The same recording played back in the window: it plays by itself and ends with its Escape.
  trace=$work/window.jsonl
  start_game --replay "$work/demo.txt" --trace "$trace"
  expect_exit 0
  compare_traces "$work/live.jsonl" "$trace" || fail "the replay in the window differs from the live trace"
  echo "demo: $(grep -c . "$work/demo.txt") recorded lines, $ticks trace lines, replayed exactly twice"
  ;;
*)
  echo "unknown check: $check"
  exit 2
  ;;
esac
echo "xvfb $check: ok"

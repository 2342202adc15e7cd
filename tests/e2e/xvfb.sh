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

case "$check" in
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

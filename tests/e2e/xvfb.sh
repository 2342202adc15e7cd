#!/usr/bin/env bash
# The real game in a real X server: it opens its window, shows frames, and Escape ends it; without
# any display it says which step failed and ends with status 1.
# Usage: xvfb.sh CHECK KELMORA [KELMORA_HEADLESS]
#   play        start `kelmora --window` under Xvfb, look at the screen, quit with Escape
#   no-display  start it with no display at all
#   demo        play a little under Xvfb with --record and --trace, then replay the recording
#               headlessly: the two traces must be the same, byte for byte
set -euo pipefail
check=$1 kelmora=$2 headless=${3:-}
# In a sanitized build, leak checks stay with the unit tests: the D-Bus and graphics libraries
# that SDL loads under X keep memory to the end of the process, and unload themselves unnamed.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "--- $log"; tail -20 "$log"; }
  done
  exit 1
}

# An X server of our own on a free display number.
start_xvfb() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
}

# Starts the game in the background and waits for its window; sets `window`.
start_game() {
  SDL_VIDEODRIVER=x11 "$kelmora" --window "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^A Game$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window opened"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window captioned 'A Game'"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# Waits at most 10 s for the game to end and checks its exit status.
expect_exit() {
  local want=$1 status=0
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq "$want" ] || fail "exit status $status, expected $want"
}

# Number of frames in a trace (the last line's "frames").
frames_of() {
  tail -n1 "$1" | sed -n 's/.*"frames":\([0-9]*\).*/\1/p'
}

case "$check" in
play)
  start_xvfb
  start_game --seed 7 --trace "$work/trace.jsonl"
  sleep 2
  frames=$(frames_of "$work/trace.jsonl")
  [ "${frames:-0}" -ge 10 ] || fail "only ${frames:-0} frames in 2 s"
  # The screen shows the game: many colours, not one.
  if command -v import >/dev/null; then
    import -window "$window" "$work/screen.png"
    colours=$(identify -format '%k' "$work/screen.png")
    [ "$colours" -ge 8 ] || fail "the screen shows only $colours colours"
    echo "screen: $colours colours, $frames frames"
  fi
  xdotool key --window "$window" Escape
  xdotool key Escape 2>/dev/null || true
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
demo)
  [ -x "$headless" ] || fail "no headless runner at '$headless'"
  start_xvfb
  start_game --seed 11 --record "$work/demo.txt" --trace "$work/live.jsonl"
  sleep 0.5
  # A new game, some flying and firing, then Escape.
  xdotool key --window "$window" F1
  xdotool keydown --window "$window" Left
  sleep 0.3
  xdotool keyup --window "$window" Left
  xdotool key --window "$window" Up Up
  xdotool keydown --window "$window" space
  sleep 0.5
  xdotool keyup --window "$window" space
  xdotool key --window "$window" Alt_L
  sleep 0.3
  xdotool key --window "$window" Escape
  expect_exit 0
  ticks=$(wc -l <"$work/live.jsonl")
  "$headless" --script "$work/demo.txt" --ticks "$ticks" --trace "$work/replay.jsonl" --quiet ||
    fail "the replay ended with status $?"
  cmp -s "$work/live.jsonl" "$work/replay.jsonl" || {
    diff <(cut -c1-300 "$work/live.jsonl") <(cut -c1-300 "$work/replay.jsonl") | head -6
    fail "the replay's trace differs from the live one"
  }
  echo "demo: $(grep -c . "$work/demo.txt") script lines, $ticks trace lines, replayed exactly"
  ;;
*)
  echo "unknown check: $check"
  exit 2
  ;;
esac
echo "xvfb $check: ok"

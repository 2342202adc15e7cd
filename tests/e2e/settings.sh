#!/usr/bin/env bash
# What the game keeps around its rules, tried in the real game under Xvfb: the settings file, the
# keys the player moves, the sound and the screenshot key.
# Usage: settings.sh CHECK KELMORA KELMORA_HEADLESS
#   remembered  a file with other options and the missile on X: the first game's settings and
#               shipCount at tick 0, X launches and Left Alt does not, the demo replays exactly
#               headless and in the window; --defaults ignores the file and writes nothing;
#               Alt+Enter writes the file, keeping what the game does not know
#   sound       a scripted fight through SDL's disk audio: sound where shots and the missile's
#               burst start, near-silence in the quiet menu before; --mute is silent; no audio
#               device plays silently with one line; every trace the same as the headless one
#   screenshot  F9 writes a PNG equal, byte for byte, to the headless runner's --shot of the
#               same tick
set -euo pipefail
check=$1 kelmora=$2 headless=$3
here=$(cd "$(dirname "$0")" && pwd)
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
work=$(mktemp -d)
# shellcheck source=xvfb.bash
. "$here/xvfb.bash"
cleanup() {
  stop_started
  if [ -n "${KELMORA_KEEP_WORK:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

same_traces() {
  cmp -s "$1" "$2" && return 0
  echo "$1 and $2 differ: $(wc -l <"$1") against $(wc -l <"$2") lines"
  diff <(cut -c1-300 "$1") <(cut -c1-300 "$2") | head -6
  return 1
}

# The key codes of the game's keyboard that the checks look for.
dik_lmenu=56

case "$check" in
remembered)
  mkdir -p "$work/config/kelmora"
  cfg=$work/config/kelmora/kelmora.cfg
  cat >"$cfg" <<'EOF'
# kept by the player
fullscreen = no
enemies = 40
particles = 100
pickups = 1500
jitter = no
key.missile = X
some.later.option = keep me
EOF
  start_xvfb
  trace=$work/live.jsonl
  start_game --seed 11 --record "$work/demo.txt" --trace "$trace"
  first=$(head -n1 "$trace")
  grep -q '"settings":{"drones":40,"jitter":0,"particles":100,"pickupSetting":1500,"shipCount":41,"pickupCount":1500}' <<<"$first" ||
    fail "tick 0 does not start from the remembered settings: $(cut -c1-200 <<<"$first")"
  grep -qx 'set drones=40' "$work/demo.txt" || fail "the demo does not start from its settings"

  xdotool key F1
  player_alive() { [ "$(player_field "$(last_line)" 7)" = 1 ]; }
  wait_until "a game" player_alive
  wait_frames 5
  missiles=$(player_field "$(last_line)" 10)
  # Left Alt, tapped: no missile, and the game never reads the key.
  xdotool key Alt_L
  wait_frames 10
  [ "$(player_field "$(last_line)" 10)" = "$missiles" ] || fail "Left Alt still launches a missile"
  # X, held and let go: the game reads its Left Alt, and a missile leaves.
  key_down x $dik_lmenu
  key_up x $dik_lmenu
  wait_frames 3
  [ "$(player_field "$(last_line)" 10)" = $((missiles - 1)) ] || fail "X launches no missile"
  xdotool key Escape
  expect_exit 0

  "$headless" --script "$work/demo.txt" --ticks "$(wc -l <"$trace")" --trace "$work/replay.jsonl" --quiet
  same_traces "$trace" "$work/replay.jsonl" || fail "the headless replay differs from the live game"
  # The window's replay starts from the demo's settings, whatever the file says now.
  printf 'enemies = 3\n' >>"$cfg"
  trace=$work/window.jsonl
  start_game --replay "$work/demo.txt" --trace "$trace"
  expect_exit 0
  same_traces "$work/live.jsonl" "$trace" || fail "the replay in the window differs from the live game"

  # --defaults: the built-in settings, and nothing written even after Alt+Enter.
  before=$(md5sum <"$cfg")
  trace=$work/defaults.jsonl
  start_game --defaults --seed 2 --trace "$trace"
  grep -q '"settings":{"drones":12,"jitter":1,"particles":700,"pickupSetting":250,"shipCount":13,' \
    <(head -n1 "$trace") || fail "--defaults does not start from the built-in settings"
  xdotool key alt+Return
  wait_frames 10
  xdotool key Escape
  expect_exit 0
  [ "$(md5sum <"$cfg")" = "$before" ] || fail "--defaults changed the settings file"

  # Alt+Enter in the menu writes the window's mode at once, keeping the rest.
  trace=$work/toggle.jsonl
  start_game --seed 2 --trace "$trace"
  xdotool key alt+Return
  written() { grep -qx 'fullscreen = yes' "$cfg"; }
  wait_until "the settings file to say full screen" written
  xdotool key Escape
  expect_exit 0
  grep -qx 'some.later.option = keep me' "$cfg" || fail "the rewrite lost a line it does not know"
  grep -qx '# kept by the player' "$cfg" || fail "the rewrite lost a comment"
  grep -qx 'enemies = 3' "$cfg" || fail "the rewrite changed the options"
  # A bad line is reported with its file and line, and the game starts all the same.
  printf 'volume = loud\n' >>"$cfg"
  trace=$work/bad.jsonl
  start_game --seed 2 --trace "$trace"
  xdotool key Escape
  expect_exit 0
  grep -q "kelmora.cfg:$(wc -l <"$cfg"): volume takes 0 to 100, not 'loud'" "$work/game.log" ||
    fail "no warning names the bad line"
  # A file that cannot be read, and a folder that cannot be written: one warning each, and the
  # game starts and plays on with the defaults.
  rm -f "$cfg"
  mkdir -p "$cfg"
  trace=$work/unreadable.jsonl
  start_game --seed 2 --trace "$trace"
  xdotool key Escape
  expect_exit 0
  [ "$(grep -c 'kelmora.cfg: cannot be read' "$work/game.log")" = 1 ] ||
    fail "an unreadable settings file is not said once"
  printf 'x' >"$work/not-a-folder"
  game_config=$work/not-a-folder
  trace=$work/unwritable.jsonl
  start_game --seed 2 --trace "$trace"
  xdotool key alt+Return
  wait_frames 5
  xdotool key alt+Return
  wait_frames 5
  xdotool key Escape
  expect_exit 0
  game_config=""
  [ "$(grep -c 'the settings are not kept' "$work/game.log")" = 1 ] ||
    fail "an unwritable folder is not said once"
  echo "remembered: settings at tick 0, X launches, Left Alt does not, replays exact, --defaults writes nothing"
  ;;

sound)
  # A quiet stretch of menu, a new game, two seconds of fire, a missile, its burst.
  cat >"$work/fight.txt" <<'EOF'
seed 3
121 vk F1
130 key SPACE down
190 key SPACE up
200 key LMENU down
201 key LMENU up
360 vk ESCAPE
EOF
  "$headless" --script "$work/fight.txt" --ticks 400 --trace "$work/headless.jsonl" --quiet
  start_xvfb
  trace=""
  # The loudest sample of each frame's worth (800 samples, 60 frames a second at 48 kHz) of a disk
  # recording (16-bit stereo), one a line.
  frame_peaks() {
    python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
block = 800 * 4
for at in range(0, len(data) - block + 1, block):
    samples = struct.unpack('<1600h', data[at:at + block])
    print(max(abs(s) for s in samples))
PY
  }
  for run in on mute none; do
    rm -f "$work/$run.raw"
    case $run in
    on) driver=disk extra=(--seed 3) ;;
    mute) driver=disk extra=(--mute) ;;
    none) driver=no-such-driver extra=(--seed 3) ;;
    esac
    export SDL_AUDIODRIVER=$driver SDL_DISKAUDIOFILE="$work/$run.raw"
    start_game --replay "$work/fight.txt" --trace "$work/$run.jsonl" "${extra[@]}"
    expect_exit 0
    unset SDL_AUDIODRIVER SDL_DISKAUDIOFILE
    same_traces "$work/headless.jsonl" "$work/$run.jsonl" ||
      fail "the trace with sound $run differs from the headless one"
    cp "$work/game.log" "$work/$run.log"
  done
  [ -s "$work/on.raw" ] || fail "nothing reached the disk audio driver"
  # The device plays from before the first tick, at about the game's pace but not exactly (a
  # loaded machine delays the game's ticks and the device's buffers alike), so the recording is
  # read as stretches of sound: none in the menu's first 80 frames (tick 130 is the first shot),
  # then the fire and the launch close together, then, after a quiet stretch, the missile's burst.
  frame_peaks "$work/on.raw" >"$work/on.peaks"
  stretches=$(python3 - "$work/on.peaks" <<'PY'
import sys
peaks = [int(line) for line in open(sys.argv[1])]
loud = [i for i, p in enumerate(peaks) if p > 1500]
spans = []
for i in loud:
    if spans and i - spans[-1][1] <= 10:
        spans[-1][1] = i
    else:
        spans.append([i, i])
print(max(peaks[:80], default=0), len(peaks), ' '.join('%d-%d' % (a, b) for a, b in spans))
PY
  )
  echo "loudest sample of the first 80 frames, frames, loud stretches: $stretches"
  read -r quiet frames spans <<<"$stretches"
  [ "$quiet" -lt 200 ] || fail "the quiet menu is not quiet ($quiet)"
  read -r -a span_list <<<"$spans"
  [ "${#span_list[@]}" -ge 2 ] || fail "no fire and burst apart from each other in the sound"
  [ "${span_list[0]%-*}" -ge 80 ] || fail "sound before the fire began"
  if [ -e "$work/mute.raw" ]; then
    frame_peaks "$work/mute.raw" | sort -n | tail -n1 | grep -qx '0' || fail "--mute is not silent"
  fi
  [ "$(grep -c 'no sound' "$work/none.log")" = 1 ] || fail "no audio device is not said once"
  echo "sound: loud where the fight is, quiet in the menu, silent muted, same traces"
  ;;

screenshot)
  start_xvfb
  trace=$work/live.jsonl
  start_game --seed 5 --record "$work/demo.txt" --trace "$trace"
  wait_frames 20
  xdotool key F9
  said() { grep -q 'screenshot of tick' "$work/game.log"; }
  wait_until "the screenshot's path" said
  wait_frames 5
  xdotool key Escape
  expect_exit 0
  line=$(grep 'screenshot of tick' "$work/game.log")
  tick=$(sed -n 's/.*screenshot of tick \([0-9]*\): .*/\1/p' <<<"$line")
  path=${line#*: }
  path=${path#*: }
  case "$path" in "$work/pictures/Kelmora/kelmora-"*.png) ;; *) fail "the screenshot went to '$path'" ;; esac
  "$headless" --script "$work/demo.txt" --ticks "$tick" --shot "$tick:$work/headless.png" --quiet
  cmp "$path" "$work/headless.png" || fail "the screenshot of tick $tick differs from the headless one"
  identify "$path" | grep -q 'PNG 640x480' || fail "the screenshot is no 640x480 PNG"
  echo "screenshot: tick $tick, the same bytes as the headless runner's"
  ;;
*)
  echo "unknown check: $check"
  exit 2
  ;;
esac
echo "settings $check: ok"

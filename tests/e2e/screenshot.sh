#!/usr/bin/env bash
# The README's screenshot of the main menu, taken from the real game's window in an X server of
# its own (Xvfb), with the cursor over New Game. Rerun it by hand after the menu or the artwork
# changes, and check the picture in:
#   tests/e2e/screenshot.sh [KELMORA [OUT.png]]     (defaults: build/default/kelmora, docs/menu.png)
# Needs Xvfb, xdotool and ImageMagick (`make deps` installs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
here=$root/tests/e2e
kelmora=${1:-$root/build/default/kelmora}
out=${2:-$root/docs/menu.png}
# The world behind the menu: the drones of this seed, this many frames after start-up.
seed=${KELMORA_SHOT_SEED:-38}
frames=${KELMORA_SHOT_FRAMES:-240}

[ -x "$kelmora" ] || { echo "no game at '$kelmora' (build it first: make build)"; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (make deps installs it)"; exit 1; }
done
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
work=$(mktemp -d)
# shellcheck source=xvfb.bash
. "$here/xvfb.bash"
# shellcheck source=menu_path.bash
. "$here/menu_path.bash"
cleanup() {
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
trace=$work/trace.jsonl
start_game --seed "$seed" --trace "$trace"
wait_trace "the main menu" '"main":1,"options":0,"exit":0'
cursor_to 343 222
wait_frames $((frames - $(frames_now)))
screenshot "$work/menu.png"
xdotool key Escape
expect_exit 0
# Written only once the game has ended well; the PNG without its time stamps, so that an
# unchanged picture stays the same file.
convert "$work/menu.png" -strip -define png:exclude-chunks=date,time "$out"
echo "$out: $(identify -format '%wx%h, %k colours' "$out")"

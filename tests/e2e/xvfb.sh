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
#   layout      [KELMORA_HEADLESS WM] the frame on screens of several sizes, full screen and in a
#               window, without a window manager (WM none) and with openbox (WM openbox)
#   class       [DESKTOP_ENTRY] the window's class is the entry's StartupWMClass, its name "A Game"
#   signals     [WM] SIGTERM, SIGINT, SIGHUP end the game in flight and with a message box up
#   box         [WM] every message box comes on the screen, and its OK (or Return) closes it;
#               behind a box at start-up the game's window is black
#   lost        WAY KELMORA_HEADLESS: the X server ends (WAY server) or drops the game (client)
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
# The game keeps its settings between runs: each check starts from none, and leaves the
# player's own alone.
export XDG_CONFIG_HOME=$work/config
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

# The game's window as the X server has it: its place on the screen and its size, "X Y W H".
window_geometry() {
  find_window || return 1
  geometry_of "$window"
}

# "X Y WIDTH HEIGHT" of the window ID on the screen (its inside, without a frame); nothing if it
# is gone.
geometry_of() {
  xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ \
    {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {if (w) print x, y, w, h}'
}

# Waits until the screen (WIDTHxHEIGHT) shows the headless runner's frame.png where it belongs:
# MODE full, the window covers the whole screen; MODE window, the window lies on the screen.
# Either way the frame fills the window letterboxed (aspect ratio kept, centred), scaled
# nearest-neighbour, so the runner's shot scaled the same way matches the screen's pixels. A
# handful may differ where the renderer's and ImageMagick's rounding of a pixel's edge part: at
# most one in 200. Below 1x only one pixel in four is kept, and which one the renderer keeps
# where the edges meet its sampling points exactly is down to its rounding: at most one in 100
# there (the renderer keeps the later pixel of each pair, as ImageMagick does when it samples at
# just past its middle). A picture cropped or moved by even one pixel differs in far more (one
# screen pixel to the side at 320x240: four times as many). The window is looked at once it has
# stayed in place between two looks: the desktop may still be moving it.
expect_picture() {
  local mode=$1 width=${2%x*} height=${2#*x}
  local deadline=$((SECONDS + KELMORA_PICTURE_LIMIT)) x y w h pw ph px py seen="none" before=""
  while :; do
    if read -r x y w h <<<"$(window_geometry)" && [ -n "$h" ]; then
      seen="window ${w}x${h} at ($x, $y)"
      local placed=1
      if [ "$mode" = full ]; then
        [ "$x $y $w $h" = "0 0 $width $height" ] || placed=0
      else
        # On the screen, title bar included (the window manager's frame above it), and on a
        # screen larger than the frame not the whole of it.
        local top
        top=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *[0-9]*, *[0-9]*, *\([0-9]*\),.*/\1/p' || true)
        seen="$seen below a title bar of ${top:-0}"
        [ "$x" -ge 0 ] && [ "$y" -ge "${top:-0}" ] && [ $((x + w)) -le "$width" ] &&
          [ $((y + h)) -le "$height" ] || placed=0
        if [ "$width" -ge 640 ] && [ "$height" -ge 480 ] && [ "$w" -eq "$width" ] &&
          [ "$h" -eq "$height" ]; then placed=0; fi
      fi
      [ "$before" = "$x $y $w $h" ] || placed=0
      before="$x $y $w $h"
      if [ "$placed" = 1 ]; then
        if [ $((w * 480)) -le $((h * 640)) ]; then
          pw=$w ph=$((w * 480 / 640))
        else
          ph=$h pw=$((h * 640 / 480))
        fi
        px=$((x + (w - pw) / 2)) py=$((y + (h - ph) / 2))
        local offset=50 share=200
        [ "$pw" -lt 640 ] && offset=51 share=100
        import -window root "$work/screen.png" 2>/dev/null &&
          convert "$work/screen.png" -crop "${pw}x${ph}+${px}+${py}" +repage "$work/seen.png" &&
          convert "$work/frame.png" -define "sample:offset=$offset" -sample "${pw}x${ph}!" \
            "$work/expected.png" || fail "ImageMagick failed"
        local differing
        differing=$(compare -metric AE "$work/seen.png" "$work/expected.png" null: 2>&1 || true)
        seen="$seen, the picture at ($px, $py) ${pw}x${ph}: $differing pixels differ"
        [ "$differing" -le $((pw * ph / share)) ] 2>/dev/null && {
          echo "$2 $mode: $seen"
          return 0
        }
      fi
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "on a $2 screen ($mode) the last look showed: $seen"
    sleep 0.2
  done
}
KELMORA_PICTURE_LIMIT=${KELMORA_PICTURE_LIMIT:-20}

# Milliseconds since the epoch.
now_ms() { date +%s%3N; }

# Sends SIGNAL to the game and waits at most KELMORA_SIGNAL_LIMIT_MS for it to end with STATUS.
signal_ends_game() {
  local signal=$1 want=$2 status=0 sent
  sent=$(now_ms)
  kill -s "$signal" "$game_pid"
  until ! kill -0 "$game_pid" 2>/dev/null; do
    [ $(($(now_ms) - sent)) -le "$KELMORA_SIGNAL_LIMIT_MS" ] ||
      fail "SIG$signal: the game still runs after $KELMORA_SIGNAL_LIMIT_MS ms"
    sleep 0.01
  done
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq "$want" ] || fail "SIG$signal: exit status $status, expected $want"
  echo "SIG$signal: ended with status $status after $(($(now_ms) - sent)) ms"
}
KELMORA_SIGNAL_LIMIT_MS=${KELMORA_SIGNAL_LIMIT_MS:-1000}

# `captioned WHICH CAPTION`: the id of the window captioned CAPTION in the window tree, or nothing.
# WHICH is box, a message box (SDL's has no class), or game, the game's window (which has one, and
# may share the caption). The box is looked up in the tree, not with xdotool: its search reads
# only WM_NAME, which the box's process writes in the locale's own encoding (of type "UTF-8" under
# a UTF-8 locale), and that it cannot read. The tree is read whole before it is searched: a
# search that stops at its first match ends xwininfo early, and under pipefail the broken pipe
# reads as "not there" (under a window manager, whose frames make the tree long, nearly always).
captioned() {
  local tree line
  tree=$(xwininfo -root -tree 2>/dev/null) || return 0
  if [ "$1" = box ]; then line="\"$2\": ()"; else line="\"$2\": (\""; fi
  awk -v line="$line" 'index($0, line) { print $1; exit }' <<<"$tree"
}

# Whether the window ID is mapped and viewable (itself and every window it lies in).
viewable() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  grep -q 'Map State: IsViewable' <<<"$info"
}

# The child of the root window that holds the window ID: the window itself without a window
# manager, the manager's frame around it with one.
top_level() {
  local id=$1 info parent
  # (xwininfo given no id would wait for a click.)
  while [ -n "$id" ]; do
    info=$(xwininfo -id "$id" -children 2>/dev/null) || return 0
    parent=$(sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$info")
    [ -n "$parent" ] && [ "$parent" != 0x0 ] || return 0
    case "$info" in *"Parent window id: $parent (the root window)"*)
      echo "$id"
      return 0
      ;;
    esac
    id=$parent
  done
}

# Waits for the game's message box captioned CAPTION to be on the screen, viewable and in front of
# the game's window, at most KELMORA_BOX_LIMIT_MS from when it is looked for; sets `box` to its id.
box="" box_caption=""
expect_box() {
  local caption=$1 asked shown box_top game game_top tops order
  asked=$(now_ms)
  until box=$(captioned box "$caption") && [ -n "$box" ] && viewable "$box"; do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its box '$caption' showed"
    [ $(($(now_ms) - asked)) -le "$KELMORA_BOX_LIMIT_MS" ] ||
      fail "the box '$caption' is not on the screen after $KELMORA_BOX_LIMIT_MS ms${box:+ (window $box, not viewable)}"
    sleep 0.05
  done
  shown=$(($(now_ms) - asked))
  box_caption=$caption
  box_top=$(top_level "$box")
  # After a fatal box the game's window is gone, and the next box has none to be in front of.
  game=$(captioned game "A Game")
  if [ -n "$game" ] && viewable "$game"; then
    game_top=$(top_level "$game")
    # xwininfo lists the root's children from the top of the stack down.
    tops=$(xwininfo -root -children 2>/dev/null) || tops=""
    order=$(awk -v a="$box_top" -v b="$game_top" '$1 == a || $1 == b { print $1; exit }' <<<"$tops")
    [ -n "$box_top" ] && [ "$order" = "$box_top" ] ||
      fail "the box '$caption' ($box in $box_top) lies behind the game's window ($game in $game_top)"
    echo "the box '$caption' is on the screen after $shown ms, in front of the game"
  else
    echo "the box '$caption' is on the screen after $shown ms (the game has no window)"
  fi
}
# A box comes within a second or so; the limit leaves room for a loaded machine.
KELMORA_BOX_LIMIT_MS=${KELMORA_BOX_LIMIT_MS:-10000}

# Waits for every box captioned CAPTION to have left the screen.
expect_no_box() {
  no_box() { [ -z "$(captioned box "$1")" ]; }
  wait_until "the box '$1' to leave the screen" no_box "$1"
}

# The game's window, as far as the box `box` leaves it in view, shows nothing but black (the state
# of a game that has drawn nothing yet), not what lay on the screen there before: the desktop, or
# a window manager's frame from before the window left full screen. Looked at until it does, for
# at most KELMORA_PICTURE_LIMIT seconds (the desktop may still be placing the window).
expect_black_behind_box() {
  local deadline=$((SECONDS + KELMORA_PICTURE_LIMIT)) x y w h bx by bw bh lit
  while :; do
    read -r x y w h <<<"$(window_geometry)" && [ -n "$h" ] ||
      fail "the game's window is not on the screen"
    read -r bx by bw bh <<<"$(geometry_of "$box")"
    [ -n "$bh" ] || fail "the box '$box_caption' has left the screen"
    # The box's place in the game's window, its frame and title bar around it.
    bx=$((bx - x)) by=$((by - y))
    import -window root "$work/behind.png" 2>/dev/null &&
      lit=$(convert "$work/behind.png" -crop "${w}x${h}+${x}+${y}" +repage -fill black \
        -draw "rectangle $((bx - 8)),$((by - 32)) $((bx + bw + 8)),$((by + bh + 8))" \
        -fill white +opaque black -format '%[fx:round(mean*w*h)]' info:) ||
      fail "ImageMagick failed"
    [ "$lit" -ne 0 ] || break
    [ "$SECONDS" -lt "$deadline" ] ||
      fail "behind the box '$box_caption' $lit pixels of the game's window are not black"
    sleep 0.2
  done
  echo "behind the box '$box_caption' the game's window is black"
}

# The box `box` is given the keyboard and closed with Return.
close_box_with_return() {
  xdotool windowfocus --sync "$box" 2>/dev/null || fail "the box $box cannot take the keyboard"
  xdotool key Return
  box_closed
}

# The box `box` is closed with a click on its OK, its one button: in SDL's layout the button's
# middle lies halfway across, 28 pixels above the foot.
close_box_with_click() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$box" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$box" $((WIDTH / 2)) $((HEIGHT - 28)) click 1
  box_closed
}

# The box `box` has left the screen. (Its id says too little: the next box's process may be
# given the same ids by the X server.)
box_closed() {
  expect_no_box "$box_caption"
}

# Starts the game with OPTIONS... and waits for its error box (sets `box`).
start_game_with_box() {
  start_game_as "$@"
  expect_box "An Error has Occurred"
}

# The game's standard error, less what the sound library says of a machine without a sound card.
game_errors() {
  grep -v -e '^ALSA lib' -e '^kelmora: no sound' "$work/game.log" || true
}

# Each line of the trace is complete, and the ticks run 0, 1, 2, ... without a gap.
trace_whole() {
  awk -v file="$1" '!/^\{"tick":[0-9]+,.*\}$/ { print file ":" NR ": not a whole line"; bad = 1; exit }
    { split($0, part, /[:,]/); if (part[2] != NR - 1) { print file ":" NR ": tick " part[2]; bad = 1; exit } }
    END { exit bad }' "$1"
}

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
  # Each way of having no display ends the game at once with status 1 and the failing step's
  # text; it never runs on unseen (the time limit catches a game that does).
  no_display() {
    local what=$1 expect=$2 status=0
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" timeout 30 "$kelmora" --window \
      >"$work/out.log" 2>"$work/err.log" </dev/null || status=$?
    [ "$status" -ne 124 ] || fail "$what: the game ran on without a display"
    [ "$status" -eq 1 ] || fail "$what: exit status $status, expected 1"
    grep -q "could not be created" "$work/err.log" || fail "$what: no message names the failing step"
    grep -q -- "$expect" "$work/err.log" || fail "$what: no message says '$expect'"
    echo "$what: $(tr '\n' ' ' <"$work/err.log")"
  }
  # A display number that no server has.
  free=$((2000 + $$ % 1000))
  while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
  no_display "the X driver named, no DISPLAY" "No display could be opened" SDL_VIDEODRIVER=x11
  no_display "no DISPLAY" "DISPLAY is not set"
  no_display "DISPLAY :$free, no server there" "on DISPLAY :$free" DISPLAY=":$free"
  # A driver that the player names himself is his choice, even one that shows nothing.
  printf 'seed 1\n30 vk ESCAPE\n' >"$work/quit.txt"
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen timeout 30 "$kelmora" --window \
    --replay "$work/quit.txt" --trace "$work/trace.jsonl" >"$work/out.log" 2>"$work/err.log" \
    </dev/null || status=$?
  [ "$status" -eq 0 ] || fail "with SDL_VIDEODRIVER=offscreen: exit status $status, expected 0"
  [ "$(wc -l <"$work/trace.jsonl")" -eq 31 ] || fail "with SDL_VIDEODRIVER=offscreen: no 31 ticks"
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
layout)
  # The same still frame (the game stands still once it is made inactive) on screens of several
  # sizes, at start in full screen and after each Alt+Enter both ways; WM: none or openbox.
  headless=$extra wm=${4:-none}
  printf 'seed 5\n40 activate 0\n' >"$work/still.txt"
  "$headless" --script "$work/still.txt" --ticks 40 --shot "39:$work/frame.png" --quiet ||
    fail "the headless runner could not take the frame"
  for screen in ${KELMORA_SCREENS:-1920x1080 1024x768 1280x1024 320x240}; do
    KELMORA_SCREEN=$screen start_xvfb
    [ "$wm" = openbox ] && start_wm
    start_game_as --fullscreen --replay "$work/still.txt"
    expect_picture full "$screen"
    for mode in window full window; do
      xdotool key alt+Return
      expect_picture "$mode" "$screen"
    done
    xdotool key Escape
    expect_exit 0
    stop_started
  done
  ;;
class)
  # The window's class is the desktop entry's StartupWMClass whatever the program file is
  # called, so that docks group it under the entry; the caption stays the game's own.
  entry=$extra
  wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
  [ -n "$wanted" ] || fail "$entry names no StartupWMClass"
  cp "$kelmora" "$work/renamed-game"
  kelmora=$work/renamed-game
  for wm in none openbox; do
    start_xvfb
    [ "$wm" = openbox ] && start_wm
    trace=$work/trace-$wm.jsonl
    start_game --trace "$trace"
    class=$(xprop -id "$window" WM_CLASS)
    [ "$class" = "WM_CLASS(STRING) = \"$wanted\", \"$wanted\"" ] ||
      fail "with WM $wm the window's class is '$class', not '$wanted'"
    name=$(xprop -id "$window" _NET_WM_NAME)
    [ "$name" = '_NET_WM_NAME(UTF8_STRING) = "A Game"' ] || fail "the window's name is '$name'"
    echo "WM $wm: $class, $name"
    xdotool key Escape
    expect_exit 0
    stop_started
  done
  ;;
signals)
  # SIGTERM, SIGINT and SIGHUP end the game at once in flight and standing still (status 0, as
  # the desktop's close gives, which the recording shows) and while a message box is up (the box ends as its OK
  # does, and so does the game: status 1), the trace complete either way. WM: none or openbox.
  wm=${extra:-none}
  start_xvfb
  [ "$wm" = openbox ] && start_wm
  for signal in TERM INT HUP; do
    trace=$work/play-$signal.jsonl
    start_game --seed 4 --record "$work/play-$signal.txt" --trace "$trace"
    fly
    wait_frames 10
    signal_ends_game "$signal" 0
    tail -n1 "$trace" | grep -q '"boxes":\[\],"exit":0}$' || fail "SIG$signal: the trace has no end"
    tail -n1 "$work/play-$signal.txt" | grep -Eq '^[0-9]+ close$' ||
      fail "SIG$signal: the recording ends in '$(tail -n1 "$work/play-$signal.txt")', not a close"
    trace_whole "$trace" || fail "SIG$signal: the trace is cut"

    # Standing still, inactive: the game sleeps until an event comes, and the signal wakes it.
    printf 'seed 1\n10 activate 0\n' >"$work/still.txt"
    trace=$work/still-$signal.jsonl
    start_game_as --window --replay "$work/still.txt" --trace "$trace"
    sleep 0.5
    signal_ends_game "$signal" 0
    tail -n1 "$trace" | grep -q '"boxes":\[\],"exit":0}$' ||
      fail "SIG$signal: the trace of the game standing still has no end"

    # A box at start-up (a device that cannot be made): after it the game would end, status 1.
    printf 'seed 1\n0 fail keyboard-create\n' >"$work/start.txt"
    trace=""  # no frame to wait for
    start_game_with_box --window --replay "$work/start.txt" --trace "$work/start-$signal.jsonl"
    trace=$work/start-$signal.jsonl
    signal_ends_game "$signal" 1
    tail -n1 "$trace" | grep -q '"Create Keyboard Device Failed"\],\["A Game","Direct Input Initialisation FAILED"\]\],"exit":1}$' ||
      fail "SIG$signal: the start-up trace does not end with its boxes"

    # The box of a keyboard that cannot be read in play.
    printf 'seed 1\n20 vk F1\n30 fail keyboard\n' >"$work/keyboard.txt"
    trace=$work/keyboard-$signal.jsonl
    start_game_with_box --window --replay "$work/keyboard.txt" --trace "$trace"
    signal_ends_game "$signal" 1
    tail -n1 "$trace" | grep -q '"boxes":\[\["An Error has Occurred","Get KeyBoard State Failed"\]\],"exit":1}$' ||
      fail "SIG$signal: the keyboard trace does not end with its box"
    expect_no_box "An Error has Occurred"
  done
  ;;
box)
  # Every message box comes on the screen in front of the game's window, and its OK closes it as
  # Return does; after the last box the game ends with status 1, its trace ending with the boxes.
  # With a window manager the box of a game in play takes the keyboard. WM: none or openbox.
  wm=${extra:-none}
  start_xvfb
  [ "$wm" = openbox ] && start_wm
  for round in 1 2 3; do
    # Full screen (which takes a window manager: without one the game stays in a window) or in
    # a window, in turn.
    start_as=--fullscreen play_as=--window
    [ "$round" != 2 ] || start_as=--window play_as=--fullscreen
    # At start-up: two boxes in turn (a device that cannot be made, then the start-up's own,
    # shown once the game's window is gone), the first closed with Return, the second with a
    # click on its OK.
    printf 'seed 1\n0 fail keyboard-create\n' >"$work/start.txt"
    trace=""  # no frame to wait for
    start_game_as "$start_as" --replay "$work/start.txt" --trace "$work/start-$round.jsonl"
    expect_box "An Error has Occurred"
    expect_black_behind_box
    close_box_with_return
    expect_box "A Game"
    close_box_with_click
    expect_exit 1
    tail -n1 "$work/start-$round.jsonl" | grep -q '"Create Keyboard Device Failed"\],\["A Game","Direct Input Initialisation FAILED"\]\],"exit":1}$' ||
      fail "round $round: the start-up trace does not end with its boxes"

    # In play: the box of a keyboard that cannot be read (out of full screen first).
    printf 'seed 1\n20 vk F1\n30 fail keyboard\n' >"$work/keyboard.txt"
    trace=$work/keyboard-$round.jsonl
    start_game_as "$play_as" --replay "$work/keyboard.txt" --trace "$trace"
    expect_box "An Error has Occurred"
    if [ "$wm" = openbox ]; then
      box_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$((box))" ]; }
      wait_until "the box $box to take the keyboard" box_focused
      xdotool key Return
    else
      close_box_with_return
    fi
    expect_exit 1
    tail -n1 "$trace" | grep -q '"boxes":\[\["An Error has Occurred","Get KeyBoard State Failed"\]\],"exit":1}$' ||
      fail "round $round: the keyboard trace does not end with its box"
    expect_no_box "An Error has Occurred"
  done
  ;;
lost)
  # The X server goes away in flight, killed or by dropping the game (WAY: server or client):
  # the game ends with status 1 and one line on standard error, and its trace and recording
  # hold every tick it finished: the recording replays to the same trace.
  headless=$4 way=$extra
  start_xvfb
  trace=$work/live.jsonl
  start_game --seed 6 --record "$work/demo.txt" --trace "$trace"
  fly
  hold_key space 57 30
  key_down Left 203
  wait_frames 10
  if [ "$way" = server ]; then
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  else
    xdotool windowkill "$window"
  fi
  expect_exit 1
  errors=$(game_errors)
  [ "$errors" = "kelmora: the connection to the display was lost; the game ends" ] ||
    fail "standard error holds: $errors"
  trace_whole "$trace" || fail "the trace is cut"
  lines=$(wc -l <"$trace")
  grep -q "key LEFT down" "$work/demo.txt" || fail "the recording lacks the last key"
  "$headless" --script "$work/demo.txt" --ticks "$lines" --trace "$work/replay.jsonl" --quiet ||
    fail "the headless replay failed"
  head -n "$lines" "$work/replay.jsonl" | cmp -s - "$trace" ||
    fail "the recording does not replay to the trace"
  echo "lost ($way): $lines whole trace lines, replayed exactly"
  ;;
*)
  echo "unknown check: $check"
  exit 2
  ;;
esac
echo "xvfb $check: ok"

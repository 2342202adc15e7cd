# Helpers for driving the real game in an X server of its own (sourced by xvfb.sh and
# screenshot.sh): start Xvfb and the game, read its trace as it is written, move the menu cursor,
# click, hold keys. Every wait polls the trace (or the process) with a generous limit, so a slow or
# loaded machine only makes the run longer, never wrong.
#
# The caller sets `work` (a scratch directory) and `kelmora`.

# Seconds any single wait may take before the run is given up (a loaded CI machine may be slow).
KELMORA_WAIT_LIMIT=${KELMORA_WAIT_LIMIT:-90}

xvfb_pid=""
wm_pid=""
game_pid=""
window=""

# Ends the run with what it knows: the game's and the server's logs, the window and focus, the input
# that reached the game and the last trace line.
fail() {
  echo "FAIL: $*"
  for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "--- $log"; tail -20 "$log"; }
  done
  if [ -n "${DISPLAY:-}" ] && [ -n "${xvfb_pid:-}" ]; then
    echo "--- display $DISPLAY; the game's window: ${window:-none}; the focus: $(xdotool getwindowfocus 2>&1 | head -n1 || true)"
  fi
  [ -s "$work/session.txt" ] && { echo "--- the input that reached the game"; tail -n 12 "$work/session.txt"; }
  [ -n "${trace:-}" ] && [ -s "$trace" ] && { echo "--- last trace line"; tail -n1 "$trace" | cut -c1-600; }
  exit 1
}

# Stops whatever this script started, by its own process ids.
stop_started() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$game_pid" ]; then wait "$game_pid" 2>/dev/null || true; fi
  if [ -n "$wm_pid" ]; then wait "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then wait "$xvfb_pid" 2>/dev/null || true; fi
  game_pid=""
  wm_pid=""
  xvfb_pid=""
}

# Polls COMMAND... every 50 ms until it succeeds; fails with WHAT after the wait limit.
wait_until() {
  local what=$1
  shift
  local deadline=$((SECONDS + KELMORA_WAIT_LIMIT))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "waited ${KELMORA_WAIT_LIMIT} s for $what"
    sleep 0.05
  done
}

# An X server of our own on a free display number. It must not reset when its last client goes:
# the game (SDL) looks at the display once and lets go before it opens it for good, and a
# connection made while the server resets is refused.
# The screen's size: KELMORA_SCREEN (WIDTHxHEIGHT), 1024x768 by default.
start_xvfb() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${KELMORA_SCREEN:-1024x768}x24" -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  display_known() {
    [ -s "$work/display" ] || { kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended at start"; false; }
  }
  wait_until "Xvfb to start" display_known
  export DISPLAY=":$(head -n1 "$work/display")"
  # It answers its clients.
  display_answers() {
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended after it started"
    xdotool getdisplaygeometry >/dev/null 2>&1
  }
  wait_until "Xvfb on $DISPLAY to answer" display_answers
}

# A window manager (openbox) on the X server, as a desktop has one; returns once it runs.
start_wm() {
  rm -f "$work/wm-ready"
  openbox --sm-disable --startup "touch $work/wm-ready" >"$work/wm.log" 2>&1 &
  wm_pid=$!
  wm_ready() {
    kill -0 "$wm_pid" 2>/dev/null || fail "openbox ended at start"
    [ -e "$work/wm-ready" ]
  }
  wait_until "openbox to start" wm_ready
}

# The game's window on the screen: captioned "A Game" and shown. (While it starts, the window
# may be made more than once, hidden, as the renderer takes it over.)
find_window() {
  window=$(xdotool search --onlyvisible --name '^A Game$' 2>/dev/null | tail -n1 || true)
  [ -n "$window" ]
}

# Starts `kelmora --window ARGS...` in the background and waits for its window, which gets the
# focus; sets `window`. The game keeps its settings and screenshots in folders of the run's own
# (never the user's), and plays its sounds to no device unless the caller chose one.
start_game() {
  start_game_as --window "$@"
}

# The same with the game's own ARGS... only (full screen unless they say --window).
start_game_as() {
  XDG_CONFIG_HOME="${game_config:-$work/config}" XDG_PICTURES_DIR="$work/pictures" \
    SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" SDL_VIDEODRIVER=x11 \
    "$kelmora" "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  window=""
  window_open() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window opened"
    find_window
  }
  wait_until "a window captioned 'A Game'" window_open
  if [ -n "$trace" ]; then
    # Once a frame is on the screen the window is the one that stays.
    first_frame() {
      [ "$(frames_now)" -ge 1 ] 2>/dev/null && return 0
      kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its first frame"
      false
    }
    wait_until "the first frame" first_frame
    find_window || fail "the game's window is gone"
  fi
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# Waits for the game to end and checks its exit status.
expect_exit() {
  local want=$1 status=0
  game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
  wait_until "the game to end" game_ended
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq "$want" ] || fail "exit status $status, expected $want"
}

# --- Reading the trace while the game writes it -------------------------------------------------

trace=""  # the trace file the helpers below read

# The last complete line of the trace (the game may be half-way through writing the next one).
last_line() {
  tail -n 2 "$trace" 2>/dev/null | grep '^{"tick":.*"boxes":.*}$' | tail -n1 || true
}

# NAME's integer value in LINE (the first "NAME":N in it).
field_of() {
  sed -n "s/.*\"$2\":\(-\{0,1\}[0-9][0-9]*\).*/\1/p" <<<"$1" | head -n1
}

# The first field of the trace line's first ship (the player's, slot 0) named by its position:
# 1 x, 2 y, ... 7 alive, 8 firing, 9 launchMissile, 10 missiles.
player_field() {
  sed -n 's/.*"ships":\[\[\([^][]*\),\[.*/\1/p' <<<"$1" | cut -d, -f"$2"
}

frames_now() { field_of "$(last_line)" frames; }

# Waits until the game has run N more frames than now.
wait_frames() {
  local want=$(($(frames_now || echo 0) + $1))
  frames_reached() { [ "$(frames_now)" -ge "$want" ] 2>/dev/null; }
  wait_until "$1 more frames (at frame $(frames_now))" frames_reached
}

# Waits until the last trace line matches the extended regular expression.
wait_trace() {
  local what=$1 pattern=$2
  trace_matches() { last_line | grep -Eq "$pattern"; }
  wait_until "$what" trace_matches
}

# --- Input ----------------------------------------------------------------------------------------

cursor_now() {
  sed -n 's/.*"cursor":\[\(-\{0,1\}[0-9]*\),\(-\{0,1\}[0-9]*\)\].*/\1 \2/p' <<<"$(last_line)"
}

# The window's point over the frame pixel (X, Y) of the picture, as "PX PY": the picture fills the
# window with its aspect ratio kept, centred (the middle of the pixel, so that any rounding of the
# scale lands on it).
point_of_pixel() {
  local WIDTH HEIGHT pw ph
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
  if [ $((WIDTH * 480)) -le $((HEIGHT * 640)) ]; then
    pw=$WIDTH ph=$((WIDTH * 480 / 640))
  else
    ph=$HEIGHT pw=$((HEIGHT * 640 / 480))
  fi
  echo "$(((WIDTH - pw) / 2 + (2 * $1 + 1) * pw / 1280)) $(((HEIGHT - ph) / 2 + (2 * $2 + 1) * ph / 960))"
}

# Moves the menu cursor to (X, Y) in game pixels: in a window the game's cursor comes under the
# pointer, so the pointer goes over that pixel of the picture; the cursor is read back from the
# trace, and a motion the host loses is made good on the next round.
cursor_to() {
  local x=$1 y=$2 round cx cy px py
  for round in 1 2 3 4 5 6 7 8; do
    read -r cx cy <<<"$(cursor_now)"
    [ -n "$cx" ] || fail "no cursor in the trace"
    [ "$cx" -eq "$x" ] && [ "$cy" -eq "$y" ] && return 0
    read -r px py <<<"$(point_of_pixel "$x" "$y")"
    # Through a point beside it first: a pointer already there would not move.
    xdotool mousemove --window "$window" $((px + 1)) "$py" mousemove --window "$window" "$px" "$py"
    cursor_moved() {
      local now
      now=$(cursor_now)
      [ "$now" = "$x $y" ] && return 0
      [ "$now" != "$cx $cy" ] && [ "$(frames_now)" -ge "$settle" ] 2>/dev/null
    }
    local settle=$(($(frames_now) + 6))
    wait_until "the cursor to leave ($cx, $cy) for ($x, $y)" cursor_moved
  done
  fail "the cursor stays at $(cursor_now), not at ($x, $y)"
}

# The keyboard keys (by key code) and mouse buttons that the game last read as held, from the
# trace's input latches.
key_held() { last_line | grep -Eq "\"latched\":\[([0-9]+,)*$1[],]"; }
key_free() { ! key_held "$1"; }
button_held() { last_line | grep -Eq "\"buttonLatch\":\[([01],){$1}1[],]"; }
button_free() { ! button_held "$1"; }

# Presses or lets go of a mouse button (xdotool's numbering: 1 left, 3 right; the game's: 0 left,
# 1 right) and waits until the game has read it so. The game reads the buttons only while the
# menu is up.
button_down() {
  xdotool mousedown "$1"
  wait_until "button $2 to read as held" button_held "$2"
}
button_up() {
  xdotool mouseup "$1"
  wait_until "button $2 to read as released" button_free "$2"
}

# A left click: the game acts on the release.
click() {
  button_down 1 0
  button_up 1 0
}

# Presses or lets go of KEY (an X key name) and waits until the game's keyboard read shows it
# (CODE: the game's key code). The host may take a while to pass a key on; every step waits for
# the game to have seen it, so that no press is shorter than a frame.
key_down() {
  xdotool keydown "$1"
  wait_until "$1 to read as held" key_held "$2"
}
key_up() {
  xdotool keyup "$1"
  wait_until "$1 to read as released" key_free "$2"
}

# Holds KEY down for FRAMES frames of the game.
hold_key() {
  key_down "$1" "$2"
  wait_frames "$3"
  key_up "$1" "$2"
}

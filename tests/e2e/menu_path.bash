# The whole path of a player through the real game, driven with the mouse and the keyboard (sourced
# by xvfb.sh after xvfb.bash): the main menu, Options, fewer enemies, Ok, New Game, a few seconds
# of flight with the keys held (turning, thrust, fire) and a missile, then Escape. Each step is
# checked in the game's trace as it happens.
#
# Menu geometry, in game pixels (a button answers strictly inside its bounds):
#   New Game 284 < x < 355, 212 < y < 229      Options 284 < x < 355, 231 < y < 248
#   Enemy Number value 372 < x < 405, 211 < y < 228
#   Ok 236 < x < 307, 271 < y < 288

# The number of drones the path sets (fewer than the 12 of the defaults, so the player's short
# flight is safe); set by play_menu_path.
path_drones=""

# Plays the path in the running game (`trace` names its trace); leaves it ended with status 0.
# SHOT, when given, is where the main menu's screenshot goes.
play_menu_path() {
  local shot=${1:-} line
  wait_trace "the main menu" '"menu":\{"cursor":\[[0-9]+,[0-9]+\],"main":1,"options":0,"exit":0'
  wait_frames 5
  if [ -n "$shot" ]; then
    screenshot "$shot"
  fi

  # Options: the panel opens with the settings remembered for Cancel.
  cursor_to 320 239
  click
  wait_trace "the options panel" '"main":0,"options":1,"exit":0,"saved":\[[01],12,'

  # The right button held over Enemy Number lowers it by one every frame, down to 1 at least.
  cursor_to 388 219
  button_down 3 1
  wait_trace "fewer enemies" '"drones":[1-4],'
  button_up 3 1
  path_drones=$(field_of "$(last_line)" drones)
  wait_frames 3
  line=$(last_line)
  [ "$(field_of "$line" drones)" = "$path_drones" ] ||
    fail "Enemy Number went on changing after the button was let go"
  # Only New Game makes the new number count.
  [ "$(field_of "$line" shipCount)" = 13 ] || fail "shipCount changed before New Game: $line"

  # Ok keeps the edit and goes back to the main menu.
  cursor_to 270 279
  click
  wait_trace "the main menu after Ok" "\"drones\":$path_drones,.*\"main\":1,\"options\":0,\"exit\":0"

  # New Game: the player's ship flies, among path_drones drones.
  cursor_to 320 220
  click
  local ships=$((path_drones + 1))
  player_alive() {
    line=$(last_line)
    [ "$(player_field "$line" 7)" = 1 ] && [ "$(field_of "$line" shipCount)" = "$ships" ]
  }
  wait_until "a new game with $ships ships" player_alive

  # A few seconds of flight: turn, thrust, fire, a missile. Each key is held until the game has
  # read it, and its effect is looked for in every trace line since it went down.
  local start_frames missiles_before from
  start_frames=$(frames_now)
  missiles_before=$(player_field "$(last_line)" 10)
  since() { tail -n +"$from" "$trace" | grep -Eq "$1"; }
  from=$(wc -l <"$trace")
  hold_key Left 203 20
  wait_until "the ship to turn with Left held" since '"player":\{"heading":[1-9]'
  hold_key Up 200 2
  wait_trace "thrust 1 after Up" '"thrust":1,'
  from=$(wc -l <"$trace")
  hold_key space 57 60
  wait_until "the player firing with Space held" since '"fire":1,'
  # Left Alt launches when it is let go: a tap.
  xdotool key Alt_L
  player_launched() { [ "$(player_field "$(last_line)" 10)" -lt "$missiles_before" ]; }
  wait_until "a missile from the player (it had $missiles_before)" player_launched
  hold_key Right 205 90
  line=$(last_line)
  [ "$(player_field "$line" 7)" = 1 ] || fail "the player's ship was destroyed in its short flight"
  [ $(($(field_of "$line" frames) - start_frames)) -ge 180 ] ||
    fail "too few frames of flight: $line"

  # Escape quits at once, with status 0 on the trace's last line.
  xdotool key Escape
  expect_exit 0
  tail -n1 "$trace" | grep -q '"exit":0}$' || fail "the trace does not end with exit 0"
  echo "menu path: $path_drones enemies, $(tail -n1 "$trace" | sed 's/.*"tick":\([0-9]*\).*/\1/') ticks"
}

# A screenshot of the game's window as a PNG; it must show the game (many colours, not one).
screenshot() {
  find_window || fail "the game's window is not on the screen"
  import -window "$window" "$1" || fail "import could not take the window"
  local colours
  colours=$(identify -format '%k' "$1")
  [ "$colours" -ge 8 ] || fail "the screenshot shows only $colours colours"
}

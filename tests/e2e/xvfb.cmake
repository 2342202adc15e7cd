# The real game in a real X server (Xvfb), driven with xdotool: it starts, shows frames and quits
# on Escape; a player goes through the menus into a game and out with Escape; a session played
# that way replays to the same trace, headlessly and in the window. Without any display it names
# the failing step and ends with status 1. The picture fills the screen, or the window on the
# screen, on screens of several sizes with and without a window manager; the window carries the
# desktop entry's class. Every message box comes on the screen, in front of the game (black behind
# a box at start-up), and its OK closes it. Quit signals end the game in every state, a message box
# up included; a lost X server ends it with its files whole.
set(_kelmora_xvfb bash ${CMAKE_CURRENT_LIST_DIR}/xvfb.sh)
add_test(NAME xvfb_no_display COMMAND ${_kelmora_xvfb} no-display $<TARGET_FILE:kelmora>)
find_program(KELMORA_XVFB Xvfb)
find_program(KELMORA_XDOTOOL xdotool)
find_program(KELMORA_IMPORT import)
if(KELMORA_XVFB AND KELMORA_XDOTOOL AND KELMORA_IMPORT)
  add_test(NAME xvfb_play COMMAND ${_kelmora_xvfb} play $<TARGET_FILE:kelmora>)
  # The main menu's screenshot stays in the build directory to be looked at.
  add_test(NAME xvfb_menu_path COMMAND ${_kelmora_xvfb} menu $<TARGET_FILE:kelmora>
                                       ${CMAKE_CURRENT_BINARY_DIR}/menu-path.png)
  add_test(NAME xvfb_demo_replays_exactly
           COMMAND ${_kelmora_xvfb} demo $<TARGET_FILE:kelmora> $<TARGET_FILE:kelmora-headless>)
  # Every wait inside polls with its own limit; these are the last resort on a very slow machine.
  set_tests_properties(xvfb_play PROPERTIES TIMEOUT 180 RESOURCE_LOCK xvfb)
  set_tests_properties(xvfb_menu_path xvfb_demo_replays_exactly PROPERTIES TIMEOUT 600
                                                                           RESOURCE_LOCK xvfb)
  # Desktop shortcuts with Alt launch no missile, short taps of Left Alt each launch one, and a
  # window never holds the pointer; without a window manager and with one.
  find_program(KELMORA_OPENBOX openbox)
  set(_kelmora_input_checks xvfb_shortcuts xvfb_taps xvfb_pointer)
  add_test(NAME xvfb_shortcuts COMMAND ${_kelmora_xvfb} shortcuts $<TARGET_FILE:kelmora>)
  add_test(NAME xvfb_taps COMMAND ${_kelmora_xvfb} taps $<TARGET_FILE:kelmora>)
  add_test(NAME xvfb_pointer COMMAND ${_kelmora_xvfb} pointer $<TARGET_FILE:kelmora>)
  if(KELMORA_OPENBOX)
    add_test(NAME xvfb_shortcuts_wm COMMAND ${_kelmora_xvfb} shortcuts-wm $<TARGET_FILE:kelmora>)
    add_test(NAME xvfb_taps_wm COMMAND ${_kelmora_xvfb} taps-wm $<TARGET_FILE:kelmora>)
    add_test(NAME xvfb_pointer_wm COMMAND ${_kelmora_xvfb} pointer-wm $<TARGET_FILE:kelmora>)
    list(APPEND _kelmora_input_checks xvfb_shortcuts_wm xvfb_taps_wm xvfb_pointer_wm)
  else()
    message(STATUS "xvfb_shortcuts_wm, xvfb_taps_wm and xvfb_pointer_wm are not tested: openbox "
                   "is not installed (make deps installs it)")
  endif()
  set_tests_properties(${_kelmora_input_checks} PROPERTIES TIMEOUT 180 RESOURCE_LOCK xvfb)
else()
  message(STATUS "xvfb_play, xvfb_menu_path and xvfb_demo_replays_exactly are not tested: Xvfb, "
                 "xdotool or import is not installed (make deps installs them)")
endif()
find_program(KELMORA_OPENBOX openbox)
find_program(KELMORA_XPROP xprop)
find_program(KELMORA_XWININFO xwininfo)
if(KELMORA_XVFB AND KELMORA_XDOTOOL AND KELMORA_IMPORT AND KELMORA_OPENBOX AND KELMORA_XPROP
   AND KELMORA_XWININFO)
  add_test(NAME xvfb_layout COMMAND ${_kelmora_xvfb} layout $<TARGET_FILE:kelmora>
                                    $<TARGET_FILE:kelmora-headless> none)
  add_test(NAME xvfb_layout_openbox COMMAND ${_kelmora_xvfb} layout $<TARGET_FILE:kelmora>
                                            $<TARGET_FILE:kelmora-headless> openbox)
  add_test(NAME xvfb_window_class COMMAND ${_kelmora_xvfb} class $<TARGET_FILE:kelmora>
                                          ${PROJECT_SOURCE_DIR}/packaging/kelmora.desktop)
  add_test(NAME xvfb_signals COMMAND ${_kelmora_xvfb} signals $<TARGET_FILE:kelmora> none)
  add_test(NAME xvfb_signals_openbox COMMAND ${_kelmora_xvfb} signals $<TARGET_FILE:kelmora>
                                             openbox)
  add_test(NAME xvfb_box COMMAND ${_kelmora_xvfb} box $<TARGET_FILE:kelmora> none)
  add_test(NAME xvfb_box_openbox COMMAND ${_kelmora_xvfb} box $<TARGET_FILE:kelmora> openbox)
  add_test(NAME xvfb_lost_server COMMAND ${_kelmora_xvfb} lost $<TARGET_FILE:kelmora> server
                                         $<TARGET_FILE:kelmora-headless>)
  add_test(NAME xvfb_lost_client COMMAND ${_kelmora_xvfb} lost $<TARGET_FILE:kelmora> client
                                         $<TARGET_FILE:kelmora-headless>)
  set_tests_properties(xvfb_layout xvfb_layout_openbox xvfb_window_class xvfb_signals
                       xvfb_signals_openbox xvfb_box xvfb_box_openbox xvfb_lost_server
                       xvfb_lost_client
                       PROPERTIES TIMEOUT 300 RESOURCE_LOCK xvfb)
else()
  message(STATUS "xvfb_layout, xvfb_window_class, xvfb_signals, xvfb_box and xvfb_lost (and "
                 "their openbox forms) are not tested: Xvfb, xdotool, import, openbox, xprop or xwininfo is not "
                 "installed (make deps installs them)")
endif()

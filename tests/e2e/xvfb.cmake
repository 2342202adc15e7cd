# The real game in a real X server (Xvfb), driven with xdotool: it starts, shows frames and quits
# on Escape; a player goes through the menus into a game and out with Escape; a session played
# that way replays to the same trace, headlessly and in the window. Without any display it names
# the failing step and ends with status 1. The picture fills the screen, or the window on the
# screen, on screens of several sizes with and without a window manager; the window carries the
# desktop entry's class.
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
  set_tests_properties(xvfb_layout xvfb_layout_openbox xvfb_window_class
                       PROPERTIES TIMEOUT 300 RESOURCE_LOCK xvfb)
else()
  message(STATUS "xvfb_layout, xvfb_layout_openbox and xvfb_window_class are not tested: Xvfb, "
                 "xdotool, import, openbox, xprop or xwininfo is not installed (make deps installs "
                 "them)")
endif()

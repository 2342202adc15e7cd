# The real game in a real X server (Xvfb), driven with xdotool: it starts, shows frames and quits
# on Escape; a recorded demo replays headlessly to the same trace. Without any display it names
# the failing step and ends with status 1.
set(_kelmora_xvfb bash ${CMAKE_CURRENT_LIST_DIR}/xvfb.sh)
add_test(NAME xvfb_no_display COMMAND ${_kelmora_xvfb} no-display $<TARGET_FILE:kelmora>)
find_program(KELMORA_XVFB Xvfb)
find_program(KELMORA_XDOTOOL xdotool)
if(KELMORA_XVFB AND KELMORA_XDOTOOL)
  add_test(NAME xvfb_play COMMAND ${_kelmora_xvfb} play $<TARGET_FILE:kelmora>)
  add_test(NAME xvfb_demo_replays_exactly
           COMMAND ${_kelmora_xvfb} demo $<TARGET_FILE:kelmora> $<TARGET_FILE:kelmora-headless>)
  set_tests_properties(xvfb_play xvfb_demo_replays_exactly PROPERTIES TIMEOUT 120
                       RESOURCE_LOCK xvfb)
else()
  message(STATUS "xvfb_play is not tested: Xvfb or xdotool is not installed (make deps installs "
                 "them)")
endif()

# What the game keeps around its rules, in the real game under Xvfb: the settings file, moved
# keys, sound through SDL's disk audio driver, and the screenshot key.
find_program(KELMORA_XVFB Xvfb)
find_program(KELMORA_XDOTOOL xdotool)
find_program(KELMORA_IDENTIFY identify)
find_program(KELMORA_PYTHON python3)
if(KELMORA_XVFB AND KELMORA_XDOTOOL AND KELMORA_IDENTIFY AND KELMORA_PYTHON)
  foreach(check remembered sound screenshot)
    add_test(NAME settings_${check}
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/settings.sh ${check} $<TARGET_FILE:kelmora>
                     $<TARGET_FILE:kelmora-headless>)
    set_tests_properties(settings_${check} PROPERTIES TIMEOUT 600 RESOURCE_LOCK xvfb)
  endforeach()
else()
  message(STATUS "settings_remembered, settings_sound and settings_screenshot are not tested: "
                 "Xvfb, xdotool, identify or python3 is not installed")
endif()

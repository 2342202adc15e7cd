# A long fight at the largest settings, checked on every trace line; in the sanitized build it is
# also a sanitizer run of the whole game under its heaviest load.
if(NOT KELMORA_FUZZ)
  add_test(NAME e2e_fight_largest
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/fight.sh $<TARGET_FILE:kelmora-headless>
                   ${CMAKE_CURRENT_LIST_DIR}/fight.txt)
  set_tests_properties(e2e_fight_largest PROPERTIES TIMEOUT 900)
endif()

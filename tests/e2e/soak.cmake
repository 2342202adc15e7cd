# A long session of random play on the headless runner, in the sanitized build: menus, every
# option at its largest value, deaths, new games, pauses, busy and lost displays, focus changes.
# tests/soak/long.sh runs ten times as long by hand.
add_executable(make_soak ${PROJECT_SOURCE_DIR}/tests/soak/make_soak.cpp)
if(KELMORA_SANITIZE AND NOT KELMORA_FUZZ)
  add_test(NAME soak_random_play
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/soak/soak.sh $<TARGET_FILE:make_soak>
                   $<TARGET_FILE:kelmora-headless> 20000 20261209)
  set_tests_properties(soak_random_play PROPERTIES TIMEOUT 1800)
endif()

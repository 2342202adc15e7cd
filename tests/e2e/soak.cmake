# Long random play on the headless runner: menus, every option at its largest value, deaths, new
# games, pauses, busy and lost displays, focus changes. The sanitized build plays all 20,000
# ticks; the other builds check, with the trace, that the opening menu session really sets the
# largest options. tests/soak/long.sh plays ten times as long by hand.
add_executable(make_soak ${PROJECT_SOURCE_DIR}/tests/soak/make_soak.cpp)
set(_kelmora_soak bash ${PROJECT_SOURCE_DIR}/tests/soak/soak.sh)
set(_kelmora_soak_args $<TARGET_FILE:make_soak> $<TARGET_FILE:kelmora-headless> 20000 20261209)
if(KELMORA_FUZZ)
  # The fuzz build makes only its fuzz targets.
elseif(KELMORA_SANITIZE)
  add_test(NAME soak_random_play COMMAND ${_kelmora_soak} ${_kelmora_soak_args})
  set_tests_properties(soak_random_play PROPERTIES TIMEOUT 3600)
else()
  add_test(NAME soak_opening_sets_largest_options
           COMMAND ${_kelmora_soak} --opening ${_kelmora_soak_args})
  set_tests_properties(soak_opening_sets_largest_options PROPERTIES TIMEOUT 600)
endif()

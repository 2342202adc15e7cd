# The game's own files (outputs that clash with inputs, outputs that cannot be written), without
# a window.
if(TARGET kelmora)
  add_test(NAME game_files COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/game_files.sh
                                   $<TARGET_FILE:kelmora>)
  set_tests_properties(game_files PROPERTIES TIMEOUT 300)
endif()

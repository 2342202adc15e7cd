# Checks of the build and of the sources themselves: the game builds without the test packages,
# every source is formatted, and no generated file is committed.
set(_kelmora_build_checks ${CMAKE_CURRENT_LIST_DIR})

# Not in the sanitized build: it would build the same game a second time for nothing.
if(NOT KELMORA_SANITIZE)
  add_test(NAME build_game_alone
           COMMAND bash ${_kelmora_build_checks}/game_alone.sh ${PROJECT_SOURCE_DIR}
                   ${CMAKE_BINARY_DIR}/game-alone ${CMAKE_CXX_COMPILER} ${CMAKE_C_COMPILER}
                   $<IF:$<BOOL:${KELMORA_WERROR}>,ON,OFF>)
  set_tests_properties(build_game_alone PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
endif()

find_program(KELMORA_CLANG_FORMAT NAMES clang-format clang-format-14)
find_program(KELMORA_GIT git)
if(EXISTS ${PROJECT_SOURCE_DIR}/.git AND KELMORA_GIT)
  if(KELMORA_CLANG_FORMAT)
    add_test(NAME source_format
             COMMAND bash ${_kelmora_build_checks}/source_checks.sh format ${PROJECT_SOURCE_DIR}
                     ${KELMORA_CLANG_FORMAT})
  else()
    message(STATUS "source_format is not tested: clang-format is not installed "
                   "(make deps installs it)")
  endif()
  add_test(NAME source_no_generated_files
           COMMAND bash ${_kelmora_build_checks}/source_checks.sh generated ${PROJECT_SOURCE_DIR})
else()
  message(STATUS "The source checks need a git checkout: not tested")
endif()

# The same game from every build: default, debug, sanitized and clang++ (those that are built).
set(_kelmora_builds "")
foreach(_preset default debug asan clang)
  list(APPEND _kelmora_builds ${PROJECT_SOURCE_DIR}/build/${_preset}/kelmora-headless)
endforeach()
add_test(NAME determinism_across_builds
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/determinism.sh
                 ${CMAKE_CURRENT_LIST_DIR}/scenarios/play.txt 3000 ${_kelmora_builds})
set_tests_properties(determinism_across_builds PROPERTIES TIMEOUT 600)

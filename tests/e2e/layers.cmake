# The layers point one way: every include of src/, tools/ and bench/ is checked against them, and
# the check itself is shown a tree with one include against each rule.
set(_kelmora_layers_check ${PROJECT_SOURCE_DIR}/tests/layers/check_includes.cmake)
add_test(NAME layers_includes
         COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${_kelmora_layers_check})
add_test(NAME layers_includes_caught
         COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR}/tests/layers/bad
                 -P ${_kelmora_layers_check})
set_tests_properties(layers_includes_caught PROPERTIES PASS_REGULAR_EXPRESSION
                     "7 includes against the layers")

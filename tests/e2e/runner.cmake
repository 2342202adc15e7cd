# The headless runner end to end: each tests/e2e/runner/NAME.expect (with its script NAME.txt)
# runs kelmora-headless once and checks its trace, exit status and messages; the start-up faults
# are checked one step at a time from their table.
set(_kelmora_runner_dir ${CMAKE_CURRENT_LIST_DIR}/runner)
set(_kelmora_runner_work ${CMAKE_BINARY_DIR}/e2e-runner)

function(kelmora_runner_test name expect)
  add_test(NAME runner_${name}
           COMMAND ${CMAKE_COMMAND} -DBINARY=$<TARGET_FILE:kelmora-headless> -DCASE=${expect}
                   -DWORK=${_kelmora_runner_work}/${name} -P ${_kelmora_runner_dir}/check.cmake)
  set_tests_properties(runner_${name} PROPERTIES TIMEOUT 120)
endfunction()

file(GLOB _kelmora_runner_cases CONFIGURE_DEPENDS ${_kelmora_runner_dir}/*.expect)
foreach(_case ${_kelmora_runner_cases})
  get_filename_component(_name ${_case} NAME_WE)
  kelmora_runner_test(${_name} ${_case})
endforeach()

# Every start-up step, made to fail: the boxes it shows, exit status 1 before any frame.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${_kelmora_runner_dir}/startup_faults.table)
file(STRINGS ${_kelmora_runner_dir}/startup_faults.table _kelmora_startup_faults REGEX "^[a-z]")
foreach(_row ${_kelmora_startup_faults})
  string(REPLACE "|" ";" _fields "${_row}")
  list(POP_FRONT _fields _step)
  set(_generated ${CMAKE_BINARY_DIR}/e2e-runner-cases/startup_${_step})
  file(WRITE ${_generated}.txt "0 fail ${_step}\n")
  list(LENGTH _fields _field_count)
  math(EXPR _box_count "${_field_count} / 2")
  set(_expect "exit 1\nlines 1\nget 0 exit = 1\nget 0 frames = 0\nlength 0 boxes = ${_box_count}\n")
  set(_box 0)
  while(_fields)
    list(POP_FRONT _fields _caption _text)
    string(APPEND _expect "get 0 boxes ${_box} 0 = ${_caption}\nget 0 boxes ${_box} 1 = ${_text}\n")
    math(EXPR _box "${_box} + 1")
  endwhile()
  file(WRITE ${_generated}.expect "${_expect}")
  kelmora_runner_test(startup_${_step} ${_generated}.expect)
endforeach()

# The game against its rules written a second time in Python: each scenario is played headlessly
# and every tick of its trace is compared with what the Python rules make of the same session.
find_program(KELMORA_PYTHON3 python3)
if(KELMORA_PYTHON3)
  set(_kelmora_crosscheck_dir ${CMAKE_CURRENT_LIST_DIR}/crosscheck)
  function(kelmora_crosscheck name seed ticks pixels)
    add_test(NAME crosscheck_${name}
             COMMAND bash ${_kelmora_crosscheck_dir}/run.sh ${KELMORA_PYTHON3}
                     $<TARGET_FILE:kelmora-headless> ${_kelmora_crosscheck_dir}/${name}.txt
                     ${seed} ${ticks} ${pixels} ${ARGN})
    set_tests_properties(crosscheck_${name} PROPERTIES TIMEOUT 600)
  endfunction()
  kelmora_crosscheck(fight 11 500 10)
  kelmora_crosscheck(menu 21 300 10)
  kelmora_crosscheck(crowd 4242 200 20 --set drones=125 --set pickups=1500 --set particles=10)
else()
  message(STATUS "python3 not found: the cross-check of the game's rules is skipped")
endif()

# A scripted flight through the opening menu and a new game, checked tick by tick from the trace.
if(NOT KELMORA_FUZZ)
  add_test(NAME e2e_flight
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/flight.sh $<TARGET_FILE:kelmora-headless>
                   ${CMAKE_CURRENT_LIST_DIR}/flight.txt)
  set_tests_properties(e2e_flight PROPERTIES TIMEOUT 300)
endif()

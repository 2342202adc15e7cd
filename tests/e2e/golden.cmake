# Golden sessions: whole traces of kelmora-headless compared with recorded ones, so that any change
# of the game's behaviour (a speed-up that moves one bit, a draw out of order) shows up, with the
# first tick that differs. KELMORA_UPDATE_GOLDEN=1 rewrites the recordings on purpose:
#   KELMORA_UPDATE_GOLDEN=1 ctest --preset default -R golden_
set(_kelmora_golden_dir ${CMAKE_CURRENT_LIST_DIR}/golden)

function(kelmora_golden_test name)
  add_test(NAME golden_${name}
           COMMAND bash ${_kelmora_golden_dir}/check.sh $<TARGET_FILE:kelmora-headless>
                   ${_kelmora_golden_dir} ${name} ${CMAKE_BINARY_DIR}/e2e-golden ${ARGN})
  # Generous: the sanitized build runs these too.
  set_tests_properties(golden_${name} PROPERTIES TIMEOUT 1500)
endfunction()

# Default settings: fights, shots, missiles, pauses, the player's death and new games.
kelmora_golden_test(default --seed 1997 --ticks 3000)
# The largest settings: 125 drones, 5000-particle explosions, 1500 pickups, jitter on.
kelmora_golden_test(largest --seed 125 --ticks 2000 --set drones=125 --set particles=5000
                    --set pickups=1500)
# The menus: options panel, exit dialog, a new game with changed settings, and the exit.
kelmora_golden_test(menu --seed 5101 --ticks 3000)
# A session that differs names the keys that differ at its first differing tick.
add_test(NAME golden_failure_names_keys
         COMMAND bash ${_kelmora_golden_dir}/check.sh $<TARGET_FILE:kelmora-headless>
                 ${_kelmora_golden_dir} default ${CMAKE_BINARY_DIR}/e2e-golden-failure --seed 1997
                 --ticks 20 --set particles=300)
set_tests_properties(golden_failure_names_keys PROPERTIES
                     PASS_REGULAR_EXPRESSION "keys that differ at this tick: settings\n")

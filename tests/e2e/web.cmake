# The game in a real browser (tests/web/browser.py): headless Chromium through Selenium, run by
# Debian's /usr/bin/python3, against the page that `make web` built into build/web, served on
# the loopback address; every trace compared with the native runner's. Registered only when the
# browser, its driver and Selenium are there (make deps installs them; CI requires these tests).
set(_kelmora_web_dir ${PROJECT_SOURCE_DIR}/build/web)
if(NOT KELMORA_SANITIZE AND TARGET kelmora-headless AND EXISTS /usr/bin/chromium
   AND EXISTS /usr/bin/chromedriver AND EXISTS /usr/lib/python3/dist-packages/selenium)
  function(kelmora_web_test name check)
    add_test(NAME web_${name}
             COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tests/web/browser.py ${check}
                     ${_kelmora_web_dir} $<TARGET_FILE:kelmora-headless>
                     ${CMAKE_BINARY_DIR}/e2e-web/${name} ${ARGN})
    set_tests_properties(web_${name} PROPERTIES TIMEOUT 900)
  endfunction()

  set(_golden ${CMAKE_CURRENT_LIST_DIR}/golden)
  # The golden sessions, replayed in the page as fast as it goes.
  kelmora_web_test(golden_default golden ${_golden}/default.txt ${_golden}/default.sha256
                   --seed 1997 --ticks 3000)
  kelmora_web_test(golden_largest golden ${_golden}/largest.txt ${_golden}/largest.sha256
                   --seed 125 --ticks 2000 --set drones=125 --set particles=5000
                   --set pickups=1500)
  kelmora_web_test(golden_menu golden ${_golden}/menu.txt ${_golden}/menu.sha256
                   --seed 5101 --ticks 3000)
  # Random play, byte for byte against the runner.
  kelmora_web_test(random_play random 77 4000)
  # A replay at the page's own pace, and sessions that fail.
  kelmora_web_test(paced_replay paced 31 240)
  kelmora_web_test(faults faults)
  # Real keys and mouse, Escape, and the page's demo replayed natively.
  kelmora_web_test(live_play live)
  # The canvas of the main menu against the runner's screenshot of the same tick.
  kelmora_web_test(menu_pixels pixels 5101 120)
endif()

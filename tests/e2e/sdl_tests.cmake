# The real backend's own tests (keys, the present path, the command line, controllers, lost
# screens), on SDL's dummy video driver: no display is needed.
file(GLOB KELMORA_SDL_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/sdl/*.cpp)
add_executable(kelmora-sdl-tests ${KELMORA_SDL_TEST_SOURCES})
target_link_libraries(kelmora-sdl-tests PRIVATE kelmora_core kelmora_sdl kelmora_web_logic
                      GTest::gtest_main)
target_include_directories(kelmora-sdl-tests PRIVATE ${PROJECT_SOURCE_DIR})
gtest_discover_tests(kelmora-sdl-tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy")

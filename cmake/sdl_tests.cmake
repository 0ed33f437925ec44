# Tests and benchmarks of the SDL2 platform (included by the top-level CMakeLists).
# They run on SDL's offscreen video driver and the dummy audio driver: no display needed.
# The sanitizer build (FIEFDOM_SANITIZE) leaves them to the main build.
if(FIEFDOM_SANITIZE)
  return()
endif()
file(GLOB SDL_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/sdl/*_test.cpp)
add_executable(fiefdom_sdl_tests ${SDL_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/sdl/screen_checks.cpp)
# The screen checks read the medallion's place from the art tool (tools/art/screen_frame.h).
target_include_directories(fiefdom_sdl_tests PRIVATE ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(fiefdom_sdl_tests PRIVATE fiefdom_core fiefdom_sdl fiefdom_test_paths GTest::gtest GTest::gtest_main)
add_dependencies(fiefdom_sdl_tests game_data)
if(TARGET game_assets)
  add_dependencies(fiefdom_sdl_tests game_assets)
endif()
if(TARGET fiefdom_battle)
  add_dependencies(fiefdom_sdl_tests fiefdom_battle)  # the hand-over test starts the built battle program
endif()
gtest_discover_tests(fiefdom_sdl_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy")

# Benchmarks of drawing and idling (run by hand: build/fiefdom_sdl_bench).
add_executable(fiefdom_sdl_bench ${CMAKE_SOURCE_DIR}/tests/sdl/bench_draw.cpp)
target_link_libraries(fiefdom_sdl_bench PRIVATE fiefdom_core fiefdom_sdl fiefdom_test_paths benchmark::benchmark)

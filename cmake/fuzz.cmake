# The fuzz targets (fuzz/*_fuzz.cpp, libFuzzer) and the sanitizer soak, with their CTest
# entries. Included by cmake/sanitize.cmake in the sanitizer build only.
# The SDL programs and the benchmarks are left to the main build; should they be built
# here by name, they go to this build's own folder, never into a reused program folder.
foreach(t IN ITEMS fiefdom_campaign fiefdom_battle fiefdom_menu fiefdom_splash fiefdom_intro fiefdom_outro
                   fiefdom_bench fiefdom_sdl_bench)
  if(TARGET ${t})
    set_target_properties(${t} PROPERTIES EXCLUDE_FROM_ALL TRUE RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/programs)
  endif()
endforeach()

# What this build neither links nor runs is compiled all the same, so that the whole
# project builds with clang as with GCC: the SDL back end (fiefdom_sdl, compiled above),
# the programs' main files and, with a reused program folder, the art generator.
set(CLANG_CHECK_SOURCES)
foreach(app IN ITEMS campaign battle menu splash intro outro)
  if(EXISTS ${CMAKE_SOURCE_DIR}/apps/${app}_main.cpp)
    list(APPEND CLANG_CHECK_SOURCES ${CMAKE_SOURCE_DIR}/apps/${app}_main.cpp)
  endif()
endforeach()
add_library(fiefdom_clang_check OBJECT ${CLANG_CHECK_SOURCES})
target_link_libraries(fiefdom_clang_check PRIVATE fiefdom_core fiefdom_sdl)
if(NOT TARGET fiefdom_art)
  file(GLOB ART_CHECK_SOURCES ${CMAKE_SOURCE_DIR}/tools/art/*.cpp)
  pkg_check_modules(ART_CHECK REQUIRED IMPORTED_TARGET cairo librsvg-2.0)
  add_library(fiefdom_art_check OBJECT ${ART_CHECK_SOURCES})
  target_include_directories(fiefdom_art_check PRIVATE ${CMAKE_SOURCE_DIR}/tools/art /usr/include/stb)
  target_link_libraries(fiefdom_art_check PRIVATE PkgConfig::ART_CHECK nlohmann_json::nlohmann_json)
endif()

add_library(fiefdom_fuzz_support OBJECT ${CMAKE_SOURCE_DIR}/fuzz/fuzz_support.cpp)
target_link_libraries(fiefdom_fuzz_support PUBLIC fiefdom_core)
target_link_libraries(fiefdom_fuzz_support PRIVATE fiefdom_test_paths)

# name | runs in CTest (fixed seed: the same inputs every time) | longest input | seed folders
# besides fuzz/corpus/NAME. Longer seeds are cut to the longest input: fuzzing a shorter
# input finds the same faults faster.
set(FUZZ_TARGETS
  "save_record|30000|1024|"
  "save_load|4000|1024|"
  "loc|8000|2048|${GAME_DIR}/localizations"
  "text_source|8000|2048|${CMAKE_SOURCE_DIR}/data/texts"
  "option_files|40000|256|"
  "level_map|6000|4096|${CMAKE_SOURCE_DIR}/data/map"
  "script_parser|3000|512|${CMAKE_SOURCE_DIR}/tests/scenarios"
  "fight_in|30000|1024|"
  "fight_out|30000|1024|"
  "chronicle|30000|2048|"
)
set(FUZZ_EXECUTABLES)
foreach(entry IN LISTS FUZZ_TARGETS)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 runs)
  list(GET parts 2 maxlen)
  list(GET parts 3 seeds)
  if(NOT EXISTS ${CMAKE_SOURCE_DIR}/fuzz/${name}_fuzz.cpp)
    continue()
  endif()
  add_executable(${name}_fuzz ${CMAKE_SOURCE_DIR}/fuzz/${name}_fuzz.cpp)
  target_link_libraries(${name}_fuzz PRIVATE fiefdom_fuzz_support fiefdom_test_paths fiefdom_core)
  target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  add_dependencies(${name}_fuzz game_data)
  list(APPEND FUZZ_EXECUTABLES ${name}_fuzz)
  add_test(NAME fuzz.${name}
    COMMAND ${CMAKE_SOURCE_DIR}/tests/run_fuzz.sh $<TARGET_FILE:${name}_fuzz> ${runs} ${maxlen}
            ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name} ${seeds})
endforeach()
add_custom_target(fuzz_targets DEPENDS ${FUZZ_EXECUTABLES})
# The script that runs the targets longer by hand starts every one of them (a second each).
add_test(NAME fuzz.script_starts_every_target
  COMMAND env SANITIZE_BUILD_DIR=${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh 1)

# The soak: random play through the script runner with the county's invariants checked
# after every turn, bounded in steps and time.
add_executable(fiefdom_soak ${CMAKE_SOURCE_DIR}/tests/soak/soak_main.cpp)
target_link_libraries(fiefdom_soak PRIVATE fiefdom_core)
add_dependencies(fiefdom_soak game_data)
# It fails when it has not played the turns, the battles and the save round trips it guards.
add_test(NAME soak.random_play COMMAND fiefdom_soak ${GAME_DIR} --seed 1 --steps 6000 --seconds 90
         --min-turns 30 --min-battles 3 --min-round-trips 3)

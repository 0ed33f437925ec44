# Generated pictures, animations, pointers, battle maps, sounds and fonts of the program folder.
# The generator fiefdom-art (tools/art) draws everything from data/map/level15.json and data/art/*
# with Cairo, librsvg (the Game Icons set from npm) and stb noise, and synthesises the sounds.
# A build that reuses another build's program folder (FIEFDOM_PROGRAM_DIR) generates nothing.
if(FIEFDOM_PROGRAM_DIR)
  return()
endif()
pkg_check_modules(ART REQUIRED IMPORTED_TARGET cairo librsvg-2.0)

set(ART_DIR ${CMAKE_SOURCE_DIR}/tools/art)
set(ART_ICONS ${ART_DIR}/node_modules/@iconify-json/game-icons/icons.json)

add_library(fiefdom_art STATIC
  ${ART_DIR}/common.cpp ${ART_DIR}/pictures.cpp ${ART_DIR}/scenes.cpp ${ART_DIR}/mapgen.cpp
  ${ART_DIR}/anims.cpp ${ART_DIR}/sounds.cpp ${ART_DIR}/generate.cpp ${ART_DIR}/art_sheet.cpp
  ${ART_DIR}/battle_art.cpp ${ART_DIR}/app_icon.cpp)
target_include_directories(fiefdom_art PUBLIC ${ART_DIR} PRIVATE /usr/include/stb)
target_link_libraries(fiefdom_art PUBLIC PkgConfig::ART nlohmann_json::nlohmann_json)
# the generator is run at build time: keep it fast even in debug builds
target_compile_options(fiefdom_art PRIVATE -O2)
find_package(Threads REQUIRED)
target_link_libraries(fiefdom_art PUBLIC Threads::Threads)

add_executable(fiefdom_art_gen ${ART_DIR}/main.cpp)
target_link_libraries(fiefdom_art_gen PRIVATE fiefdom_art)
set_target_properties(fiefdom_art_gen PROPERTIES OUTPUT_NAME fiefdom-art RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(NOT EXISTS ${ART_ICONS})
  message(WARNING "Game Icons set missing: run scripts/setup.sh (npm ci in tools/art)")
endif()

file(GLOB ART_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/art/*)
set(ART_STAMP ${CMAKE_BINARY_DIR}/game_assets.stamp)
# Besides the stamp, two files of the output stand for the whole set: deleting the program folder
# makes the next build generate everything again.
add_custom_command(OUTPUT ${ART_STAMP} ${GAME_DIR}/graphics/high/map_s1.png ${GAME_DIR}/sounds/music01.wav
  COMMAND fiefdom_art_gen --source ${CMAKE_SOURCE_DIR} --out ${GAME_DIR} --icons ${ART_ICONS}
          --check-manifest ${CMAKE_SOURCE_DIR}/data/art/manifest.json
  COMMAND ${CMAKE_COMMAND} -E touch ${ART_STAMP}
  DEPENDS fiefdom_art_gen ${CMAKE_SOURCE_DIR}/data/map/level15.json ${CMAKE_SOURCE_DIR}/data/screens/forms.json
          ${ART_DATA} ${ART_ICONS}
  COMMENT "Generating pictures, sounds and fonts into ${GAME_DIR}"
  VERBATIM)
add_custom_target(game_assets ALL DEPENDS ${ART_STAMP} ${GAME_DIR}/graphics/high/map_s1.png ${GAME_DIR}/sounds/music01.wav)

# The game's desktop icon at every size of the hicolor theme, installed with the game
# (cmake/install.cmake).
set(APP_ICON_DIR ${CMAKE_BINARY_DIR}/app-icon)
set(APP_ICON_LARGEST ${APP_ICON_DIR}/hicolor/512x512/apps/fiefdom.png)
add_custom_command(OUTPUT ${APP_ICON_LARGEST}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${APP_ICON_DIR}
  COMMAND fiefdom_art_gen --icons ${ART_ICONS} --app-icon ${APP_ICON_DIR}
  DEPENDS fiefdom_art_gen ${ART_ICONS}
  COMMENT "Drawing the desktop icon"
  VERBATIM)
add_custom_target(app_icon ALL DEPENDS ${APP_ICON_LARGEST})

# `fiefdom-tool art sheet` renders the contact sheet; the tool is defined before this file is included.
if(TARGET fiefdom_tool)
  target_link_libraries(fiefdom_tool PRIVATE fiefdom_art)
endif()

# The asset tests read the program folder: generate it first. The test target is defined after this
# file is included, so the dependency is added at the end of the directory.
cmake_language(DEFER CALL add_dependencies fiefdom_tests game_assets)

# Installing the game (`cmake --install BUILD --prefix PREFIX`) the way a Linux player's other
# games are installed, and the Debian package of it (CPack, scripts/package.sh):
#   lib/fiefdom/                 the program folder: the programs, the shipped data and the first
#                                values of the option and progress files, and the install marker
#   bin/fiefdom                  the launcher: a link to the title menu of the program folder
#   bin/fiefdom-tool             the script runner and the tools of the game's files
#   share/applications/, share/metainfo/, share/icons/hicolor/   the desktop entry, its metainfo
#                                and the icon at every size
#   share/man/man6/fiefdom.6, share/man/man1/fiefdom-tool.1, share/doc/fiefdom/
# The player's files are never installed: an installed game keeps them in the player's data
# folder (src/campaign/folders.h, docs/platform.md).
# A build that reuses another build's program folder (the sanitizer build) installs nothing.
if(FIEFDOM_SANITIZE OR FIEFDOM_PROGRAM_DIR)
  return()
endif()
set(FIEFDOM_VERSION 0.1.0)
set(FIEFDOM_DESKTOP_ID org.fiefdom_game.Fiefdom)
set(FIEFDOM_INSTALL_DIR lib/fiefdom)
set(INSTALL_DATA ${CMAKE_SOURCE_DIR}/data/install)

foreach(target IN ITEMS fiefdom_campaign fiefdom_battle fiefdom_menu fiefdom_splash fiefdom_intro fiefdom_outro)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${FIEFDOM_INSTALL_DIR})
  endif()
endforeach()
install(TARGETS fiefdom_tool RUNTIME DESTINATION bin)

# The shipped data of the program folder: everything the build put there but the programs
# (installed above) and the files of whoever played in the build folder.
install(DIRECTORY ${GAME_DIR}/ DESTINATION ${FIEFDOM_INSTALL_DIR}
  PATTERN "Save Game" EXCLUDE
  REGEX "/(Optim|Options|Advanced|levelinfo|camp|LGame|Fight_in|Fight_out|Fight_replay|fight_status)\\.rz$" EXCLUDE
  REGEX "/(fiefdom|battledata\\.rz|menudata\\.rz|splash\\.rz|introdata\\.rz|outrodata\\.rz)$" EXCLUDE
  PATTERN "*.tmp" EXCLUDE)

# The option and progress files with their first values, whatever the build folder's player set.
set(SHIPPED_DEFAULTS ${CMAKE_BINARY_DIR}/shipped-defaults)
add_custom_command(OUTPUT ${SHIPPED_DEFAULTS}/Optim.rz
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SHIPPED_DEFAULTS}
  COMMAND fiefdom_tool options init ${SHIPPED_DEFAULTS}
  DEPENDS fiefdom_tool
  COMMENT "Writing the shipped option and progress files")
add_custom_target(shipped_defaults ALL DEPENDS ${SHIPPED_DEFAULTS}/Optim.rz)
foreach(file IN ITEMS Optim.rz Options.rz Advanced.rz levelinfo.rz camp.rz LGame.rz)
  install(FILES ${SHIPPED_DEFAULTS}/${file} DESTINATION ${FIEFDOM_INSTALL_DIR})
endforeach()
install(FILES ${INSTALL_DATA}/installed.txt DESTINATION ${FIEFDOM_INSTALL_DIR})

# The launcher: a relative link, so that the tree works under any prefix. The programs find
# their folder from their own path, with the link resolved.
set(LAUNCHER ${CMAKE_BINARY_DIR}/launcher/fiefdom)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ../${FIEFDOM_INSTALL_DIR}/menudata.rz ${LAUNCHER} SYMBOLIC)
install(FILES ${LAUNCHER} DESTINATION bin)

install(FILES ${INSTALL_DATA}/${FIEFDOM_DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES ${INSTALL_DATA}/${FIEFDOM_DESKTOP_ID}.metainfo.xml DESTINATION share/metainfo)
if(TARGET app_icon)
  install(DIRECTORY ${APP_ICON_DIR}/hicolor DESTINATION share/icons)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/fiefdom.6 DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/fiefdom-tool.1 DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/CREDITS.md DESTINATION share/doc/fiefdom)

# Installed into a staging prefix, made read-only and played from with a fresh HOME.
add_test(NAME install.read_only_tree
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})

# The Debian package: `cpack --config BUILD/CPackConfig.cmake`. Its dependencies are the
# shared libraries the programs link, as dpkg-shlibdeps finds them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fiefdom)
set(CPACK_PACKAGE_VERSION ${FIEFDOM_VERSION})
set(CPACK_PACKAGE_VENDOR "The Fiefdom developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based medieval strategy game")
set(CPACK_PACKAGE_DESCRIPTION "Fiefdom is a single-player, turn-based medieval strategy game. You rule a county
one season a turn: put your people to work on the fields and at the cutters, feed them,
raise gold, build the castle, have the blacksmith forge weapons, raise armies, walk them
over the campaign map and deal with your neighbours.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Fiefdom developers <fiefdom@example.org>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)

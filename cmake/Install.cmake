# `cmake --install` follows Debian's layout for games: the program in <prefix>/games, its data in
# <prefix>/share/games/cinderwake (found relative to the program, so any prefix works), a desktop
# entry and an icon.
include(GNUInstallDirs)
set(CINDERWAKE_INSTALL_BINDIR games CACHE STRING "Where the program is installed, relative to the prefix")
set(CINDERWAKE_INSTALL_DATADIR share/games/cinderwake CACHE STRING
    "Where the game's data is installed, relative to the prefix")
# Whatever the umask of the one who installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                               WORLD_READ WORLD_EXECUTE)

file(RELATIVE_PATH CW_DATA_FROM_PROGRAM /prefix/${CINDERWAKE_INSTALL_BINDIR} /prefix/${CINDERWAKE_INSTALL_DATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/app.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             CINDERWAKE_INSTALLED_DATA_DIR="${CW_DATA_FROM_PROGRAM}")

set(CW_INSTALL_FILES ${CMAKE_BINARY_DIR}/generated/install)
set(CW_ICON ${CW_INSTALL_FILES}/cinderwake.png)
add_custom_command(
  OUTPUT ${CW_ICON}
  COMMAND ${CINDERWAKE_PYTHON} ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
          ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CW_ICON}
  DEPENDS ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
  COMMENT "Cutting the icon out of the splash"
  VERBATIM)
add_custom_target(cinderwake_install_files ALL DEPENDS ${CW_ICON})
add_dependencies(cinderwake_install_files cinderwake_assets)
# Whatever builds the program builds what installing it needs.
add_dependencies(cinderwake cinderwake_install_files)

install(TARGETS cinderwake RUNTIME DESTINATION ${CINDERWAKE_INSTALL_BINDIR})
# A fresh installation has no saved game; the build folder's own one stays behind.
install(DIRECTORY ${CINDERWAKE_DATA_DIR}/ DESTINATION ${CINDERWAKE_INSTALL_DATADIR} PATTERN "SaveGame.txt*" EXCLUDE)
install(FILES ${CW_ICON} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/64x64/apps)
# The prefix is known only at install time (`cmake --install ... --prefix P`), so the desktop
# entry, which names the program by its full path, is made then; in a folder of its own for each
# destination, as two installations (the tests, say) may run at once.
install(CODE "set(CINDERWAKE_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CINDERWAKE_INSTALL_BINDIR}/cinderwake\")
              string(MD5 cw_destination \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
              set(cw_entry \"${CW_INSTALL_FILES}/desktop/\${cw_destination}/cinderwake.desktop\")
              configure_file(\"${CMAKE_SOURCE_DIR}/cmake/install/cinderwake.desktop.in\" \"\${cw_entry}\" @ONLY)
              file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}/applications\"
                   TYPE FILE FILES \"\${cw_entry}\")
              file(REMOVE_RECURSE \"${CW_INSTALL_FILES}/desktop/\${cw_destination}\")")

# `cmake --install`: the program and its data folder together under lib/cinderwake (the game finds
# its data beside the program), a link in bin, a desktop entry and an icon.
set(CW_ICON ${CMAKE_BINARY_DIR}/generated/cinderwake.png)
add_custom_command(
  OUTPUT ${CW_ICON}
  COMMAND ${CINDERWAKE_PYTHON} ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
          ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CW_ICON}
  DEPENDS ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
  COMMENT "Cutting the icon out of the splash"
  VERBATIM)
add_custom_target(cinderwake_icon ALL DEPENDS ${CW_ICON})
add_dependencies(cinderwake_icon cinderwake_assets)
# Whatever builds the program builds what installing it needs.
add_dependencies(cinderwake cinderwake_icon)

install(TARGETS cinderwake RUNTIME DESTINATION lib/cinderwake)
# A fresh installation has no saved game; the build folder's own one stays behind.
install(DIRECTORY ${CINDERWAKE_DATA_DIR}/ DESTINATION lib/cinderwake/data
        PATTERN "SaveGame.txt*" EXCLUDE)
install(FILES ${CW_ICON} DESTINATION share/icons/hicolor/64x64/apps)
# The prefix is known only at install time (`cmake --install ... --prefix P`), so the link and the
# desktop entry are made then.
install(CODE [[
  set(cw_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  file(MAKE_DIRECTORY "${cw_root}/bin" "${cw_root}/share/applications")
  file(CREATE_LINK ../lib/cinderwake/cinderwake "${cw_root}/bin/cinderwake" SYMBOLIC)
  message(STATUS "Installing: ${cw_root}/bin/cinderwake -> ../lib/cinderwake/cinderwake")
  set(CINDERWAKE_INSTALLED_PROGRAM "${CMAKE_INSTALL_PREFIX}/bin/cinderwake")
]])
install(CODE "configure_file(\"${CMAKE_SOURCE_DIR}/cmake/install/cinderwake.desktop.in\"
                             \"\${cw_root}/share/applications/cinderwake.desktop\" @ONLY)
              message(STATUS \"Installing: \${cw_root}/share/applications/cinderwake.desktop\")")

# `cmake --install` and the Debian package share Debian's layout for games: the program in
# <prefix>/games, its data in <prefix>/share/games/cinderwake (found relative to the program, so
# any prefix works), a desktop entry, icons, AppStream metainfo, a manual page, the copyright, the
# Debian changelog and lintian's overrides.
include(GNUInstallDirs)
set(CINDERWAKE_INSTALL_BINDIR games CACHE STRING "Where the program is installed, relative to the prefix")
set(CINDERWAKE_INSTALL_DATADIR share/games/cinderwake CACHE STRING
    "Where the game's data is installed, relative to the prefix")
set(CINDERWAKE_HOMEPAGE "https://cinderwake.example.org/" CACHE STRING
    "The project's homepage; the screenshots are published under its screenshots/")
# The homepage's domain reversed, as AppStream wants; it also names the metainfo file.
set(CW_APPSTREAM_ID org.example.cinderwake)
string(REGEX REPLACE "/$" "" CW_SCREENSHOTS_URL "${CINDERWAKE_HOMEPAGE}")
string(APPEND CW_SCREENSHOTS_URL /screenshots)
# Whatever the umask of the one who installs or packages.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                               WORLD_READ WORLD_EXECUTE)

file(RELATIVE_PATH CW_DATA_FROM_PROGRAM /prefix/${CINDERWAKE_INSTALL_BINDIR} /prefix/${CINDERWAKE_INSTALL_DATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/app.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             CINDERWAKE_INSTALLED_DATA_DIR="${CW_DATA_FROM_PROGRAM}")

# The release in the Debian changelog's top entry: its version must be the project's, its date
# dates the manual page and the metainfo's release.
set(CW_CHANGELOG ${CMAKE_SOURCE_DIR}/cmake/install/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CW_CHANGELOG})
file(STRINGS ${CW_CHANGELOG} cw_changelog)
list(GET cw_changelog 0 cw_line)
if(NOT cw_line MATCHES "^cinderwake \\(([^)-]+)-([^)]+)\\) ")
  message(FATAL_ERROR "${CW_CHANGELOG}: the top entry has no version: ${cw_line}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${CW_CHANGELOG}: the top entry is for ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
endif()
set(CW_DEBIAN_REVISION ${CMAKE_MATCH_2})
foreach(cw_line IN LISTS cw_changelog)
  if(cw_line MATCHES "^ -- (.+)  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(CW_MAINTAINER "${CMAKE_MATCH_1}")
    set(cw_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND cw_months ${CMAKE_MATCH_3} cw_month)
    if(cw_month LESS 0)
      message(FATAL_ERROR "${CW_CHANGELOG}: no month ${CMAKE_MATCH_3} in the top entry's date")
    endif()
    math(EXPR cw_month "${cw_month} + 1" OUTPUT_FORMAT DECIMAL)
    if(cw_month LESS 10)
      set(cw_month 0${cw_month})
    endif()
    set(CW_RELEASE_DATE ${CMAKE_MATCH_4}-${cw_month}-${CMAKE_MATCH_2})
    break()
  endif()
endforeach()
if(NOT CW_RELEASE_DATE)
  message(FATAL_ERROR "${CW_CHANGELOG}: the top entry has no trailer line")
endif()

set(CW_INSTALL_FILES ${CMAKE_BINARY_DIR}/generated/install)
set(CW_METAINFO ${CW_INSTALL_FILES}/${CW_APPSTREAM_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/cmake/install/cinderwake.metainfo.xml.in ${CW_METAINFO} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/install/cinderwake.6 ${CW_INSTALL_FILES}/configured/cinderwake.6 @ONLY)

# Debian wants manual pages and changelogs compressed at the highest level, without a name or time.
find_program(CW_GZIP gzip REQUIRED)
function(cw_gzip source name)
  add_custom_command(
    OUTPUT ${CW_INSTALL_FILES}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CW_INSTALL_FILES}/${name}
    COMMAND ${CW_GZIP} -9nf ${CW_INSTALL_FILES}/${name}
    DEPENDS ${source}
    VERBATIM)
endfunction()
cw_gzip(${CW_INSTALL_FILES}/configured/cinderwake.6 cinderwake.6)
cw_gzip(${CW_CHANGELOG} changelog.Debian)

set(CW_ICON_SIZES 16 32 48 64 128 256)
set(CW_ICONS)
foreach(size IN LISTS CW_ICON_SIZES)
  list(APPEND CW_ICONS ${CW_INSTALL_FILES}/icons/${size}x${size}/apps/cinderwake.png)
endforeach()
add_custom_command(
  OUTPUT ${CW_ICONS}
  COMMAND ${CINDERWAKE_PYTHON} ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
          ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CW_INSTALL_FILES}/icons
  DEPENDS ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
  COMMENT "Cutting the icons out of the splash"
  VERBATIM)
add_custom_target(cinderwake_install_files ALL DEPENDS ${CW_ICONS} ${CW_INSTALL_FILES}/cinderwake.6.gz
                                                       ${CW_INSTALL_FILES}/changelog.Debian.gz)
add_dependencies(cinderwake_install_files cinderwake_assets)
# Whatever builds the program builds what installing it needs.
add_dependencies(cinderwake cinderwake_install_files)

install(TARGETS cinderwake RUNTIME DESTINATION ${CINDERWAKE_INSTALL_BINDIR})
# A fresh installation has no saved game; the build folder's own one stays behind.
install(DIRECTORY ${CINDERWAKE_DATA_DIR}/ DESTINATION ${CINDERWAKE_INSTALL_DATADIR} PATTERN "SaveGame.txt*" EXCLUDE)
foreach(size IN LISTS CW_ICON_SIZES)
  install(FILES ${CW_INSTALL_FILES}/icons/${size}x${size}/apps/cinderwake.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CW_METAINFO} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${CW_INSTALL_FILES}/cinderwake.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/install/copyright ${CW_INSTALL_FILES}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/cmake/install/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME cinderwake)
# The prefix is known only at install time (`cmake --install ... --prefix P`), so the desktop
# entry, which names the program by its full path, is made then; in a folder of its own for each
# destination, as two installations (the tests, CPack) may run at once.
install(CODE "set(CINDERWAKE_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CINDERWAKE_INSTALL_BINDIR}/cinderwake\")
              string(MD5 cw_destination \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
              set(cw_entry \"${CW_INSTALL_FILES}/desktop/\${cw_destination}/cinderwake.desktop\")
              configure_file(\"${CMAKE_SOURCE_DIR}/cmake/install/cinderwake.desktop.in\" \"\${cw_entry}\" @ONLY)
              file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}/applications\"
                   TYPE FILE FILES \"\${cw_entry}\")
              file(REMOVE_RECURSE \"${CW_INSTALL_FILES}/desktop/\${cw_destination}\")")

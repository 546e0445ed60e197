# The 64-bit Windows program, cross-built with MinGW-w64 (tools/windows.sh makes the zip).
# SDL's pkg-config file renames main to SDL_main for its SDL2main, which would take the command line
# from the ANSI code page; platform/host_os reads the wide one itself, so the program keeps its own main
# and only the program (not the test programs) is a window program.
get_target_property(_cw_sdl_cflags PkgConfig::SDL2 INTERFACE_COMPILE_OPTIONS)
list(REMOVE_ITEM _cw_sdl_cflags -Dmain=SDL_main)
set_target_properties(PkgConfig::SDL2 PROPERTIES INTERFACE_COMPILE_OPTIONS "${_cw_sdl_cflags}")
get_target_property(_cw_sdl_lflags PkgConfig::SDL2 INTERFACE_LINK_OPTIONS)
list(REMOVE_ITEM _cw_sdl_lflags -mwindows)
set_target_properties(PkgConfig::SDL2 PROPERTIES INTERFACE_LINK_OPTIONS "${_cw_sdl_lflags}")
get_target_property(_cw_sdl_libs PkgConfig::SDL2 INTERFACE_LINK_LIBRARIES)
list(FILTER _cw_sdl_libs EXCLUDE REGEX "SDL2main")
set_target_properties(PkgConfig::SDL2 PROPERTIES INTERFACE_LINK_LIBRARIES "${_cw_sdl_libs}")
# The wide command line, the roaming application data folder.
target_link_libraries(cinderwake_core PUBLIC shell32 ole32 uuid)

# Nothing is installed on Windows: the data folder is the one beside the program.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/app.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             CINDERWAKE_INSTALLED_DATA_DIR="")

# A window program: a double click opens no console (the program attaches to its caller's console itself).
target_link_options(cinderwake PRIVATE -mwindows)

# Icon and version information.
enable_language(RC)
set(CW_ICONS ${CMAKE_BINARY_DIR}/generated/icons)
set(CW_ICO ${CMAKE_BINARY_DIR}/generated/cinderwake.ico)
add_custom_command(
  OUTPUT ${CW_ICO}
  COMMAND ${CINDERWAKE_PYTHON} ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
          ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CW_ICONS}
  COMMAND ${CINDERWAKE_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/windows/make_ico.py ${CW_ICONS} ${CW_ICO}
  DEPENDS ${CINDERWAKE_EMBED_DIR}/picStartUp_mirror.jpg ${CMAKE_SOURCE_DIR}/cmake/install/make_icon.py
          ${CMAKE_CURRENT_LIST_DIR}/windows/make_ico.py
  COMMENT "Cutting the icon out of the splash"
  VERBATIM)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/cinderwake.rc.in ${CMAKE_BINARY_DIR}/generated/cinderwake.rc @ONLY)
target_sources(cinderwake PRIVATE ${CMAKE_BINARY_DIR}/generated/cinderwake.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/cinderwake.rc PROPERTIES OBJECT_DEPENDS ${CW_ICO})

# Checks that run under Wine: the number texts and parsing.
find_path(CW_GTEST_SOURCE googletest/CMakeLists.txt PATHS /usr/src/googletest NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(CW_GTEST_SOURCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${CW_GTEST_SOURCE}/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_executable(numbers_test ${CMAKE_SOURCE_DIR}/tests/value_types_test.cpp
                              ${CMAKE_SOURCE_DIR}/tests/faithful_numbers_test.cpp)
  target_link_libraries(numbers_test PRIVATE cinderwake_core gtest_main cinderwake_warnings)
  set_target_properties(numbers_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
else()
  message(WARNING "googletest's source (/usr/src/googletest) is missing: no numbers_test.exe")
endif()

# CMake toolchain file: 64-bit Windows through Debian's MinGW-w64 (posix thread model,
# so std::thread and std::mutex work).
# A consumer points CMAKE_PREFIX_PATH (or the CINDERWAKE_FAMILY_PREFIX environment variable)
# at the prefix that build_family.sh printed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_cw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_cw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_cw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_cw_triple}-windres)
set(CMAKE_AR ${_cw_triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${_cw_triple}-ranlib CACHE FILEPATH "")

# Look for headers, libraries and packages only in the target's trees, never in the host's /usr.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_cw_triple})
if(DEFINED ENV{CINDERWAKE_FAMILY_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{CINDERWAKE_FAMILY_PREFIX})
  list(APPEND CMAKE_PREFIX_PATH $ENV{CINDERWAKE_FAMILY_PREFIX})
endif()
foreach(_cw_dir IN LISTS CMAKE_PREFIX_PATH)
  list(APPEND CMAKE_FIND_ROOT_PATH ${_cw_dir})
endforeach()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must not hand out the host's .pc files either.
if(DEFINED ENV{CINDERWAKE_FAMILY_PREFIX})
  set(ENV{PKG_CONFIG_LIBDIR}
      "$ENV{CINDERWAKE_FAMILY_PREFIX}/lib/pkgconfig:$ENV{CINDERWAKE_FAMILY_PREFIX}/share/pkgconfig")
endif()

# Lets try_run, add_test and gtest discovery run the .exe files, when wine is installed.
find_program(_cw_wine NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(_cw_wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${_cw_wine})
endif()

# `cmake --build build --target package`: build/cinderwake_<version>-<revision>_amd64.deb, laid
# out as `cmake --install` does under /usr, with the version, revision and maintainer of the top
# entry of cmake/install/changelog (read by cmake/Install.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cinderwake)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action role-playing game in a burning city")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CW_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CW_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CINDERWAKE_HOMEPAGE}")
# CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Cinderwake is a small single-player 2D action role-playing game.
Walk the streets of a dark city, shoot the creatures that close in, find a
key in a hut and an access card in the power plant, get into the secret
laboratory under the DUVAVE skyscraper and face what lives there.

Gain levels and spend your points on strength, endurance, vitality,
ultimate and healing. One game can be saved and continued. The keyboard,
the mouse and any game controller work, and the picture scales sharply to
any screen.")
# Depends: from the libraries the program actually links, by dpkg-shlibdeps (dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Control files owned by root with Debian's permissions, whatever the umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

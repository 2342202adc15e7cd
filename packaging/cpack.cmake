# The Debian package: `make package` (or `cpack` in the build directory) turns the install of
# packaging/install.cmake into kelmora_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelmora developers")
set(CPACK_PACKAGE_CONTACT "The Kelmora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "top-down space combat against a swarm of drones")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelmora is a top-down space combat game in the style of the late 1990s:
one ship flown from the keyboard against a swarm of computer-driven drones,
in a square world that wraps at its edges. Ships fire short-lived shots,
you launch homing missiles, and pickups give shield, missiles or double
weapon power. Kills explode in clouds of particles over a parallax
starfield.

The package also holds kelmora-headless, which runs the same game without
a window from a script and writes its state after every frame, to replay
a session exactly.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_PACKAGE_INSTALL_DIRECTORY kelmora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Kelmora developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (from dpkg-dev) finds the packages of the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# A source archive, should anyone ask for one, holds the sources only.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/\\\\.cache/" "/out/" "/Testing/")

include(CPack)

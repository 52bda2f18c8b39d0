# The Debian package: `cpack -G DEB` in a build tree (scripts/package.sh
# builds a Release tree for it) makes quorvel_VERSION_ARCH.deb from the
# install rules in cmake/Install.cmake, under /usr.
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Quorvel developers")
set(CPACK_PACKAGE_CONTACT "Quorvel developers <quorvel@users.noreply.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://quorvel.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "snowboard game on a floodlit slope with a kicker")
# Lines are kept as written here: Debian wants them under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [=[
Quorvel is a real-time 3D snowboard game. One rider comes down a snowy
slope, by day or under seven floodlights, rides over a kicker, pops, spins
and flips in the air, and lands, or crashes.

Steer with the mouse, time the pop for a higher jump, dial in spins and
flips in the air and keep your balance for the landing. Runs can be
recorded as demos, shown again, or played as fast as the machine draws to
measure its frame rate.

The game draws with OpenGL 1.1 through freeglut and runs full screen or in
a window.]=])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the libraries the stripped program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Control files as dpkg-deb itself would make them (0644, md5sums included).
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

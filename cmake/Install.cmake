# Installs the game under one prefix: the program in libexec/quorvel, its
# generated data in share/quorvel, and bin/quorvel, a launcher that runs the
# program from its data folder (the game reads its files from the working
# directory), so the installed game starts from any directory. A desktop
# entry and the icon our asset generator drew come along.
include(GNUInstallDirs)

set(QUORVEL_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/quorvel)
set(QUORVEL_INSTALL_PROGRAM ${CMAKE_INSTALL_LIBEXECDIR}/quorvel)

install(TARGETS quorvel RUNTIME DESTINATION ${QUORVEL_INSTALL_PROGRAM})
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/models ${CMAKE_BINARY_DIR}/data/textures
  DESTINATION ${QUORVEL_INSTALL_DATA})

# The launcher finds the rest relative to itself, so the prefix can move.
file(RELATIVE_PATH QUORVEL_TO_DATA /${CMAKE_INSTALL_BINDIR} /${QUORVEL_INSTALL_DATA})
file(RELATIVE_PATH QUORVEL_TO_PROGRAM /${CMAKE_INSTALL_BINDIR} /${QUORVEL_INSTALL_PROGRAM})
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/install/quorvel CONTENT [=[
#!/bin/sh
# Starts Quorvel from its installed data folder.
here=$(dirname "$(readlink -f "$0")")
cd "$here/@QUORVEL_TO_DATA@" || exit 1
exec "$here/@QUORVEL_TO_PROGRAM@/quorvel" "$@"
]=] @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/quorvel DESTINATION ${CMAKE_INSTALL_BINDIR})

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/install/quorvel.desktop CONTENT [=[
[Desktop Entry]
Type=Application
Name=Quorvel
GenericName=Snowboard game
Comment=Ride a floodlit slope, jump the kicker, spin and land
Exec=quorvel
Icon=quorvel
Terminal=false
Categories=Game;SportsGame;
]=])
install(FILES ${CMAKE_BINARY_DIR}/install/quorvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/quorvel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

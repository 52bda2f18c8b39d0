# Installs the game as Debian lays out games, under any prefix: the program
# in games/ and its generated data in share/games/quorvel, where the program
# finds it by itself (src/app/DataFolder.cpp), so no launcher is needed. With
# them come the desktop entry, the icon, the AppStream entry, the manual page
# and the copyright and changelog a Debian package carries. The sources of
# these files live in dist/; the version they show is the project's.
include(GNUInstallDirs)

# The release these files describe; the version comes from project().
set(QUORVEL_RELEASE_DATE 2026-12-06)
set(QUORVEL_APPSTREAM_ID example.quorvel.quorvel)

# Not GNUInstallDirs' choices: the program looks for ../share/games/quorvel.
set(QUORVEL_INSTALL_PROGRAM games)
set(QUORVEL_INSTALL_DATA share/games/quorvel)
set(QUORVEL_INSTALL_DOC ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorvel)
# Directories the install makes are 0755 whatever the umask of the one
# building the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(dist_in ${CMAKE_SOURCE_DIR}/dist)
set(dist_out ${CMAKE_BINARY_DIR}/dist)

# Debian changelogs want the date as RFC 2822; date(1) computes the weekday.
execute_process(COMMAND date -u -R -d "${QUORVEL_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE QUORVEL_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(${dist_in}/quorvel.6.in ${dist_out}/quorvel.6 @ONLY)
configure_file(${dist_in}/changelog.in ${dist_out}/changelog @ONLY)
configure_file(${dist_in}/quorvel.metainfo.xml.in ${dist_out}/${QUORVEL_APPSTREAM_ID}.metainfo.xml @ONLY)
# Debian wants both compressed at the highest level, with no name or time
# stamp in the gzip header (reproducible packages).
configure_file(${CMAKE_SOURCE_DIR}/docs/demos.md ${dist_out}/demos.md COPYONLY)
add_custom_command(OUTPUT ${dist_out}/quorvel.6.gz ${dist_out}/changelog.gz ${dist_out}/demos.md.gz
  COMMAND gzip -9 -n -k -f quorvel.6 changelog demos.md
  WORKING_DIRECTORY ${dist_out}
  DEPENDS ${dist_out}/quorvel.6 ${dist_out}/changelog ${dist_out}/demos.md
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(quorvel_dist ALL DEPENDS ${dist_out}/quorvel.6.gz ${dist_out}/changelog.gz ${dist_out}/demos.md.gz)

install(TARGETS quorvel RUNTIME DESTINATION ${QUORVEL_INSTALL_PROGRAM})
# A stripped program (cpack strips) loses the compiler's comment as well, as
# Debian's own tools do it.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
      \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUORVEL_INSTALL_PROGRAM}/quorvel COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/models ${CMAKE_BINARY_DIR}/data/textures
  DESTINATION ${QUORVEL_INSTALL_DATA})
install(FILES ${CMAKE_BINARY_DIR}/data/quorvel-data DESTINATION ${QUORVEL_INSTALL_DATA})
install(FILES ${dist_in}/quorvel.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/quorvel.png DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/128x128/apps)
install(FILES ${dist_out}/${QUORVEL_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${dist_out}/quorvel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${dist_in}/copyright ${dist_out}/changelog.gz ${dist_out}/demos.md.gz DESTINATION ${QUORVEL_INSTALL_DOC})
install(FILES ${dist_in}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME quorvel)

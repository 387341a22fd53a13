# Installation under a prefix (cmake --install, make install PREFIX=...) and the
# Debian package (make package): the two programs in bin/, the voice folder, the
# demo drive and the guide in share/rovex/ (where the program looks for them,
# beside its own bin/), the menu entry and its icon.
include(GNUInstallDirs)

if(TARGET rovex)
  install(TARGETS rovex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES "${PROJECT_SOURCE_DIR}/data/desktop/rovex.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES "${PROJECT_SOURCE_DIR}/data/desktop/rovex.svg"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(TARGETS rovex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY "${ROVEX_SHARE_DIR}/" DESTINATION ${CMAKE_INSTALL_DATADIR}/rovex
        PATTERN ".made" EXCLUDE)
install(FILES "${PROJECT_SOURCE_DIR}/data/desktop/copyright" DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual pages and the package changelog, compressed as Debian keeps them.
set(ROVEX_GZ_DIR "${PROJECT_BINARY_DIR}/gz")
set(gz_files "")
foreach(f rovex.1 rovex-cli.1 changelog)
  add_custom_command(OUTPUT "${ROVEX_GZ_DIR}/${f}.gz"
    COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/data/desktop/${f}" "${ROVEX_GZ_DIR}/${f}"
    COMMAND gzip -9nf "${ROVEX_GZ_DIR}/${f}"
    DEPENDS "${PROJECT_SOURCE_DIR}/data/desktop/${f}" VERBATIM)
  list(APPEND gz_files "${ROVEX_GZ_DIR}/${f}.gz")
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${gz_files})
install(FILES "${ROVEX_GZ_DIR}/rovex-cli.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET rovex)
  install(FILES "${ROVEX_GZ_DIR}/rovex.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES "${ROVEX_GZ_DIR}/changelog.gz" DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rovex)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "car PC GPS program with speed camera warnings")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "ROVEX reads NMEA from a GPS receiver (serial port, gpsd or the\n"
       "network), shows the current fix, warns of speed cameras with recorded\n"
       "voice files, times average-speed zones, follows routes with a spoken\n"
       "voice, logs and replays NMEA, and converts GPS file formats.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(ROVEX_PACKAGE_MAINTAINER "ROVEX maintainers <rovex@example.org>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ROVEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared libraries come from dpkg-shlibdeps; these are the run-time parts that
# are loaded by name rather than linked: Qt's display, image and sound plugins,
# the serif font the screens are laid out for. (Qt's SVG library is linked.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gpsd")
include(CPack)

# Installation and packages: the game in bin/, its content in share/orbivale/, the menu entry,
# the hicolor icons (drawn by the content generator), the AppStream metainfo and the man page;
# CPack builds a Debian package (dependencies found by shlibdeps) and a tarball from that tree.
include(GNUInstallDirs)

set(ORBIVALE_APP_ID org.orbivale.Orbivale)
set(ORBIVALE_ICONS_OUT ${CMAKE_BINARY_DIR}/icons)

# The version for --version and the install prefix's content folder for the content lookup.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/shell/options.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  ORBIVALE_VERSION="${PROJECT_VERSION}")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/shell/paths.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  ORBIVALE_DATADIR="${CMAKE_INSTALL_FULLDATADIR}/orbivale")

add_custom_command(
  OUTPUT ${ORBIVALE_ICONS_OUT}/256x256/apps/orbivale.png ${ORBIVALE_ICONS_OUT}/scalable/apps/orbivale.svg
  COMMAND orbivale_contentgen --icons ${ORBIVALE_ICONS_OUT}
  DEPENDS orbivale_contentgen
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(orbivale_icons ALL DEPENDS ${ORBIVALE_ICONS_OUT}/256x256/apps/orbivale.png)

configure_file(packaging/${ORBIVALE_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${ORBIVALE_APP_ID}.metainfo.xml @ONLY)
configure_file(packaging/orbivale.6.in ${CMAKE_BINARY_DIR}/packaging/orbivale.6 @ONLY)

install(TARGETS orbivale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${ORBIVALE_CONTENT_OUT}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orbivale)
install(FILES packaging/${ORBIVALE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${ORBIVALE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/packaging/orbivale.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(DIRECTORY ${ORBIVALE_ICONS_OUT}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES NOTICE DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME orbivale)
set(CPACK_PACKAGE_VENDOR "The Orbivale developers")
set(CPACK_PACKAGE_CONTACT "The Orbivale developers <games@orbivale.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Action puzzle game: shoot pearls into rolling strings")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME orbivale-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Action puzzle game: shoot pearls into rolling strings
 Strings of coloured pearls roll along curved tracks toward a hole; the gun on the board
 shoots pearls into them and three or more of a colour vanish. Plays with the mouse, the
 keyboard or a gamepad.")
set(CPACK_STRIP_FILES ON)
include(CPack)

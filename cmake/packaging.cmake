# Installation under a prefix, as the Filesystem Hierarchy Standard places
# things, and the Debian package built from it.
include(GNUInstallDirs)

set(VELMORA_APP_ID org.velmora.Velmora)
install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${VELMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/velmora.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
install(FILES packaging/velmora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(packaging/${VELMORA_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${VELMORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${VELMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora <team@velmora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Greeting-page links for you and the one you love")
set(CPACK_PACKAGE_DESCRIPTION
    "Type your own name and the name of the person you love, press one button, and
Velmora gives you the web address of a greeting page made for the two of you,
ready to copy, shortened through a URL-shortening service when asked to.
The interface is in Chinese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmora <team@velmora.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velmora.org/")
# Dependencies come from the shared libraries the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, ca-certificates")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# Installed layout under the prefix:
#   lib/tessaly/tessaly, lib/tessaly/libHIDApi.so   side by side, found through RUNPATH $ORIGIN
#   bin/tessaly                                       relative link to ../lib/tessaly/tessaly
#   share/applications, share/metainfo, share/icons   desktop integration
#   lib/udev/rules.d/70-tessaly.rules                 device access for the logged-in user
#   share/doc/tessaly/copyright                       the licence
# Paths are literal rather than GNUInstallDirs: the program and its private library must stay in one
# directory, and udev reads rules from <prefix>/lib/udev/rules.d only (/usr and /usr/local alike).

set(TESSALY_APP_ID org.tessaly.Tessaly)

install(TARGETS tessaly HIDApi
    RUNTIME DESTINATION ${TESSALY_PRIVATE_DIR}
    LIBRARY DESTINATION ${TESSALY_PRIVATE_DIR})

# The link is made once in the build tree and installed as a link, so it stays relative in any prefix.
set(TESSALY_BIN_LINK ${CMAKE_BINARY_DIR}/packaging/bin/tessaly)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/bin)
file(CREATE_LINK ../${TESSALY_PRIVATE_DIR}/tessaly ${TESSALY_BIN_LINK} SYMBOLIC)
install(FILES ${TESSALY_BIN_LINK} DESTINATION bin)

install(FILES packaging/${TESSALY_APP_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${TESSALY_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES res/icons/192/32.png DESTINATION share/icons/hicolor/32x32/apps RENAME tessaly.png)
install(FILES udev/70-tessaly.rules DESTINATION lib/udev/rules.d)
# Where Debian looks for a package's licence; harmless under any other prefix.
install(FILES LICENSE DESTINATION share/doc/tessaly RENAME copyright)

set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "Tessaly developers")
set(CPACK_PACKAGE_CONTACT "Tessaly developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Control panel for a USB FM transmitter")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaly tunes a USB FM transmitter that re-broadcasts the computer's audio, switches it on and off \
air, mutes it and sets its transmit power, input gain, stereo or mono, band, tuning step and de-emphasis.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessaly developers")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Kai-style face the window titles prefer; any other face serves when it is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-ukai")

include(CPack)

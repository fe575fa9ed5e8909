# Installed layout under the prefix:
#   lib/tessaly/tessaly, lib/tessaly/libHIDApi.so   side by side, found through RUNPATH $ORIGIN
#   lib/tessaly/tessaly-headless                      what tessaly --headless becomes: no window libraries
#   lib/tessaly/libtessaly-pulse.so                   the sound server's client, loaded once a server is there
#   lib/tessaly/libtessaly-web.so                     the web page's server, loaded once the page is switched on
#   bin/tessaly                                       relative link to ../lib/tessaly/tessaly
#   bin/tessalyctl                                    the command-line client, which needs no private library
#   share/applications, share/metainfo, share/icons   desktop integration
#   lib/udev/rules.d/70-tessaly.rules                 device access for the logged-in user
#   share/dbus-1/services/org.tessaly.Tessaly.service starts the program for a bus client (tessalyctl)
#   lib/systemd/user/tessaly.service                  the program without windows, as a user service
#   share/man/man1/tessaly.1.gz                       the manual page, which tessalyctl.1.gz links to
#   share/doc/tessaly/copyright, changelog.gz         the licence and the release history
# Paths are literal rather than GNUInstallDirs: the program and its private library must stay in one
# directory, and udev reads rules from <prefix>/lib/udev/rules.d only (/usr and /usr/local alike).

set(TESSALY_APP_ID org.tessaly.Tessaly)

install(TARGETS tessaly tessaly-headless HIDApi tessaly-pulse tessaly-web
    RUNTIME DESTINATION ${TESSALY_PRIVATE_DIR}
    LIBRARY DESTINATION ${TESSALY_PRIVATE_DIR})

# The link is made once in the build tree and installed as a link, so it stays relative in any prefix.
set(TESSALY_BIN_LINK ${CMAKE_BINARY_DIR}/packaging/bin/tessaly)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/bin)
file(CREATE_LINK ../${TESSALY_PRIVATE_DIR}/tessaly ${TESSALY_BIN_LINK} SYMBOLIC)
install(FILES ${TESSALY_BIN_LINK} DESTINATION bin)
install(TARGETS tessalyctl RUNTIME DESTINATION bin)

install(FILES packaging/${TESSALY_APP_ID}.desktop DESTINATION share/applications)
# The newest release, as the changelog and the project version say.
configure_file(packaging/${TESSALY_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/packaging/${TESSALY_APP_ID}.metainfo.xml
    @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TESSALY_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES res/icons/hicolor/${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
        RENAME tessaly.png)
endforeach()
install(FILES udev/70-tessaly.rules DESTINATION lib/udev/rules.d)

# Both name the program by its installed path, known only when installing: cpack installs under /usr
# whatever the build was configured with.
set(TESSALY_SERVICE_FILES_DIR ${CMAKE_BINARY_DIR}/packaging/services)
install(CODE "
    set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
    foreach(service IN ITEMS ${TESSALY_APP_ID}.service:share/dbus-1/services tessaly.service:lib/systemd/user)
        string(REPLACE \":\" \";\" parts \"\${service}\")
        list(GET parts 0 name)
        list(GET parts 1 destination)
        configure_file(${CMAKE_SOURCE_DIR}/packaging/\${name}.in ${TESSALY_SERVICE_FILES_DIR}/\${name} @ONLY)
        file(INSTALL ${TESSALY_SERVICE_FILES_DIR}/\${name} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${destination}\")
    endforeach()
")

# The manual page and the changelog, in the form Debian reads, are written at build time and gzipped
# the way Debian wants them: best compression, no file name or time stamp inside.
set(TESSALY_DOCS_DIR ${CMAKE_BINARY_DIR}/packaging/docs)
set(TESSALY_MAINTAINER "Tessaly developers <developers@tessaly.org>")
find_package(Python3 REQUIRED COMPONENTS Interpreter)
# The page's description of the bus interface is written from docs/bus-interface.md, whose tables the
# manual test holds to the program.
configure_file(packaging/tessaly.1.in ${TESSALY_DOCS_DIR}/tessaly.1.configured @ONLY)
add_custom_command(OUTPUT ${TESSALY_DOCS_DIR}/tessaly.1
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/packaging/bus_manual.py ${CMAKE_SOURCE_DIR}/docs/bus-interface.md
        ${TESSALY_DOCS_DIR}/tessaly.1.configured ${TESSALY_DOCS_DIR}/tessaly.1
    DEPENDS ${TESSALY_DOCS_DIR}/tessaly.1.configured docs/bus-interface.md packaging/bus_manual.py
    VERBATIM)
add_custom_command(OUTPUT ${TESSALY_DOCS_DIR}/tessaly.1.gz
    COMMAND gzip --best --no-name --keep --force ${TESSALY_DOCS_DIR}/tessaly.1
    DEPENDS ${TESSALY_DOCS_DIR}/tessaly.1
    VERBATIM)
add_custom_command(OUTPUT ${TESSALY_DOCS_DIR}/changelog.gz
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/packaging/debian_changelog.py ${CMAKE_SOURCE_DIR}/CHANGELOG.md
        ${TESSALY_MAINTAINER} ${TESSALY_DOCS_DIR}/changelog
    COMMAND gzip --best --no-name --force ${TESSALY_DOCS_DIR}/changelog
    DEPENDS CHANGELOG.md packaging/debian_changelog.py
    VERBATIM)
add_custom_target(package_docs ALL DEPENDS ${TESSALY_DOCS_DIR}/tessaly.1.gz ${TESSALY_DOCS_DIR}/changelog.gz)
install(FILES ${TESSALY_DOCS_DIR}/tessaly.1.gz DESTINATION share/man/man1)
# The client's commands are documented in the program's page.
file(MAKE_DIRECTORY ${TESSALY_DOCS_DIR})
file(CREATE_LINK tessaly.1.gz ${TESSALY_DOCS_DIR}/tessalyctl.1.gz SYMBOLIC)
install(FILES ${TESSALY_DOCS_DIR}/tessalyctl.1.gz DESTINATION share/man/man1)
# Where Debian looks for a package's licence and history; harmless under any other prefix.
install(FILES LICENSE DESTINATION share/doc/tessaly RENAME copyright)
install(FILES ${TESSALY_DOCS_DIR}/changelog.gz DESTINATION share/doc/tessaly)

set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "Tessaly developers")
set(CPACK_PACKAGE_CONTACT ${TESSALY_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Control panel for a USB FM transmitter")
# One line each: the control file's lines must stay under 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tessaly tunes a USB FM transmitter, a dongle that re-broadcasts the computer's"
    "audio on an FM carrier so that a nearby radio can play it. It switches the"
    "transmitter on and off air, mutes it, and sets its transmit power, audio"
    "input gain, stereo or mono, band, tuning step and de-emphasis."
    ""
    "The transmitter can be plugged in and pulled out while the program runs; a"
    "udev rule lets the user logged in at the machine use it without root.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSALY_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# Depends comes from dpkg-shlibdeps, run at packaging time by PackageDepends.cmake, rather than from
# CPACK_DEBIAN_PACKAGE_SHLIBDEPS, whose scan also adds ldconfig calls for any library under usr/lib/:
# the companion library is private, found through the program's RUNPATH, and needs none.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageDepends.cmake)
set(CPACK_TESSALY_BINARIES ${CMAKE_BINARY_DIR}/tessaly ${CMAKE_BINARY_DIR}/tessaly-headless ${CMAKE_BINARY_DIR}/tessalyctl ${CMAKE_BINARY_DIR}/libHIDApi.so
    ${CMAKE_BINARY_DIR}/libtessaly-pulse.so ${CMAKE_BINARY_DIR}/libtessaly-web.so)
set(CPACK_TESSALY_SCRATCH_DIR ${CMAKE_BINARY_DIR}/packaging/shlibdeps)
set(CPACK_TESSALY_PRIVATE_DIR ${TESSALY_PRIVATE_DIR})
# Qt's Wayland plugin, without which a Wayland session runs the program through XWayland; Qt's own
# catalogues for its standard buttons; a face that draws Japanese and Chinese. The Kai-style
# title face is needed only to build: the titles are pictures drawn then.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk")

include(CPack)

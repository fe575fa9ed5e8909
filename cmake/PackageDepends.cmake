# Read by cpack before it builds a package (CPACK_PROJECT_CONFIG_FILE): fills the Debian package's
# Depends from the shared libraries the built binaries need, as dpkg-shlibdeps works them out.
if(CPACK_GENERATOR STREQUAL "DEB")
    # dpkg-shlibdeps insists on running beside a debian/control, which it does not read for this.
    file(MAKE_DIRECTORY ${CPACK_TESSALY_SCRATCH_DIR}/debian)
    file(TOUCH ${CPACK_TESSALY_SCRATCH_DIR}/debian/control)
    execute_process(
        COMMAND dpkg-shlibdeps -O ${CPACK_TESSALY_BINARIES}
        WORKING_DIRECTORY ${CPACK_TESSALY_SCRATCH_DIR}
        OUTPUT_VARIABLE substvars
        COMMAND_ERROR_IS_FATAL ANY)
    if(NOT substvars MATCHES "shlibs:Depends=([^\n]+)")
        message(FATAL_ERROR "dpkg-shlibdeps found no dependencies in: ${substvars}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS ${CMAKE_MATCH_1})
endif()

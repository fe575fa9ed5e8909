# Read by cpack before it builds a package (CPACK_PROJECT_CONFIG_FILE): fills the Debian package's
# Depends from the shared libraries the built binaries need, as dpkg-shlibdeps works them out.
if(CPACK_GENERATOR STREQUAL "DEB")
    # dpkg-shlibdeps insists on running beside a debian/control, which it does not read for this.
    file(MAKE_DIRECTORY ${CPACK_TESSALY_SCRATCH_DIR}/debian)
    file(TOUCH ${CPACK_TESSALY_SCRATCH_DIR}/debian/control)
    # It also wants the binaries where the package puts them, under a root with a DEBIAN directory: only
    # there can it tell which directory the program's $ORIGIN stands for, and it warns about each library
    # otherwise. Links, not copies, are enough.
    set(package_root ${CPACK_TESSALY_SCRATCH_DIR}/root)
    set(private_dir ${package_root}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_TESSALY_PRIVATE_DIR})
    file(REMOVE_RECURSE ${package_root})
    file(MAKE_DIRECTORY ${package_root}/DEBIAN ${private_dir})
    set(staged_binaries)
    foreach(binary IN LISTS CPACK_TESSALY_BINARIES)
        cmake_path(GET binary FILENAME name)
        file(CREATE_LINK ${binary} ${private_dir}/${name} COPY_ON_ERROR)
        list(APPEND staged_binaries ${private_dir}/${name})
    endforeach()
    execute_process(
        COMMAND dpkg-shlibdeps -O ${staged_binaries}
        WORKING_DIRECTORY ${CPACK_TESSALY_SCRATCH_DIR}
        OUTPUT_VARIABLE substvars
        COMMAND_ERROR_IS_FATAL ANY)
    if(NOT substvars MATCHES "shlibs:Depends=([^\n]+)")
        message(FATAL_ERROR "dpkg-shlibdeps found no dependencies in: ${substvars}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS ${CMAKE_MATCH_1})
endif()

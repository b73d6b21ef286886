# Debian package: cmake --build build --target deb writes
# build/reelmoor_<version>_<architecture>.deb.
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian-control.in ${PROJECT_BINARY_DIR}/deb/control.in
               @ONLY)
set(REELMOOR_BUILD_DEB ${CMAKE_CURRENT_LIST_DIR}/BuildDeb.cmake)
add_custom_target(deb
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DOUT=${PROJECT_BINARY_DIR} -P ${REELMOOR_BUILD_DEB}
    VERBATIM USES_TERMINAL)
add_dependencies(deb reelmoor reelmoor-docs)

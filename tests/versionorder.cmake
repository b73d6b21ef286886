# The package version orders as apt orders it, one distinct version per
# major.minor.patch, while the displayed one stays "1.00" for 1.0.0; and the
# newest entry of debian/changelog, which names the Debian package's version,
# is the project's.
#   cmake -DCHANGELOG=.../debian/changelog -DVERSION=... -P versionorder.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Version.cmake)

execute_process(COMMAND dpkg-parsechangelog -l ${CHANGELOG} -S Version
                OUTPUT_VARIABLE changelog_version OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT changelog_version STREQUAL VERSION)
    message(SEND_ERROR "debian/changelog is at '${changelog_version}', the project at ${VERSION}")
endif()

reelmoor_versions(1 0 0 display package)
if(NOT display STREQUAL "1.00")
    message(SEND_ERROR "1.0.0 is displayed as ${display}, not 1.00")
endif()
# The first package carried the display form; the next must upgrade it.
set(previous "1.00")
# Each version is older than the next; the display form gives 1.0.10 and 1.1.0
# one string, and 1.1.10 and 1.2.0 another.
foreach(version 1.0.0 1.0.1 1.0.9 1.0.10 1.1.0 1.1.10 1.2.0 1.10.0 2.0.0)
    string(REPLACE "." ";" parts ${version})
    reelmoor_versions(${parts} display package)
    execute_process(COMMAND dpkg --compare-versions ${previous} lt ${package}
                    RESULT_VARIABLE not_older)
    if(NOT not_older EQUAL 0)
        message(SEND_ERROR "package version ${previous} is not older than ${package} (${version})")
    endif()
    set(previous ${package})
endforeach()

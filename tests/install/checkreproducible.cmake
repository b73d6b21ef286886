# Builds the packages a second time, from another folder, in another time zone,
# with another umask and locale, and compares them byte for byte with the
# first build's, which lie in FIRST.
#   cmake -DSOURCE_DIR=... -DFIRST=... -DWORK=... -P checkreproducible.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_variables(SOURCE_DIR FIRST WORK)

file(REMOVE_RECURSE ${WORK})
# The first build runs with the caller's umask, locale and time zone. The source
# package holds the name of the folder it was made in, so only the path above
# that folder differs.
build_package(${SOURCE_DIR} ${WORK}/other/reelmoor sh -c "umask 0002 && exec \"$@\"" sh
    env LC_ALL=C LANGUAGE= TZ=Pacific/Kiritimati)

file(GLOB firsts RELATIVE ${FIRST} ${FIRST}/*.deb ${FIRST}/*.dsc ${FIRST}/*.tar.*)
list(LENGTH firsts count)
if(count LESS 4)
    message(FATAL_ERROR "expected two packages and the source package in ${FIRST}: ${firsts}")
endif()
foreach(name ${firsts})
    file(SHA256 ${FIRST}/${name} first_sum)
    file(SHA256 ${WORK}/other/${name} second_sum)
    message(STATUS "${first_sum} ${second_sum}  ${name}")
    if(NOT first_sum STREQUAL second_sum)
        message(SEND_ERROR "the two builds of ${name} differ")
    endif()
endforeach()

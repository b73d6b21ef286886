# Copies the sources (git metadata included, build trees left out) to another
# folder, builds the package there with the tests off, and compares it byte for
# byte with the first package.
#   cmake -DSOURCE_DIR=... -DFIRST=... -DWORK=... -DGENERATOR=... -DBUILD_TYPE=...
#         -P checkreproducible.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ScriptCommon.cmake)
require_variables(SOURCE_DIR FIRST WORK GENERATOR BUILD_TYPE)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/source)
file(GLOB entries LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/* ${SOURCE_DIR}/.*)
foreach(entry ${entries})
    if(NOT EXISTS ${SOURCE_DIR}/${entry}/CMakeCache.txt AND NOT entry MATCHES "^build")
        file(COPY ${SOURCE_DIR}/${entry} DESTINATION ${WORK}/source)
    endif()
endforeach()

run(${CMAKE_COMMAND} -S ${WORK}/source -B ${WORK}/build -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DBUILD_TESTING=OFF)
run(${CMAKE_COMMAND} --build ${WORK}/build --target deb --parallel 2)

get_filename_component(name ${FIRST} NAME)
set(second ${WORK}/build/${name})
file(SHA256 ${FIRST} first_sum)
file(SHA256 ${second} second_sum)
message(STATUS "${first_sum}  ${FIRST}")
message(STATUS "${second_sum}  ${second}")
if(NOT first_sum STREQUAL second_sum)
    execute_process(COMMAND cmp ${FIRST} ${second} OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "the two packages differ: ${difference}")
endif()
file(REMOVE_RECURSE ${WORK})

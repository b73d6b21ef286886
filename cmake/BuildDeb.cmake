# Builds the Debian package from a staged install with dpkg-deb: files owned by
# root, in name order, and every time stamp set to SOURCE_DATE_EPOCH, so
# that two builds of one commit give the same bytes.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DOUT=... -P BuildDeb.cmake
# Prints the package's path as the last line.
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/ScriptCommon.cmake)
require_variables(BUILD_DIR SOURCE_DIR OUT)

# The time of the last commit; without git, that of the newest changelog entry.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git -C ${SOURCE_DIR} rev-parse --show-toplevel
                    RESULT_VARIABLE no_git OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET)
    file(REAL_PATH ${SOURCE_DIR} source)
    if(NOT no_git AND top STREQUAL source)
        execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        execute_process(COMMAND dpkg-parsechangelog -l ${SOURCE_DIR}/data/changelog -S Timestamp
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "no time stamp for the package: '${epoch}'")
endif()

set(work ${OUT}/deb)
set(root ${work}/root)
file(REMOVE_RECURSE ${root})
run(${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
# As Debian strips: no symbols, no compiler notes.
file(GLOB programs ${root}/usr/games/*)
run(strip --remove-section=.comment --remove-section=.note --strip-unneeded ${programs})
# Whatever the umask: directories and programs 755, other files 644.
run(chmod -R u=rwX,go=rX ${root})

# Dependencies on the libraries the program links, as Debian computes them.
file(MAKE_DIRECTORY ${work}/shlibs/debian)
file(WRITE ${work}/shlibs/debian/control "Source: reelmoor\n\nPackage: reelmoor\nArchitecture: any\n")
execute_process(COMMAND dpkg-shlibdeps -O ${programs} WORKING_DIRECTORY ${work}/shlibs
                RESULT_VARIABLE result OUTPUT_VARIABLE shlibs ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT shlibs MATCHES "^shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps failed:\n${shlibs}${errors}")
endif()
set(depends ${CMAKE_MATCH_1})
if(errors)
    message(WARNING "dpkg-shlibdeps: ${errors}")
endif()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
list(SORT files)
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${root} ${root}/*)
list(LENGTH entries kib)
list(LENGTH files file_count)
math(EXPR kib "${kib} - ${file_count}") # one KiB for each directory
set(md5sums "")
foreach(file ${files})
    file(MD5 ${root}/${file} md5)
    string(APPEND md5sums "${md5}  ${file}\n")
    file(SIZE ${root}/${file} bytes)
    math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
endforeach()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
file(READ ${BUILD_DIR}/deb/control.in control)
string(REPLACE "%ARCHITECTURE%" "${arch}" control "${control}")
string(REPLACE "%INSTALLED_SIZE%" "${kib}" control "${control}")
string(REPLACE "%SHLIBS_DEPENDS%" "${depends}" control "${control}")
string(REGEX MATCH "\nVersion: ([^\n]+)" version "${control}")
set(version ${CMAKE_MATCH_1})

file(MAKE_DIRECTORY ${root}/DEBIAN)
file(WRITE ${root}/DEBIAN/control "${control}")
file(WRITE ${root}/DEBIAN/md5sums "${md5sums}")
run(chmod -R u=rwX,go=rX ${root}/DEBIAN)

# dpkg-deb only clamps newer times; files made before the commit keep theirs.
run(find ${root} -exec touch --no-dereference --date=@${epoch} {} +)

set(package ${OUT}/reelmoor_${version}_${arch}.deb)
# One compressor thread: the xz stream must not depend on the machine's cores.
run(${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
    dpkg-deb --root-owner-group --threads-max=1 -Zxz --build ${root} ${package})
message("${package}")

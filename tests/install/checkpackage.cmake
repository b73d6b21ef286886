# Builds the Debian package into its own directory, so that it can run beside
# other tests, checks its contents and its control fields, and unpacks it into
# OUT/root for the checks that look at the installed program.
#   cmake -DBUILD_DEB=... -DDPKG_DEB=... -DBUILD_DIR=... -DSOURCE_DIR=... -DOUT=... -DAPP_ID=...
#         -P checkpackage.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ScriptCommon.cmake)
require_variables(BUILD_DEB DPKG_DEB BUILD_DIR SOURCE_DIR OUT APP_ID)

file(REMOVE_RECURSE ${OUT})
run(${CMAKE_COMMAND} -DBUILD_DIR=${BUILD_DIR} -DSOURCE_DIR=${SOURCE_DIR} -DOUT=${OUT}
    -P ${BUILD_DEB})
file(GLOB packages ${OUT}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, found: ${packages}")
endif()
message(STATUS "package: ${packages}")

execute_process(COMMAND ${DPKG_DEB} -c ${packages} RESULT_VARIABLE result OUTPUT_VARIABLE listing)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -c failed")
endif()
message(STATUS "contents:\n${listing}")
foreach(entry
        "-rwxr-xr-x root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/games/reelmoor"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/applications/${APP_ID}\\.desktop"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/metainfo/${APP_ID}\\.metainfo\\.xml"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/64x64/apps/${APP_ID}\\.png"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/128x128/apps/${APP_ID}\\.png"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/256x256/apps/${APP_ID}\\.png"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/scalable/apps/${APP_ID}\\.svg"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/doc/reelmoor/copyright"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/doc/reelmoor/changelog\\.gz"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/man/man6/reelmoor\\.6\\.gz")
    string(REGEX MATCH "(^|\n)${entry}(\n|$)" found "${listing}")
    if(NOT found)
        message(SEND_ERROR "package lacks ${entry}")
    endif()
endforeach()
# Nothing outside /usr, such as a stray build path.
string(REGEX MATCH "\\./(bin|etc|home|opt|root|tmp|work)/" stray "${listing}")
if(stray)
    message(SEND_ERROR "package installs outside /usr: ${stray}")
endif()

execute_process(COMMAND ${DPKG_DEB} -f ${packages} Package Section Maintainer Depends Recommends
                        Description
                RESULT_VARIABLE result OUTPUT_VARIABLE fields)
message(STATUS "control fields:\n${fields}")
foreach(pattern
        "Package: reelmoor\n" "Section: games\n" "Recommends: qt6-wayland, qt6-translations-l10n\n"
        "Maintainer: [^\n]+<[^\n]+@[^\n]+>\n"
        "Description: [^\n]+\n [^\n]+")
    if(NOT fields MATCHES "${pattern}")
        message(SEND_ERROR "control fields lack ${pattern}")
    endif()
endforeach()
string(REGEX MATCH "Depends: [^\n]*" depends "${fields}")
# Debian 13 renamed the Qt libraries for 64-bit time (libqt6core6t64).
foreach(dependency libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6)
    if(NOT depends MATCHES "(: |, )${dependency}(t64)?( |,|$)")
        message(SEND_ERROR "Depends lacks ${dependency}: ${depends}")
    endif()
endforeach()
# Liberation 2 is fonts-liberation from Debian 13 on, fonts-liberation2 before.
if(NOT depends MATCHES ", fonts-liberation \\(>= 1:2\\) \\| fonts-liberation2(,|$)")
    message(SEND_ERROR "Depends lacks Liberation 2: ${depends}")
endif()

run(${DPKG_DEB} -x ${packages} ${OUT}/root)

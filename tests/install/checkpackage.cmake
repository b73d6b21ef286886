# Copies the sources (build trees and git metadata left out) to OUT/reelmoor,
# builds the source and binary packages there with dpkg-buildpackage, without
# the tests, checks the game's package, its contents and its control fields,
# and unpacks it into OUT/root for the checks that look at the installed program.
#   cmake -DSOURCE_DIR=... -DOUT=... -DAPP_ID=... -DVERSION=... -P checkpackage.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_variables(SOURCE_DIR OUT APP_ID VERSION)

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/reelmoor)
file(GLOB entries LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/* ${SOURCE_DIR}/.*)
foreach(entry ${entries})
    if(NOT EXISTS ${SOURCE_DIR}/${entry}/CMakeCache.txt AND NOT entry MATCHES "^(build|\\.git$)")
        file(COPY ${SOURCE_DIR}/${entry} DESTINATION ${OUT}/reelmoor)
    endif()
endforeach()
run(${CMAKE_COMMAND} -E chdir ${OUT}/reelmoor env "DEB_BUILD_OPTIONS=nocheck parallel=2"
    DEB_BUILD_PROFILES=nocheck dpkg-buildpackage -us -uc)
file(GLOB packages ${OUT}/reelmoor_*.deb)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
# The version in the name is debian/changelog's; it must be the project's.
if(NOT packages STREQUAL "${OUT}/reelmoor_${VERSION}_${arch}.deb")
    message(FATAL_ERROR "expected reelmoor_${VERSION}_${arch}.deb, found: ${packages}")
endif()
execute_process(COMMAND dpkg-deb -c ${packages} RESULT_VARIABLE result OUTPUT_VARIABLE listing)
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

execute_process(COMMAND dpkg-deb -f ${packages} Package Section Maintainer Depends Recommends
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
if(NOT depends MATCHES "(: |, )fonts-liberation \\(>= 1:2\\) \\| fonts-liberation2(,|$)")
    message(SEND_ERROR "Depends lacks Liberation 2: ${depends}")
endif()

run(dpkg-deb -x ${packages} ${OUT}/root)

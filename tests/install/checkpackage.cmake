# Builds the Debian package into its own directory, so that it can run beside
# other tests, and checks its contents and its control fields.
#   cmake -DCPACK=... -DDPKG_DEB=... -DBUILD_DIR=... -DOUT=... -DAPP_ID=... -P checkpackage.cmake
cmake_minimum_required(VERSION 3.22)
foreach(var CPACK DPKG_DEB BUILD_DIR OUT APP_ID)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not given")
    endif()
endforeach()

file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${OUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB packages ${OUT}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, found: ${packages}\n${output}")
endif()
message(STATUS "package: ${packages}")

execute_process(COMMAND ${DPKG_DEB} -c ${packages} RESULT_VARIABLE result OUTPUT_VARIABLE listing)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -c failed")
endif()
message(STATUS "contents:\n${listing}")
foreach(entry
        "-rwxr-xr-x root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/bin/reelmoor"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/applications/${APP_ID}\\.desktop"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/metainfo/${APP_ID}\\.metainfo\\.xml"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/64x64/apps/${APP_ID}\\.png"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/128x128/apps/${APP_ID}\\.png"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/256x256/apps/${APP_ID}\\.png"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/icons/hicolor/scalable/apps/${APP_ID}\\.svg"
        "-rw-r--r-- root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./usr/share/doc/reelmoor/copyright")
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

execute_process(COMMAND ${DPKG_DEB} -f ${packages} Package Section Maintainer Depends Description
                RESULT_VARIABLE result OUTPUT_VARIABLE fields)
message(STATUS "control fields:\n${fields}")
foreach(pattern
        "Package: reelmoor\n" "Section: games\n" "Maintainer: [^\n]+<[^\n]+@[^\n]+>\n"
        "Description: [^\n]+\n [^\n]+")
    if(NOT fields MATCHES "${pattern}")
        message(SEND_ERROR "control fields lack ${pattern}")
    endif()
endforeach()
string(REGEX MATCH "Depends: [^\n]*" depends "${fields}")
foreach(dependency libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation2)
    if(NOT depends MATCHES "(: |, )${dependency}( |,|$)")
        message(SEND_ERROR "Depends lacks ${dependency}: ${depends}")
    endif()
endforeach()

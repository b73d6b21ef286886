# Installs the build into an empty prefix and checks that exactly the files the
# desktop needs land there, and that they point at one another correctly.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DVERSION=... -DLANGUAGES=de,fr,...
#         -P checkinstall.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_variables(BUILD_DIR PREFIX APP_ID VERSION LANGUAGES)

file(REMOVE_RECURSE ${PREFIX})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(expected
    games/reelmoor
    share/man/man6/reelmoor.6.gz
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/64x64/apps/${APP_ID}.png
    share/icons/hicolor/128x128/apps/${APP_ID}.png
    share/icons/hicolor/256x256/apps/${APP_ID}.png
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
set(sorted_expected ${expected})
list(SORT sorted_expected)
if(NOT installed STREQUAL sorted_expected)
    message(FATAL_ERROR "installed files differ.\n expected: ${sorted_expected}\n installed: ${installed}")
endif()

execute_process(COMMAND test -x ${PREFIX}/games/reelmoor RESULT_VARIABLE not_executable)
file(READ ${PREFIX}/games/reelmoor magic LIMIT 4 HEX)
if(not_executable OR NOT magic STREQUAL "7f454c46")
    message(SEND_ERROR "games/reelmoor is not an executable program")
endif()

# The menu entry starts the installed program and shows the installed icon.
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
foreach(line "Exec=reelmoor" "Icon=${APP_ID}" "Name=Reelmoor")
    if(NOT line IN_LIST entry)
        message(SEND_ERROR "desktop entry lacks the line ${line}")
    endif()
endforeach()

# The software centre finds the entry and the binary under the names installed.
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(needle "<id>${APP_ID}</id>"
               "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
               "<binary>reelmoor</binary>"
               "<release version=\"${VERSION}\"")
    string(FIND "${metainfo}" "${needle}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "metainfo lacks ${needle}")
    endif()
endforeach()

# The menu entry and the software centre speak every language the game speaks
# (the program carries its catalogues inside).
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry_text)
foreach(language IN LISTS LANGUAGES)
    foreach(key GenericName Comment Keywords)
        if(NOT entry_text MATCHES "\n${key}\\[${language}\\]=[^\n]")
            message(SEND_ERROR "desktop entry lacks ${key}[${language}]")
        endif()
    endforeach()
    foreach(needle "<summary xml:lang=\"${language}\">" "<p xml:lang=\"${language}\">"
                   "<lang percentage=\"100\">${language}</lang>")
        string(FIND "${metainfo}" "${needle}" at)
        if(at EQUAL -1)
            message(SEND_ERROR "metainfo lacks ${needle}")
        endif()
    endforeach()
endforeach()

# The fixed-size icon must really be 64 by 64: the PNG header holds the size.
file(READ ${PREFIX}/share/icons/hicolor/64x64/apps/${APP_ID}.png header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 16 size)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "0000004000000040")
    message(SEND_ERROR "the 64x64 icon is not a 64 by 64 PNG image (header ${header})")
endif()
file(READ ${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg svg)
string(FIND "${svg}" "<svg" at)
if(at EQUAL -1)
    message(SEND_ERROR "the scalable icon is not an SVG drawing")
endif()

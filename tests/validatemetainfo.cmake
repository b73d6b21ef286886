# cmake -DAPPSTREAMCLI=... -DFILE=... -DAPP_ID=... -P validatemetainfo.cmake
# Fails on any remark of the validator, errors, warnings and infos alike, with
# one exception: AppStream before 1.0 does not know the <developer> element that
# 1.0 requires in place of the deprecated <developer_name>, and says so.
# In a fixed locale: the version line and the remarks are translated.
set(untranslated ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_MESSAGES LC_ALL=C.UTF-8)
execute_process(COMMAND ${untranslated} ${APPSTREAMCLI} --version OUTPUT_VARIABLE version)
execute_process(COMMAND ${untranslated} ${APPSTREAMCLI} validate --no-net ${FILE}
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate exited with ${result}")
endif()

string(REGEX MATCH "AppStream version: ([0-9]+)\\." match "${version}")
if(NOT match)
    message(FATAL_ERROR "Cannot read the AppStream version from: ${version}")
endif()
set(accepted "^$")
if(CMAKE_MATCH_1 LESS 1)
    string(REPLACE "." "\\." id "${APP_ID}")
    set(accepted "^I: ${id}:[0-9]+: unknown-tag developer$")
endif()

string(REPLACE "\n" ";" lines "${output}")
foreach(line IN LISTS lines)
    if(line MATCHES "^[EWI]: " AND NOT line MATCHES "${accepted}")
        message(SEND_ERROR "Not accepted: ${line}")
    endif()
endforeach()

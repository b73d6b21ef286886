# Helpers for the scripts run with cmake -P.

# Stops the script unless every named variable was given with -D.
function(require_variables)
    foreach(var ${ARGN})
        if(NOT DEFINED ${var})
            message(FATAL_ERROR "${var} not given")
        endif()
    endforeach()
endfunction()

# Runs a command and stops the script, with its output, if it fails.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed:\n${output}")
    endif()
endfunction()

# Copies the sources (build trees and git metadata left out) to DEST and builds
# the source and binary packages there with dpkg-buildpackage, which writes them
# beside DEST. Tests and their build dependencies are left out. ARGN: a command
# and its arguments to run dpkg-buildpackage through, such as env settings.
function(build_package source dest)
    file(REMOVE_RECURSE ${dest})
    file(MAKE_DIRECTORY ${dest})
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${source} ${source}/* ${source}/.*)
    foreach(entry ${entries})
        if(NOT EXISTS ${source}/${entry}/CMakeCache.txt AND NOT entry MATCHES "^(build|\\.git$)")
            file(COPY ${source}/${entry} DESTINATION ${dest})
        endif()
    endforeach()
    execute_process(COMMAND ${ARGN} env "DEB_BUILD_OPTIONS=nocheck parallel=2"
                            DEB_BUILD_PROFILES=nocheck dpkg-buildpackage -us -uc
                    WORKING_DIRECTORY ${dest} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-buildpackage in ${dest} failed:\n${output}")
    endif()
endfunction()

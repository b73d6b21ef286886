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

# run(STEP COMMAND...): for the scripts that build and check in a cmake -P run; runs a command and
# stops with its output when it fails.
function(run step)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE output
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${step} failed:\n${output}")
    endif()
endfunction()

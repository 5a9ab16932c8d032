# Builds one target and passes only when the build fails with the given message in its output.
# cmake -DBUILD=<build folder> -DTARGET=<target> -DMESSAGE=<text> -P expect_build_stops.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target ${TARGET}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
string(FIND "${output}" "${MESSAGE}" found)
if(result EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "building ${TARGET} should stop with \"${MESSAGE}\", but gave "
                        "${result}:\n${output}")
endif()

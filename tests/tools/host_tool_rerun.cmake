# Builds rerun_project, changes its tool's library, then a header the tool includes, and passes
# when each change runs the rebuilt tool again on the file it makes and on the program it
# follows, and a build with nothing changed runs it on neither.
# cmake -DSOURCE=<checkout> -DWORK=<folder> -DGENERATOR=<generator> -P host_tool_rerun.cmake
file(REMOVE_RECURSE ${WORK})
file(COPY ${SOURCE}/tests/tools/rerun_project/ DESTINATION ${WORK}/source)

include(${SOURCE}/cmake/run_step.cmake)

# build(STEP RUNS WORD): builds, then expects RUNS runs on each file, the last one by WORD.
function(build step runs word)
    run("the build ${step}" ${CMAKE_COMMAND} --build ${WORK}/build)
    foreach(file product program)
        file(STRINGS ${WORK}/build/${file}.runs lines)
        list(LENGTH lines count)
        list(GET lines -1 last)
        if(NOT count EQUAL runs OR NOT last STREQUAL word)
            message(FATAL_ERROR "${step}: the tool ran ${count} times on the ${file}, last as "
                                "\"${last}\"; expected ${runs} times, last as \"${word}\"")
        endif()
    endforeach()
endfunction()

run("configuring" ${CMAKE_COMMAND} -S ${WORK}/source -B ${WORK}/build -G ${GENERATOR}
    -DHOST_TOOLS=${SOURCE}/cmake/host_tools.cmake)
build("from scratch" 1 first)
build("with nothing changed" 1 first)
file(WRITE ${WORK}/source/words.cpp "#include \"words.h\"\nconst char* Word() { return \"second\"; }\n")
build("after the library changed" 2 second)
file(TOUCH ${WORK}/source/words.h)
build("after a header changed" 3 second)

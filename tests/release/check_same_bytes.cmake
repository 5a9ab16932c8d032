# Builds the shipped files a second time, from a copy of the sources in other folders, packs the
# first and the second build with one SOURCE_DATE_EPOCH, and passes when launcher.exe,
# cartoons.dll and the ZIP are the same bytes and the ZIP's files carry that date.
# cmake -DSOURCE=<sources> -DBUILD=<first build> -DPACKAGE=<package name> -DLAUNCHER=<exe>
#       -DCARTOONS=<dll> -DTOOLCHAIN=<cmake/toolchain file> -DGENERATOR=<generator>
#       -DBUILD_TYPE=<type> -DARTWORK_DIR=<folder or empty> -P check_same_bytes.cmake
set(work ${BUILD}/same-bytes)
file(REMOVE_RECURSE ${work})
file(GLOB entries RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(entry ${entries})
    if(NOT entry MATCHES "^(build|out|\\.git)$")
        file(COPY ${SOURCE}/${entry} DESTINATION ${work}/source)
    endif()
endforeach()

# run(STEP COMMAND...): runs a command and stops with its output when it fails.
function(run step)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE output
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${step} failed:\n${output}")
    endif()
endfunction()

run("configuring the second build" ${CMAKE_COMMAND} -S ${work}/source -B ${work}/build
    -G ${GENERATOR} --toolchain ${work}/source/${TOOLCHAIN} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    -DVARORIZO_BACKEND=win32 -DVARORIZO_TESTS=OFF -DVARORIZO_ARTWORK_DIR=${ARTWORK_DIR})
run("the second build" ${CMAKE_COMMAND} --build ${work}/build -j 2)
set(epoch 1700000000)
run("packing the first build" ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
    cpack --config ${BUILD}/CPackConfig.cmake -B ${work}/first)
run("packing the second build" ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
    cpack --config ${work}/build/CPackConfig.cmake -B ${work}/second)

set(differing "")
foreach(pair "${LAUNCHER};${work}/build/launcher/launcher.exe"
        "${CARTOONS};${work}/build/cartoons/cartoons.dll"
        "${work}/first/${PACKAGE}.zip;${work}/second/${PACKAGE}.zip")
    list(GET pair 0 first)
    list(GET pair 1 second)
    execute_process(COMMAND cmp ${first} ${second} OUTPUT_VARIABLE difference
                    ERROR_VARIABLE difference RESULT_VARIABLE differs)
    if(differs)
        string(APPEND differing "${difference}")
    endif()
endforeach()
if(NOT differing STREQUAL "")
    message(FATAL_ERROR "the two builds differ:\n${differing}")
endif()

file(MAKE_DIRECTORY ${work}/unpacked)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${work}/first/${PACKAGE}.zip
                WORKING_DIRECTORY ${work}/unpacked)
file(TIMESTAMP ${work}/unpacked/${PACKAGE}/launcher.exe date "%s" UTC)
if(NOT date STREQUAL epoch)
    message(FATAL_ERROR "the packed launcher.exe is dated ${date}, not SOURCE_DATE_EPOCH ${epoch}")
endif()

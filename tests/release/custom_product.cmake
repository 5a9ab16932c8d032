# Builds launcher.exe and cartoons.dll as an integrator's product, named outside ASCII, for the
# Wine tests that read its title and version resources back (tests/wine/launcher_e2e_test.cpp
# holds the same settings). First a version or a name that the files cannot carry must each
# stop the configuration with a message that names it.
# cmake -DSOURCE=<sources> -DBUILD=<folder> -DTOOLCHAIN=<toolchain file> -DGENERATOR=<generator>
#       -P custom_product.cmake
set(settings "-DVARORIZO_PRODUCT_NAME=Ångström Studio 製品" -DVARORIZO_PRODUCT_VERSION=2.08.17.3
    "-DVARORIZO_COMPANY=Acme \"Tools\" \\ Ltd" "-DVARORIZO_COPYRIGHT=© 2031 Acme")
set(configure ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -G ${GENERATOR} --toolchain ${TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release -DVARORIZO_BACKEND=win32 -DVARORIZO_TESTS=OFF ${settings})

foreach(case "VARORIZO_PRODUCT_VERSION=2.1-beta" "VARORIZO_PRODUCT_VERSION=1.65536"
        "VARORIZO_PRODUCT_VERSION=1.2.3.4.5" "VARORIZO_PRODUCT_NAME=Tab\there")
    string(REGEX MATCH "^([A-Z_]+)=(.*)$" case "${case}")
    set(named "${CMAKE_MATCH_1} \"${CMAKE_MATCH_2}\" is not a")
    execute_process(COMMAND ${configure} "-D${case}" OUTPUT_VARIABLE output
                    ERROR_VARIABLE output RESULT_VARIABLE failed)
    string(REGEX REPLACE "[ \n]+" " " output "${output}")
    string(FIND "${output}" "${named}" found)
    if(NOT failed OR found EQUAL -1)
        message(FATAL_ERROR "${case} did not stop the configuration with its name:\n${output}")
    endif()
endforeach()

include(${SOURCE}/cmake/run_step.cmake)
run("configuring the other product" ${configure})
run("building the other product" ${CMAKE_COMMAND} --build ${BUILD} -j 2 --target launcher cartoons)

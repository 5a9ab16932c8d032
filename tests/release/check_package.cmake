# Packs a Windows build as the README says (cpack in the build folder) and checks the ZIP an
# integrator gets: the launcher, the plug-in, the guide, the licence and their checksums under
# one folder and nothing else; every checksum right; both programs of the build's architecture
# and the very files the build made.
# cmake -DBUILD=<build> -DPACKAGE=<package name> -DLAUNCHER=<exe> -DCARTOONS=<dll>
#       -DOBJDUMP=<objdump> -DFORMAT=<pei-x86-64|pei-i386> -P check_package.cmake
execute_process(COMMAND cpack WORKING_DIRECTORY ${BUILD} OUTPUT_VARIABLE output
                ERROR_VARIABLE output RESULT_VARIABLE failed)
set(zip ${BUILD}/package/${PACKAGE}.zip)
if(failed OR NOT EXISTS ${zip})
    message(FATAL_ERROR "cpack made no ${zip}:\n${output}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing)
string(REPLACE "\n" ";" listing "${listing}")
list(REMOVE_ITEM listing "")
set(files LICENSE.txt SHA256SUMS.txt artwork.md cartoons.dll launcher.exe)
list(TRANSFORM files PREPEND ${PACKAGE}/ OUTPUT_VARIABLE wanted)
if(NOT listing STREQUAL wanted)
    message(FATAL_ERROR "${zip} holds\n  ${listing}\nand not\n  ${wanted}")
endif()

set(unpacked ${BUILD}/package-check)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${unpacked})
set(folder ${unpacked}/${PACKAGE})

# sha256sum's form: "<hash>  <name>", one line a file.
file(STRINGS ${folder}/SHA256SUMS.txt lines)
set(named "")
foreach(line ${lines})
    if(NOT line MATCHES "^([0-9a-f]+)  (.+)$")
        message(FATAL_ERROR "SHA256SUMS.txt: not a checksum line: ${line}")
    endif()
    file(SHA256 ${folder}/${CMAKE_MATCH_2} hash)
    if(NOT hash STREQUAL CMAKE_MATCH_1)
        message(FATAL_ERROR "SHA256SUMS.txt: wrong checksum for ${CMAKE_MATCH_2}")
    endif()
    list(APPEND named ${CMAKE_MATCH_2})
endforeach()
if(NOT named STREQUAL "launcher.exe;cartoons.dll;artwork.md;LICENSE.txt")
    message(FATAL_ERROR "SHA256SUMS.txt names ${named}")
endif()
file(SHA256 ${zip} hash)
file(READ ${zip}.sha256 beside)
if(NOT beside STREQUAL "${hash}  ${PACKAGE}.zip\n")
    message(FATAL_ERROR "${zip}.sha256 does not hold the package's checksum: ${beside}")
endif()

foreach(pair "launcher.exe;${LAUNCHER}" "cartoons.dll;${CARTOONS}")
    list(GET pair 0 name)
    list(GET pair 1 built)
    execute_process(COMMAND ${OBJDUMP} -f ${folder}/${name} OUTPUT_VARIABLE header)
    if(NOT header MATCHES "file format ${FORMAT}\n")
        message(FATAL_ERROR "${name} is not of the format ${FORMAT}:\n${header}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${folder}/${name} ${built}
                    RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "the packed ${name} is not the built ${built}")
    endif()
endforeach()

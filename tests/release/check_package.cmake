# Packs a Windows build as the README says (cpack in the build folder) and checks the ZIP an
# integrator gets: the launcher, the plug-in, autorun.inf, the guide, the licence and their
# checksums under one folder and nothing else; every checksum right; both programs of the build's
# architecture and the very files the build made; the default product's autorun.inf to the byte.
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
set(files LICENSE.txt SHA256SUMS.txt artwork.md autorun.inf cartoons.dll launcher.exe)
list(TRANSFORM files PREPEND ${PACKAGE}/ OUTPUT_VARIABLE wanted)
if(NOT listing STREQUAL wanted)
    message(FATAL_ERROR "${zip} holds\n  ${listing}\nand not\n  ${wanted}")
endif()

set(unpacked ${BUILD}/package-check)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${unpacked})
set(folder ${unpacked}/${PACKAGE})

# What an integrator runs on the unpacked files, and on the package beside its checksum.
execute_process(COMMAND sha256sum -c SHA256SUMS.txt WORKING_DIRECTORY ${folder}
                OUTPUT_VARIABLE checked RESULT_VARIABLE failed)
execute_process(COMMAND sha256sum -c ${PACKAGE}.zip.sha256 WORKING_DIRECTORY ${BUILD}/package
                RESULT_VARIABLE package_failed)
set(all_ok "launcher.exe: OK\ncartoons.dll: OK\nautorun.inf: OK\nartwork.md: OK\nLICENSE.txt: OK\n")
if(failed OR package_failed OR NOT checked STREQUAL all_ok)
    message(FATAL_ERROR "the checksums do not hold:\n${checked}")
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

# In hexadecimal: file(READ) as text drops the carriage returns.
file(READ ${folder}/autorun.inf autorun HEX)
string(HEX "[autorun]\r\nopen=launcher.exe\r\nicon=launcher.exe,0\r\nlabel=Varorizo\r\n" wanted)
if(NOT autorun STREQUAL wanted)
    message(FATAL_ERROR "the packed autorun.inf is not the default product's:\n${autorun}")
endif()

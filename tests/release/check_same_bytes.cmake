# Builds the shipped files a second time, from a copy of the sources in other folders, packs the
# first and the second build with one SOURCE_DATE_EPOCH, unsigned and signed with a certificate
# made here, and passes when launcher.exe, cartoons.dll and each pair of ZIPs are the same bytes,
# the ZIP's files carry that date, and the signed files' signatures and checksums hold.
# cmake -DSOURCE=<sources> -DBUILD=<first build> -DPACKAGE=<package name> -DLAUNCHER=<exe>
#       -DCARTOONS=<dll> -DTOOLCHAIN=<cmake/toolchain file> -DGENERATOR=<generator>
#       -DBUILD_TYPE=<type> -DARTWORK_DIR=<folder or empty> -DOSSLSIGNCODE=<osslsigncode>
#       -DOPENSSL=<openssl> -P check_same_bytes.cmake
set(work ${BUILD}/same-bytes)
file(REMOVE_RECURSE ${work})
file(GLOB entries RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(entry ${entries})
    if(NOT entry MATCHES "^(build|out|\\.git)$")
        file(COPY ${SOURCE}/${entry} DESTINATION ${work}/source)
    endif()
endforeach()

include(${SOURCE}/cmake/run_step.cmake)

run("configuring the second build" ${CMAKE_COMMAND} -S ${work}/source -B ${work}/build
    -G ${GENERATOR} --toolchain ${work}/source/${TOOLCHAIN} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    -DVARORIZO_BACKEND=win32 -DVARORIZO_TESTS=OFF -DVARORIZO_ARTWORK_DIR=${ARTWORK_DIR})
run("the second build" ${CMAKE_COMMAND} --build ${work}/build -j 2)
set(epoch 1700000000)

# A code-signing certificate of the test's own, in a PKCS#12 file with a password.
set(signer ${work}/signer)
file(MAKE_DIRECTORY ${signer})
file(WRITE ${signer}/password "test password\n")
run("making the certificate" ${OPENSSL} req -x509 -newkey rsa:2048 -nodes -days 30
    -subj "/CN=Varorizo test signer" -addext "extendedKeyUsage=codeSigning"
    -keyout ${signer}/key.pem -out ${signer}/certificate.pem)
run("packing the certificate" ${OPENSSL} pkcs12 -export -inkey ${signer}/key.pem
    -in ${signer}/certificate.pem -passout file:${signer}/password -out ${signer}/signer.p12)

foreach(signed "" ${signer}/signer.p12)
    set(suffix "")
    if(signed)
        set(suffix -signed)
    endif()
    foreach(build "first;${BUILD}" "second;${work}/build")
        list(GET build 0 name)
        list(GET build 1 folder)
        run("packing the ${name} build${suffix}" ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
            VARORIZO_SIGN_P12=${signed} VARORIZO_SIGN_PASSWORD_FILE=${signer}/password
            cpack --config ${folder}/CPackConfig.cmake -B ${work}/${name}${suffix})
    endforeach()
endforeach()

set(differing "")
foreach(pair "${LAUNCHER};${work}/build/launcher/launcher.exe"
        "${CARTOONS};${work}/build/cartoons/cartoons.dll"
        "${work}/first/${PACKAGE}.zip;${work}/second/${PACKAGE}.zip"
        "${work}/first-signed/${PACKAGE}.zip;${work}/second-signed/${PACKAGE}.zip")
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

foreach(zip first second-signed)
    file(MAKE_DIRECTORY ${work}/unpacked-${zip})
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${work}/${zip}/${PACKAGE}.zip
                    WORKING_DIRECTORY ${work}/unpacked-${zip})
endforeach()
file(TIMESTAMP ${work}/unpacked-first/${PACKAGE}/launcher.exe date "%s" UTC)
if(NOT date STREQUAL epoch)
    message(FATAL_ERROR "the packed launcher.exe is dated ${date}, not SOURCE_DATE_EPOCH ${epoch}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/pe_checksum.cmake)
foreach(name launcher.exe cartoons.dll)
    set(file ${work}/unpacked-second-signed/${PACKAGE}/${name})
    execute_process(COMMAND ${OSSLSIGNCODE} verify -CAfile ${signer}/certificate.pem -in ${file}
                    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
    if(failed OR NOT output MATCHES "Signing time: Nov 14 22:13:20 2023 GMT")
        message(FATAL_ERROR "${name} is not signed by the test's certificate at ${epoch}:\n${output}")
    endif()
    check_pe_checksum(${OSSLSIGNCODE} ${file})
endforeach()

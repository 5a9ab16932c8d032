# Install step: when VARORIZO_SIGN_P12 names a PKCS#12 certificate file (scripts/package.sh --sign
# sets it), signs the staged launcher.exe and cartoons.dll with osslsigncode and checks each
# signature against the certificates in that file and the system's. The password is read from the
# file VARORIZO_SIGN_PASSWORD_FILE, never from a command line. The signing time is the sources'
# (cmake/source_date.cmake), so signing the same files again gives the same bytes.
# VARORIZO_SIGN_TIMESTAMP may name an RFC 3161 time-stamp server, whose countersignature keeps the
# signature valid after the certificate has expired; its answer differs from run to run.
set(p12 "$ENV{VARORIZO_SIGN_P12}")
if(p12 STREQUAL "")
    return()
endif()
set(password_file "$ENV{VARORIZO_SIGN_PASSWORD_FILE}")
set(timestamp "$ENV{VARORIZO_SIGN_TIMESTAMP}")
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(work "${folder}.signing")
include(${VARORIZO_SOURCE_DIR}/cmake/source_date.cmake)
varorizo_source_date(${VARORIZO_SOURCE_DIR} epoch)

# stop(TEXT OUTPUT): ends the step with TEXT and the first line of a tool's complaint.
function(stop text output)
    file(REMOVE_RECURSE "${work}")
    string(REGEX MATCH "^[^\n]*" first_line "${output}")
    message(FATAL_ERROR "${text}: ${first_line}")
endfunction()

find_program(OSSLSIGNCODE osslsigncode)
find_program(OPENSSL openssl)
if(NOT OSSLSIGNCODE OR NOT OPENSSL)
    message(FATAL_ERROR "signing needs osslsigncode and openssl: apt-get install osslsigncode "
                        "openssl (scripts/setup.sh installs them)")
endif()

file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
execute_process(COMMAND ${OPENSSL} pkcs12 -legacy -in ${p12} -nokeys -passin file:${password_file}
                        -out ${work}/trusted.pem
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
if(failed)
    stop("${p12} cannot be read" "${output}")
endif()
set(system_certificates /etc/ssl/certs/ca-certificates.crt)
if(EXISTS ${system_certificates})
    file(READ ${system_certificates} system)
    file(APPEND ${work}/trusted.pem "${system}")
endif()

set(sign_options -pkcs12 ${p12} -readpass ${password_file} -h sha256 -time ${epoch})
set(verify_options -CAfile ${work}/trusted.pem)
# osslsigncode writes the description as ASCII only; without it the elevation prompt shows the
# file's name.
if(VARORIZO_PRODUCT_NAME MATCHES "^[ -~]+$")
    list(APPEND sign_options -n "${VARORIZO_PRODUCT_NAME}")
endif()
if(NOT timestamp STREQUAL "")
    list(APPEND sign_options -ts ${timestamp})
    list(APPEND verify_options -TSA-CAfile ${work}/trusted.pem)
endif()
# Newer osslsigncode fetches the revocation lists that certificates name; what is checked here is
# that the signature holds, which needs no network.
execute_process(COMMAND ${OSSLSIGNCODE} --help OUTPUT_VARIABLE help ERROR_VARIABLE help)
if(help MATCHES "-ignore-cdp")
    list(APPEND verify_options -ignore-cdp)
endif()

foreach(name launcher.exe cartoons.dll)
    set(file ${folder}/${name})
    execute_process(COMMAND ${OSSLSIGNCODE} sign ${sign_options} -in ${file} -out ${work}/${name}
                    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
    if(failed)
        stop("signing ${name} with ${p12} failed" "${output}")
    endif()
    execute_process(COMMAND ${OSSLSIGNCODE} verify ${verify_options} -in ${work}/${name}
                    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
    if(failed)
        string(REGEX MATCH "[^\n]*(error|Error|MISMATCH|Failed)[^\n]*" complaint "${output}")
        stop("the signature of ${name} does not hold" "${complaint}")
    endif()
    file(RENAME ${work}/${name} ${file})
    file(CHMOD ${file} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                   WORLD_READ WORLD_EXECUTE)
endforeach()
file(REMOVE_RECURSE "${work}")

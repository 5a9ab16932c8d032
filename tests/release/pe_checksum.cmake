# check_pe_checksum(OSSLSIGNCODE FILE): stops unless the PE checksum in FILE's header is the one
# osslsigncode computes for the file. Older osslsigncode prints both values, newer ones only one
# value when they agree.
function(check_pe_checksum osslsigncode file)
    execute_process(COMMAND ${osslsigncode} verify -in ${file} OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    string(REGEX MATCHALL "PE checksum *: *[0-9A-Fa-f]+" lines "${output}")
    list(TRANSFORM lines REPLACE ".*: *" "")
    list(REMOVE_DUPLICATES lines)
    list(LENGTH lines values)
    if(NOT values EQUAL 1 OR lines STREQUAL "00000000")
        message(FATAL_ERROR "${file}: the PE checksum in the header is not the file's own:\n${output}")
    endif()
endfunction()

# varorizo_write_autorun(FILE NAME): the autorun.inf packed beside launcher.exe, which starts the
# launcher from a disc and shows its icon and the product's NAME. An ASCII name keeps the file
# ASCII; any other makes it UTF-16LE with a byte-order mark, the one Unicode form Windows reads in
# it, written by iconv since CMake cannot write NUL bytes.
function(varorizo_write_autorun file name)
    set(text "[autorun]\r\nopen=launcher.exe\r\nicon=launcher.exe,0\r\nlabel=${name}\r\n")
    if(name MATCHES "^[ -~]+$")
        file(WRITE ${file} "${text}")
        return()
    endif()
    find_program(VARORIZO_ICONV iconv REQUIRED)
    set(utf8 ${file}.utf8)
    string(ASCII 239 187 191 byte_order_mark)
    file(WRITE ${utf8} "${byte_order_mark}${text}")
    execute_process(COMMAND ${VARORIZO_ICONV} -f UTF-8 -t UTF-16LE ${utf8} OUTPUT_FILE ${file}
                    RESULT_VARIABLE failed)
    file(REMOVE ${utf8})
    if(failed)
        message(FATAL_ERROR "iconv could not write ${file} in UTF-16LE")
    endif()
endfunction()

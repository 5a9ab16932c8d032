# Reads a shipped file as the oldest Windows it runs on would: every function it imports, also
# from the libraries it loads on first use (DELAYED), is one that Windows 7 SP1 has
# (windows7_functions.txt); and the PE checksum in its header is the file's own.
# cmake -DLIST_IMPORTS=<tool> -DOSSLSIGNCODE=<osslsigncode> -DFILE=<exe or dll>
#       [-DDELAYED=<libraries>] -P check_shipped_file.cmake
cmake_policy(SET CMP0057 NEW)  # IN_LIST
execute_process(COMMAND ${LIST_IMPORTS} ${FILE} OUTPUT_VARIABLE listing ERROR_VARIABLE listing
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${listing}")
endif()
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/windows7_functions.txt known REGEX "^[^#]")
string(REGEX MATCHALL "[^\n]+" imports "${listing}")
set(missing "")
set(delayed "")
foreach(import ${imports})
    string(REGEX MATCH "^([a-z]+) ([^ ]+) (.+)$" import "${import}")
    string(TOLOWER "${CMAKE_MATCH_2}" library)
    if(NOT "${library} ${CMAKE_MATCH_3}" IN_LIST known)
        string(APPEND missing "\n  ${library} ${CMAKE_MATCH_3}")
    endif()
    if(CMAKE_MATCH_1 STREQUAL "delay")
        list(APPEND delayed ${library})
    endif()
endforeach()
if(NOT missing STREQUAL "")
    message(FATAL_ERROR "${FILE} imports functions not known to be in Windows 7 SP1 "
                        "(tests/release/windows7_functions.txt):${missing}")
endif()
list(REMOVE_DUPLICATES delayed)
list(SORT delayed)
list(SORT DELAYED)
if(NOT "${delayed}" STREQUAL "${DELAYED}")
    message(FATAL_ERROR "${FILE} loads [${delayed}] on first use, not [${DELAYED}]")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/pe_checksum.cmake)
check_pe_checksum(${OSSLSIGNCODE} ${FILE})

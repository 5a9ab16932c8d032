# Reads the built launcher the way the Windows loader does: it imports only KERNEL32 and msvcrt
# (USER32 and GDI32 are delay-loaded), and its load configuration directory points at a record
# whose dependent-load flag is LOAD_LIBRARY_SEARCH_SYSTEM32.
# cmake -DOBJDUMP=<objdump> -DPROGRAM=<launcher.exe> -DPOINTER_SIZE=<4|8> -P check_launcher_file.cmake
execute_process(COMMAND ${OBJDUMP} -p -h ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} -p -h ${PROGRAM} failed")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports STREQUAL "DLL Name: KERNEL32.dll;DLL Name: msvcrt.dll")
    message(FATAL_ERROR "imports other than KERNEL32.dll and msvcrt.dll: ${imports}")
endif()

if(NOT dump MATCHES "ImageBase[ \t]+([0-9a-f]+)")
    message(FATAL_ERROR "no image base:\n${dump}")
endif()
set(image_base 0x${CMAKE_MATCH_1})
if(NOT dump MATCHES "Entry a ([0-9a-f]+) ([0-9a-f]+) Load Configuration Directory")
    message(FATAL_ERROR "no load configuration entry:\n${dump}")
endif()
math(EXPR entry_address "0x${CMAKE_MATCH_1}")
math(EXPR entry_size "0x${CMAKE_MATCH_2}")
if(NOT dump MATCHES "\\.loadcfg +([0-9a-f]+) +([0-9a-f]+) +[0-9a-f]+ +([0-9a-f]+)")
    message(FATAL_ERROR "no .loadcfg section:\n${dump}")
endif()
math(EXPR section_address "0x${CMAKE_MATCH_2} - ${image_base}")
set(file_offset 0x${CMAKE_MATCH_3})

# The record: its size first, then at 0x4E (x86-64) or 0x36 (x86) the dependent-load flag.
set(record_size 112)
set(size_bytes_expected 70000000)
set(flag_at 0x4E)
if(POINTER_SIZE EQUAL 4)
    set(record_size 72)
    set(size_bytes_expected 48000000)
    set(flag_at 0x36)
endif()
if(NOT entry_address EQUAL section_address OR NOT entry_size EQUAL record_size)
    message(FATAL_ERROR "the load configuration entry (${entry_address}, ${entry_size}) is not "
                        "the .loadcfg record (${section_address}, ${record_size})")
endif()
math(EXPR at "${file_offset}")
file(READ ${PROGRAM} size_bytes OFFSET ${at} LIMIT 4 HEX)
math(EXPR at "${file_offset} + ${flag_at}")
file(READ ${PROGRAM} flag_bytes OFFSET ${at} LIMIT 2 HEX)
if(NOT size_bytes STREQUAL size_bytes_expected OR NOT flag_bytes STREQUAL "0008")
    message(FATAL_ERROR "record size bytes ${size_bytes}, dependent-load flag bytes ${flag_bytes}"
                        " (expected ${size_bytes_expected} and 0008)")
endif()

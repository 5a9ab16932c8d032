# Reads a built plug-in the way a host's loader sees it: its only export is DLLApplyEffect; a
# DLL exports it at ordinal 1 and carries the asInvoker manifest as resource type 24, id 2.
# cmake -DFORMAT=pe|elf -DTOOL=<objdump for pe, nm for elf> -DLIBRARY=<file> -P check_exports.cmake
if(NOT EXISTS "${LIBRARY}")
    message(FATAL_ERROR "no library at ${LIBRARY}")
endif()

if(FORMAT STREQUAL "elf")
    execute_process(COMMAND ${TOOL} -D --defined-only ${LIBRARY}
                    OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
    string(STRIP "${symbols}" symbols)
    if(failed OR NOT symbols MATCHES "^[0-9a-f]+ T DLLApplyEffect$")
        message(FATAL_ERROR "exports other than DLLApplyEffect:\n${symbols}")
    endif()
    return()
endif()

execute_process(COMMAND ${TOOL} -p ${LIBRARY} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${TOOL} -p ${LIBRARY} failed")
endif()

# One address and one name, the address at ordinal 1: then the name is ordinal 1.
set(line "[^\n]*")
set(export_table
    "Ordinal Base[ \t]+1\n"
    "Number in:\n"
    "\tExport Address Table[ \t]+00000001\n"
    "\t\\[Name Pointer/Ordinal\\] Table\t00000001\n")
set(address_at_ordinal_1 "Export Address Table -- Ordinal Base 1\n\t\\[ +0\\] \\+base\\[ +1\\]")
set(only_name "\\[Ordinal/Name Pointer\\] Table\n\t\\[ +[01]\\] DLLApplyEffect\n\n")
string(CONCAT export_table ${export_table})
foreach(part export_table address_at_ordinal_1 only_name)
    if(NOT dump MATCHES "${${part}}")
        message(FATAL_ERROR "the export table is not DLLApplyEffect alone at ordinal 1:\n${dump}")
    endif()
endforeach()

# The resource tree: two types, 16 (RT_VERSION) and 24 (RT_MANIFEST), the manifest under the one
# name 2.
set(manifest_resource
    "Type Table:${line}IDs: 2\n${line}Entry: ID: 0x000010${line}\n(${line}\n)*"
    "${line}Entry: ID: 0x000018${line}\n${line}Name Table:${line}IDs: 1\n${line}Entry: ID: 0x000002")
string(CONCAT manifest_resource ${manifest_resource})
if(NOT dump MATCHES "${manifest_resource}")
    message(FATAL_ERROR "no manifest resource of type 24, id 2:\n${dump}")
endif()

file(READ ${LIBRARY} bytes HEX)
string(HEX "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>" execution_level)
string(FIND "${bytes}" "${execution_level}" found)
if(found EQUAL -1)
    message(FATAL_ERROR "the manifest does not ask for asInvoker without uiAccess")
endif()

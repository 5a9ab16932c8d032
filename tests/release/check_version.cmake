# Reads a built file's version resource back with windres and checks what the file's properties
# show: the project version, the file's own name, the product and its makers.
# cmake -DWINDRES=<windres> -DFILE=<exe or dll> -DVERSION=<x.y.z> -P check_version.cmake
execute_process(COMMAND ${WINDRES} -i ${FILE} -O rc OUTPUT_VARIABLE rc RESULT_VARIABLE failed)
string(REGEX MATCH "VERSIONINFO.*VarFileInfo" block "${rc}")
if(failed OR block STREQUAL "")
    message(FATAL_ERROR "${FILE} has no version resource that windres can read")
endif()
string(REPLACE "." ", " numbers ${VERSION})
get_filename_component(name ${FILE} NAME)
foreach(line "FILEVERSION ${numbers}, 0" "PRODUCTVERSION ${numbers}, 0"
        "\"FileVersion\", \"${VERSION}\"" "\"ProductVersion\", \"${VERSION}\""
        "\"OriginalFilename\", \"${name}\"" "\"ProductName\", \"Varorizo\""
        "\"FileDescription\", \"Varorizo " "\"LegalCopyright\", \"Copyright (C) "
        "The Varorizo developers\"")
    string(FIND "${block}" "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${FILE}: the version resource lacks ${line}:\n${block}")
    endif()
endforeach()

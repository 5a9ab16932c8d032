# Writes a module definition file naming every function of an import library, for dlltool.
# cmake -DNM=<nm> -DIMPORTS=<libNAME.a> -DDLL=<NAME.dll> -DPOINTER_SIZE=<4|8> -DDEF=<out> -P ...
execute_process(COMMAND ${NM} ${IMPORTS} OUTPUT_VARIABLE symbols ERROR_QUIET
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${NM} ${IMPORTS} failed")
endif()
# x86 names carry the C prefix "_" after "__imp_"; their @N stays for dlltool --kill-at.
set(prefix "__imp_")
if(POINTER_SIZE EQUAL 4)
    set(prefix "__imp__")
endif()
string(REGEX MATCHALL "I ${prefix}[^\n]+" entries "${symbols}")
list(REMOVE_DUPLICATES entries)
list(SORT entries)
set(text "LIBRARY ${DLL}\nEXPORTS\n")
foreach(entry ${entries})
    string(REPLACE "I ${prefix}" "" name "${entry}")
    string(APPEND text "${name}\n")
endforeach()
file(WRITE ${DEF} "${text}")

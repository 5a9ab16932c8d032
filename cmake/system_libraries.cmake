# Windows builds: no library planted beside a program may be loaded in place of a system one.
#
# varorizo_delay_imports(TARGET DLL...): an interface library TARGET through which the named
# system libraries (user32, gdi32) are loaded on first use rather than at start-up, so only after
# the program has restricted the library search to the system folder; otherwise the libraries
# that they load themselves are looked for in the program's folder first (Wine does so even for
# its own). The delay-load library is made from the toolchain's import library with dlltool.
#
# varorizo_load_config(TARGET): after the link, points TARGET's load configuration directory at
# its .loadcfg section, which GNU ld leaves unset (tools/pe_load_config).
find_program(VARORIZO_HOST_CXX NAMES g++ c++ REQUIRED)

function(varorizo_delay_imports target)
    set(libraries "")
    foreach(dll ${ARGN})
        find_library(VARORIZO_IMPORT_${dll} NAMES ${dll} REQUIRED)
        set(def ${CMAKE_CURRENT_BINARY_DIR}/${dll}_delay.def)
        set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}_delay.a)
        add_custom_command(
            OUTPUT ${library}
            COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DIMPORTS=${VARORIZO_IMPORT_${dll}}
                    -DDLL=${dll}.dll -DPOINTER_SIZE=${CMAKE_SIZEOF_VOID_P} -DDEF=${def}
                    -P ${CMAKE_SOURCE_DIR}/cmake/delay_def.cmake
            COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${def} --dllname ${dll}.dll
                    --output-delaylib ${library}
            DEPENDS ${CMAKE_SOURCE_DIR}/cmake/delay_def.cmake
            COMMENT "Making the delay-load library of ${dll}.dll")
        list(APPEND libraries ${library})
    endforeach()
    add_custom_target(${target}_files DEPENDS ${libraries})
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${libraries})
    add_dependencies(${target} ${target}_files)
endfunction()

function(varorizo_load_config target)
    set(tool ${CMAKE_BINARY_DIR}/tools/pe_load_config)
    set(source ${CMAKE_SOURCE_DIR}/tools/pe_load_config/pe_load_config.cpp)
    if(NOT TARGET varorizo_pe_load_config)
        add_custom_command(
            OUTPUT ${tool}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
            COMMAND ${VARORIZO_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow
                    -Wconversion -Wno-sign-conversion -Werror ${source} -o ${tool}
            DEPENDS ${source}
            COMMENT "Building the load configuration tool")
        add_custom_target(varorizo_pe_load_config DEPENDS ${tool})
    endif()
    add_dependencies(${target} varorizo_pe_load_config)
    # A changed tool links the target anew, so that the tool runs on it again.
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${tool})
    add_custom_command(TARGET ${target} POST_BUILD COMMAND ${tool} $<TARGET_FILE:${target}>
                       COMMENT "Pointing the load configuration of ${target} at its record")
endfunction()

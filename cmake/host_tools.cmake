# Programs that run on the build machine during the build (the artwork generators, the load
# configuration tool): compiled by the build machine's own compiler, with its own libraries, also
# in cross builds, all with the flags below.
#
# varorizo_host_tool(NAME [LIBRARY] SOURCES file... [LINK library...] [PACKAGES module...]
#                    [DEFINES NAME=VALUE...])
#   builds the program ${VARORIZO_HOST_TOOLS}/NAME, or with LIBRARY the archive
#   ${VARORIZO_HOST_TOOLS}/libNAME.a, made by the target varorizo_NAME. LINK names libraries made
#   here, PACKAGES pkg-config modules of the build machine (spng, freetype2); a library's modules
#   go on to the programs that link it. Each source is compiled on its own and again when it or a
#   header it includes changes; a program is linked again when a library it links changes.
#
# varorizo_host_tool_after_link(TARGET NAME COMMENT text): runs the program NAME on TARGET's file
#   after each link of TARGET.
#
# A changed tool runs again on what it made: a command that runs it names the tool's file in its
# DEPENDS, and a tool that runs after a link is one of the target's LINK_DEPENDS.
include_guard(DIRECTORY)

find_program(VARORIZO_HOST_CXX NAMES g++ c++ REQUIRED)
find_program(VARORIZO_HOST_AR NAMES ar REQUIRED)
find_program(VARORIZO_HOST_PKG_CONFIG pkg-config REQUIRED)
# The fonts the artwork tools set their words in.
find_path(VARORIZO_DEJAVU_DIR DejaVuSans-Bold.ttf PATHS /usr/share/fonts/truetype/dejavu REQUIRED
          NO_CMAKE_FIND_ROOT_PATH)
set(VARORIZO_HOST_TOOLS ${CMAKE_BINARY_DIR}/tools)
set(VARORIZO_HOST_FLAGS -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion -Werror -I${CMAKE_SOURCE_DIR})

# The compile or link flags (--cflags, --libs) of a pkg-config module of the build machine.
function(varorizo_host_package_flags module kind out)
    execute_process(COMMAND ${VARORIZO_HOST_PKG_CONFIG} ${kind} ${module}
                    OUTPUT_VARIABLE flags RESULT_VARIABLE missing
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(missing)
        message(FATAL_ERROR "The build machine's tools need the library ${module} "
                            "(pkg-config ${module}); scripts/setup.sh installs it.")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

function(varorizo_host_tool name)
    cmake_parse_arguments(ARG "LIBRARY" "" "SOURCES;LINK;PACKAGES;DEFINES" ${ARGN})
    set(compile_flags ${VARORIZO_HOST_FLAGS})
    list(TRANSFORM ARG_DEFINES PREPEND -D)
    list(APPEND compile_flags ${ARG_DEFINES})
    set(link_flags "")
    foreach(module ${ARG_PACKAGES})
        varorizo_host_package_flags(${module} --cflags cflags)
        varorizo_host_package_flags(${module} --libs libs)
        list(APPEND compile_flags ${cflags})
        list(APPEND link_flags ${libs})
    endforeach()

    set(objects "")
    foreach(source ${ARG_SOURCES})
        get_filename_component(source ${source} ABSOLUTE)
        file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${source})
        set(object ${VARORIZO_HOST_TOOLS}/objects/${relative}.o)
        get_filename_component(folder ${object} DIRECTORY)
        add_custom_command(
            OUTPUT ${object}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${VARORIZO_HOST_CXX} ${compile_flags} -MMD -MF ${object}.d -c ${source}
                    -o ${object}
            DEPENDS ${source}
            DEPFILE ${object}.d
            COMMENT "Compiling ${relative} for the build machine"
            VERBATIM)
        list(APPEND objects ${object})
    endforeach()

    if(ARG_LIBRARY)
        set(file ${VARORIZO_HOST_TOOLS}/lib${name}.a)
        add_custom_command(
            OUTPUT ${file}
            COMMAND ${CMAKE_COMMAND} -E rm -f ${file}
            COMMAND ${VARORIZO_HOST_AR} rcs ${file} ${objects}
            DEPENDS ${objects}
            COMMENT "Archiving the build machine's library ${name}"
            VERBATIM)
        add_custom_target(varorizo_${name} DEPENDS ${file})
        set_property(TARGET varorizo_${name} PROPERTY VARORIZO_HOST_LINK_FLAGS ${link_flags})
        return()
    endif()

    set(libraries "")
    foreach(library ${ARG_LINK})
        get_property(library_flags TARGET varorizo_${library} PROPERTY VARORIZO_HOST_LINK_FLAGS)
        list(APPEND libraries ${VARORIZO_HOST_TOOLS}/lib${library}.a)
        list(APPEND link_flags ${library_flags})
    endforeach()
    set(file ${VARORIZO_HOST_TOOLS}/${name})
    add_custom_command(
        OUTPUT ${file}
        COMMAND ${VARORIZO_HOST_CXX} ${objects} ${libraries} ${link_flags} -o ${file}
        DEPENDS ${objects} ${libraries}
        COMMENT "Linking the build machine's ${name}"
        VERBATIM)
    add_custom_target(varorizo_${name} DEPENDS ${file})
    list(TRANSFORM ARG_LINK PREPEND varorizo_)
    if(ARG_LINK)
        add_dependencies(varorizo_${name} ${ARG_LINK})
    endif()
endfunction()

function(varorizo_host_tool_after_link target name)
    cmake_parse_arguments(ARG "" "COMMENT" "" ${ARGN})
    set(tool ${VARORIZO_HOST_TOOLS}/${name})
    add_dependencies(${target} varorizo_${name})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${tool})
    add_custom_command(TARGET ${target} POST_BUILD COMMAND ${tool} $<TARGET_FILE:${target}>
                       COMMENT "${ARG_COMMENT}" VERBATIM)
endfunction()

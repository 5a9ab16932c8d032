# CPack's package step: packs the staged files into <package name>.zip under one folder of that
# name, in name order, without folder entries, owners or access times, every file dated alike
# (cmake/source_date.cmake). Two builds of the same sources so give the same bytes.
include(${CPACK_VARORIZO_SOURCE_DIR}/cmake/source_date.cmake)
varorizo_source_date(${CPACK_VARORIZO_SOURCE_DIR} epoch)

set(name ${CPACK_PACKAGE_FILE_NAME})
set(work ${CPACK_TOPLEVEL_DIRECTORY}/zip)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
file(COPY ${CPACK_TEMPORARY_DIRECTORY}/ DESTINATION ${work}/${name})
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${work} ${work}/${name}/*)
list(SORT files)
execute_process(COMMAND touch -d @${epoch} ${files} WORKING_DIRECTORY ${work}
                RESULT_VARIABLE failed)
if(NOT failed)
    # zip stores local times: in UTC they are the same on every machine.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${CPACK_VARORIZO_ZIP} -X -D -q
                            ${work}/${name}.zip ${files}
                    WORKING_DIRECTORY ${work} RESULT_VARIABLE failed)
endif()
if(failed)
    message(FATAL_ERROR "could not pack ${work}/${name}.zip")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES ${work}/${name}.zip)

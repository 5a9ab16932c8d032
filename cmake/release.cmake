# What ships for Windows: launcher.exe and cartoons.dll, each with its version information, the
# integrator's guide and the licence, with their SHA-256 checksums; CPack packs them as one ZIP
# for the build's architecture (cpack --preset win64, or win32), the same bytes from every build
# of the same sources.
set(VARORIZO_MAKER "The Varorizo developers")
set(VARORIZO_COPYRIGHT "Copyright (C) 2026 ${VARORIZO_MAKER}")

# varorizo_shipped(target file-name file-type description): the target's version resource
# (file type 1 a program, 2 a library) and, in release builds, no symbol table.
function(varorizo_shipped target file_name file_type description)
    set(VERSION_FILE_NAME ${file_name})
    set(VERSION_FILE_TYPE ${file_type})
    set(VERSION_DESCRIPTION ${description})
    set(VERSION_INTERNAL_NAME ${target})
    set(script ${CMAKE_BINARY_DIR}/version/${target}_version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${script} @ONLY)
    target_sources(${target} PRIVATE ${script})
    target_link_options(${target} PRIVATE $<$<CONFIG:Release>:-s>)
endfunction()

varorizo_shipped(launcher launcher.exe 1 "${PROJECT_NAME} installation start menu")
varorizo_shipped(cartoons cartoons.dll 2 "${PROJECT_NAME} cartoon effect names")

set(VARORIZO_PACKAGE_FILES launcher.exe cartoons.dll artwork.md LICENSE.txt)
install(PROGRAMS $<TARGET_FILE:launcher> $<TARGET_FILE:cartoons> DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/artwork.md DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(CODE "set(VARORIZO_PACKAGE_FILES \"${VARORIZO_PACKAGE_FILES}\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/write_checksums.cmake)

# CPack stages the installed files; cmake/make_zip.cmake packs them, since CPack's own ZIP
# records each file's change and access times and its owner, which differ from build to build.
find_program(VARORIZO_ZIP zip REQUIRED)
set(CPACK_GENERATOR External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_SOURCE_DIR}/cmake/make_zip.cmake)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${VARORIZO_MAKER})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
else()
    set(CPACK_SYSTEM_NAME win32)
endif()
# CPack leaves its own variable naming the source package; the tests read this one.
set(VARORIZO_PACKAGE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_FILE_NAME ${VARORIZO_PACKAGE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_VARORIZO_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_VARORIZO_ZIP ${VARORIZO_ZIP})
include(CPack)

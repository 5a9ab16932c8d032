# What ships for Windows: launcher.exe and cartoons.dll, each with the product's version
# information (cmake/product.cmake), the autorun.inf that starts the launcher from a disc
# (cmake/autorun.cmake), the integrator's guide and the licence, with their SHA-256
# checksums; CPack packs them as one ZIP for the build's architecture (cpack --preset win64, or
# win32), the same bytes from every build of the same sources. When VARORIZO_SIGN_P12 is set in
# its environment, the two files are signed before they are packed (cmake/sign_files.cmake).

# A text as the contents of a resource script's string.
function(varorizo_rc_text out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\"\"" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
varorizo_rc_text(VERSION_PRODUCT "${VARORIZO_PRODUCT_NAME}")
varorizo_rc_text(VERSION_COMPANY "${VARORIZO_COMPANY}")
varorizo_rc_text(VERSION_COPYRIGHT "${VARORIZO_COPYRIGHT_LINE}")

# varorizo_shipped(target file-name file-type description): the target's version resource
# (file type 1 a program, 2 a library) and, in release builds, no symbol table.
function(varorizo_shipped target file_name file_type description)
    set(VERSION_FILE_NAME ${file_name})
    set(VERSION_FILE_TYPE ${file_type})
    varorizo_rc_text(VERSION_DESCRIPTION "${VARORIZO_PRODUCT_NAME} ${description}")
    set(VERSION_INTERNAL_NAME ${target})
    set(script ${CMAKE_BINARY_DIR}/version/${target}_version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${script} @ONLY)
    target_sources(${target} PRIVATE ${script})
    target_link_options(${target} PRIVATE $<$<CONFIG:Release>:-s>)
endfunction()

varorizo_shipped(launcher launcher.exe 1 "installation start menu")
varorizo_shipped(cartoons cartoons.dll 2 "cartoon effect names")

include(${CMAKE_SOURCE_DIR}/cmake/autorun.cmake)
varorizo_write_autorun(${CMAKE_BINARY_DIR}/autorun.inf "${VARORIZO_PRODUCT_NAME}")
set(VARORIZO_PACKAGE_FILES launcher.exe cartoons.dll autorun.inf artwork.md LICENSE.txt)
install(PROGRAMS $<TARGET_FILE:launcher> $<TARGET_FILE:cartoons> DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/autorun.inf DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/artwork.md DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(CODE "set(VARORIZO_PACKAGE_FILES [==[${VARORIZO_PACKAGE_FILES}]==])
              set(VARORIZO_SOURCE_DIR [==[${CMAKE_SOURCE_DIR}]==])
              set(VARORIZO_PRODUCT_NAME [==[${VARORIZO_PRODUCT_NAME}]==])")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/sign_files.cmake)
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/write_checksums.cmake)

# CPack stages the installed files; cmake/make_zip.cmake packs them, since CPack's own ZIP
# records each file's change and access times and its owner, which differ from build to build.
find_program(VARORIZO_ZIP zip REQUIRED)
set(CPACK_GENERATOR External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_SOURCE_DIR}/cmake/make_zip.cmake)
set(CPACK_PACKAGE_NAME ${VARORIZO_PRODUCT_NAME})
set(CPACK_PACKAGE_VENDOR ${VARORIZO_COMPANY})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
else()
    set(CPACK_SYSTEM_NAME win32)
endif()
# CPack leaves its own variable naming the source package; the tests read this one. The ZIP is
# named for the product in ASCII letters, digits, '.', '_' and '-', any other run of characters
# one '-', so that every unzip program on every system shows the same name.
string(REGEX REPLACE "[^A-Za-z0-9._-]+" "-" file_name "${VARORIZO_PRODUCT_NAME}")
string(REGEX REPLACE "^-+|-+$" "" file_name "${file_name}")
if(file_name STREQUAL "")
    set(file_name launcher)
endif()
set(VARORIZO_PACKAGE_NAME ${file_name}-${VARORIZO_PRODUCT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_FILE_NAME ${VARORIZO_PACKAGE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_VARORIZO_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_VARORIZO_ZIP ${VARORIZO_ZIP})
include(CPack)

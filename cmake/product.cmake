# The product an integrator ships the launcher as (docs/artwork.md): its name, which is the
# launcher's window title and class name and names the guard that lets one launcher of it run at a
# time; its version; its maker and copyright line; whether keys choose in its menu. All go into both Windows files' version
# resources. Texts are UTF-8; a value the resources or the window cannot hold stops the
# configuration with a message that names it.
set(VARORIZO_PRODUCT_NAME "Varorizo" CACHE STRING
    "Product name: the launcher's window title and the version resources' product (docs/artwork.md)")
set(VARORIZO_PRODUCT_VERSION "${PROJECT_VERSION}" CACHE STRING
    "Product version: one to four numbers from 0 to 65535 with dots between, e.g. 2.1.0")
set(VARORIZO_COMPANY "The Varorizo developers" CACHE STRING
    "The maker named in the version resources")
set(VARORIZO_COPYRIGHT "" CACHE STRING
    "The copyright line of the version resources; empty: Copyright (C) 2026 and the maker")
option(VARORIZO_KEYBOARD
       "Keys choose in the launcher's menu: Tab, the arrows, Home and End move, Enter starts"
       OFF)

# varorizo_check_text(VARIABLE MAX_BYTES): stops unless VARIABLE holds 1 to MAX_BYTES bytes of
# UTF-8 text without control characters. The check reads the bytes in hexadecimal, where every
# alternative below is one whole character (no overlong forms, no UTF-16 surrogates).
function(varorizo_check_text variable max_bytes)
    set(text "${${variable}}")
    set(tail "[89ab][0-9a-f]")
    set(character "(2[0-9a-f]|[3-6][0-9a-f]|7[0-9a-e]|c[2-9a-f]${tail}|d[0-9a-f]${tail}")
    string(APPEND character "|e0[ab][0-9a-f]${tail}|e[1-9a-cef]${tail}${tail}|ed[89][0-9a-f]${tail}")
    string(APPEND character "|f0[9ab][0-9a-f]${tail}${tail}|f[1-3]${tail}${tail}${tail}")
    string(APPEND character "|f48[0-9a-f]${tail}${tail})")
    string(HEX "${text}" hex)
    string(LENGTH "${text}" bytes)
    if(NOT hex MATCHES "^${character}+$" OR bytes GREATER max_bytes)
        message(FATAL_ERROR "${variable} \"${text}\" is not a name the files can carry: give "
                            "1 to ${max_bytes} bytes of UTF-8 text without control characters")
    endif()
endfunction()

# varorizo_version_numbers(VERSION OUT): the four numbers of the resources' fixed version part,
# separated by ", ", missing ones 0; stops when VERSION is not one to four numbers from 0 to 65535
# with dots between.
function(varorizo_version_numbers version out)
    set(numbers "")
    if(version MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
        string(REPLACE "." ";" numbers "${version}")
    endif()
    foreach(number ${numbers})
        string(LENGTH "${number}" digits)
        if(digits GREATER 5 OR number GREATER 65535)
            set(numbers "")
        endif()
    endforeach()
    if(numbers STREQUAL "")
        message(FATAL_ERROR "VARORIZO_PRODUCT_VERSION \"${version}\" is not a version the files "
                            "can carry: give one to four numbers from 0 to 65535 with dots "
                            "between, e.g. 2.1.0")
    endif()
    list(LENGTH numbers count)
    while(count LESS 4)
        list(APPEND numbers 0)
        math(EXPR count "${count} + 1")
    endwhile()
    list(TRANSFORM numbers REPLACE "^0+([0-9])" "\\1")
    string(REPLACE ";" ", " numbers "${numbers}")
    set(${out} "${numbers}" PARENT_SCOPE)
endfunction()

set(VARORIZO_COPYRIGHT_LINE "${VARORIZO_COPYRIGHT}")
if(VARORIZO_COPYRIGHT_LINE STREQUAL "")
    set(VARORIZO_COPYRIGHT_LINE "Copyright (C) 2026 ${VARORIZO_COMPANY}")
endif()
varorizo_check_text(VARORIZO_PRODUCT_NAME 100)
varorizo_check_text(VARORIZO_COMPANY 200)
varorizo_check_text(VARORIZO_COPYRIGHT_LINE 200)
varorizo_version_numbers("${VARORIZO_PRODUCT_VERSION}" VARORIZO_VERSION_NUMBERS)

# The name as a C++ string literal's contents.
string(REPLACE "\\" "\\\\" VARORIZO_PRODUCT_NAME_LITERAL "${VARORIZO_PRODUCT_NAME}")
string(REPLACE "\"" "\\\"" VARORIZO_PRODUCT_NAME_LITERAL "${VARORIZO_PRODUCT_NAME_LITERAL}")

# Whether keys choose, as a C++ literal.
if(VARORIZO_KEYBOARD)
    set(VARORIZO_KEYBOARD_LITERAL true)
else()
    set(VARORIZO_KEYBOARD_LITERAL false)
endif()

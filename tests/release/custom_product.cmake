# Builds launcher.exe and cartoons.dll as an integrator's product, named outside ASCII and with a
# menu of its own, for the Wine tests that read its title and version resources back and use its
# menu (tests/wine/launcher_e2e_test.cpp holds the same settings). First a version or a name that
# the files cannot carry must each stop the configuration with a message that names it.
# cmake -DSOURCE=<sources> -DBUILD=<folder> -DTOOLCHAIN=<toolchain file> -DGENERATOR=<generator>
#       -P custom_product.cmake

# Its menu, which keys choose in: three buttons of their own sizes, colours and places on a plain
# background, one starting a program named outside ASCII with arguments that hold blanks and
# quotes.
set(menu ${BUILD}-menu)
file(REMOVE_RECURSE ${menu})
file(MAKE_DIRECTORY ${menu})
find_program(CONVERT convert REQUIRED)
foreach(picture "background;800x600;305070" "wide-lit;200x50;e0a020" "tall-lit;90x140;20c060"
        "tiny-lit;40x30;c02060")
    list(GET picture 0 name)
    list(GET picture 1 size)
    list(GET picture 2 colour)
    if(NOT name STREQUAL "background")
        set(name button-${name})
    endif()
    execute_process(COMMAND ${CONVERT} -size ${size} "xc:#${colour}" PNG24:${menu}/${name}.png
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "could not draw ${menu}/${name}.png")
    endif()
endforeach()
file(WRITE ${menu}/menu.ini "[button 1]\nname = Breit\npicture = wide\nrun = Breit.exe\nx = 40\n"
     "y = 60\nlanguage = de\n\n[button 2]\nname = Hoch\npicture = tall\nrun = setup.exe\n"
     "x = 300\ny = 200\nlanguage = en-GB\n\n[button 3]\nname = Klein\npicture = tiny\nrun = Größe.exe\nx = 700\n"
     "y = 540\narguments = /LANG=de /DIR=\"C:\\My Apps\" say \\\"hi\\\" \"a b\"\n")

set(settings "-DVARORIZO_PRODUCT_NAME=Ångström Studio 製品" -DVARORIZO_PRODUCT_VERSION=2.08.17.3
    "-DVARORIZO_COMPANY=Acme \"Tools\" \\ Ltd" "-DVARORIZO_COPYRIGHT=© 2031 Acme"
    -DVARORIZO_ARTWORK_DIR=${menu} -DVARORIZO_KEYBOARD=ON)
set(configure ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -G ${GENERATOR} --toolchain ${TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release -DVARORIZO_BACKEND=win32 -DVARORIZO_TESTS=OFF ${settings})

foreach(case "VARORIZO_PRODUCT_VERSION=2.1-beta" "VARORIZO_PRODUCT_VERSION=1.65536"
        "VARORIZO_PRODUCT_VERSION=1.2.3.4.5" "VARORIZO_PRODUCT_NAME=Tab\there")
    string(REGEX MATCH "^([A-Z_]+)=(.*)$" case "${case}")
    set(named "${CMAKE_MATCH_1} \"${CMAKE_MATCH_2}\" is not a")
    execute_process(COMMAND ${configure} "-D${case}" OUTPUT_VARIABLE output
                    ERROR_VARIABLE output RESULT_VARIABLE failed)
    string(REGEX REPLACE "[ \n]+" " " output "${output}")
    string(FIND "${output}" "${named}" found)
    if(NOT failed OR found EQUAL -1)
        message(FATAL_ERROR "${case} did not stop the configuration with its name:\n${output}")
    endif()
endforeach()

include(${SOURCE}/cmake/run_step.cmake)
run("configuring the other product" ${configure})
run("building the other product" ${CMAKE_COMMAND} --build ${BUILD} -j 2 --target launcher cartoons)

# The name outside ASCII makes autorun.inf UTF-16LE after a byte-order mark; the label is the
# name's code units as written out here.
set(head "[autorun]\r\nopen=launcher.exe\r\nicon=launcher.exe,0\r\nlabel=")
string(HEX "${head}" head)
string(REGEX REPLACE "(..)" "\\100" head "${head}")
set(label "c5006e006700730074007200f6006d002000530074007500640069006f002000fd88c1540d000a00")
file(READ ${BUILD}/autorun.inf autorun HEX)
if(NOT autorun STREQUAL "fffe${head}${label}")
    message(FATAL_ERROR "${BUILD}/autorun.inf is not the text in UTF-16LE after FF FE:\n${autorun}")
endif()

# GoogleTest: the system package natively, built from Debian's sources for the Windows targets.
if(WIN32)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# varorizo_test(NAME SOURCES... LIBS ... [ENVIRONMENT VAR=VALUE...] [FIXTURES fixture...]): one test
# program; every test case becomes one CTest test, run after the CTest fixtures it names.
function(varorizo_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT;FIXTURES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} varorizo_platform_test_calls GTest::gtest_main)
    if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
        return()  # x86 programs are compiled but cannot run here
    endif()
    # Under Wine and in the SDL window the tests share one X display (and one Wine server): one
    # at a time.
    set(serial FALSE)
    if(WIN32 OR VARORIZO_BACKEND STREQUAL "sdl")
        set(serial TRUE)
    endif()
    # A hang fails its test instead of stalling the run; a real window's test may take longer.
    set(timeout 120)
    if(serial)
        set(timeout 600)
    endif()
    set(properties RUN_SERIAL ${serial} TIMEOUT ${timeout})
    if(ARG_ENVIRONMENT)
        list(APPEND properties ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
    if(ARG_FIXTURES)
        list(APPEND properties FIXTURES_REQUIRED "${ARG_FIXTURES}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 600
                         PROPERTIES ${properties})
endfunction()

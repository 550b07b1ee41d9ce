# Helpers shared by every folder of the tree.

set(BOARD_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

# A library of portable code: compiles on the host and for Windows alike.
function(board_portable_library name)
    add_library(${name} STATIC ${ARGN})
    target_compile_options(${name} PRIVATE ${BOARD_WARNINGS})
endfunction()

# Native unit tests of a folder: board_unit_tests(NAME SOURCES... LIBS ...)
function(board_unit_tests name)
    if(NOT BOARD_NATIVE)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${BOARD_WARNINGS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()

# A Windows program, runtime linked statically so that it needs no DLL of
# the toolchain: board_windows_program(TARGET OUTPUT_NAME SUFFIX GUI|CONSOLE sources...)
function(board_windows_program target output suffix kind)
    add_executable(${target} ${ARGN})
    if(kind STREQUAL "GUI")
        set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    endif()
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output} SUFFIX ${suffix})
    target_compile_options(${target} PRIVATE ${BOARD_WARNINGS})
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

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

# A kernel driver of the simulated board, loaded by Wine, installed into
# `drivers`: board_kernel_driver(TARGET OUTPUT_NAME sources...)
function(board_kernel_driver target output)
    add_executable(${target} ${ARGN})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output} SUFFIX .sys)
    target_include_directories(${target} PRIVATE ${CMAKE_FIND_ROOT_PATH}/include/ddk)
    # The DDK headers define two bit-test intrinsics that the compiler's own
    # intrinsic header defines too; these names keep the compiler's out.
    target_compile_definitions(${target} PRIVATE
        __INTRINSIC_DEFINED_InterlockedBitTestAndSet
        __INTRINSIC_DEFINED_InterlockedBitTestAndReset)
    target_compile_options(${target} PRIVATE ${BOARD_WARNINGS}
        -ffreestanding -fno-exceptions -fno-rtti -fno-stack-protector -fno-asynchronous-unwind-tables)
    target_link_options(${target} PRIVATE
        -Wl,--subsystem,native -shared -nostdlib -nostartfiles -e DriverEntry)
    target_link_libraries(${target} PRIVATE ntoskrnl gcc)
    install(FILES $<TARGET_FILE:${target}> DESTINATION drivers)
endfunction()

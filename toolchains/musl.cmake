# Compiles with g++-12 against musl and a libstdc++ built for it, linking
# statically: musl/build-toolchain makes that toolchain on first use (a few
# minutes) and hands back its cached copy afterwards, in well under a second.
#
# CMake reads this file again in every try_compile project; those get the
# toolchain's location from the project that configured it, and never run
# the script.

include(${CMAKE_CURRENT_LIST_DIR}/stop.cmake)

if(NOT DEFINED HELLO_MUSL_PREFIX)
  execute_process(
    COMMAND "${CMAKE_CURRENT_LIST_DIR}/../musl/build-toolchain"
    OUTPUT_VARIABLE HELLO_MUSL_PREFIX
    ERROR_VARIABLE errors
    ECHO_ERROR_VARIABLE
    RESULT_VARIABLE status
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    # The script's last line says what went wrong and what to install.
    string(STRIP "${errors}" errors)
    string(REGEX REPLACE ".*\n" "" reason "${errors}")
    toolchain_stop("musl toolchain: ${reason}")
  endif()
  # Progress may precede it: the prefix is the last line.
  string(REGEX REPLACE ".*\n" "" HELLO_MUSL_PREFIX "${HELLO_MUSL_PREFIX}")
endif()
if(NOT "HELLO_MUSL_PREFIX" IN_LIST CMAKE_TRY_COMPILE_PLATFORM_VARIABLES)
  list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HELLO_MUSL_PREFIX)
endif()

set(CMAKE_CXX_COMPILER "${HELLO_MUSL_PREFIX}/bin/musl-g++")

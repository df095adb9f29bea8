# Compiles with the release's default g++ against musl and a libstdc++ built for it, linking
# statically, for the Debian architecture HELLO_ARCH names (this machine's
# when it is not set; the cross preset sets it from DEB_HOST_ARCH).
# musl/build-toolchain makes that toolchain on first use and hands back its
# cached copy afterwards, once it has checked it. Built for another
# processor, the tests run the result under qemu-user: i386 too, since not
# every amd64 kernel runs 32-bit programs.
#
# CMake reads this file again in every try_compile project; those get the
# toolchain's location from the project that configured it, and never run
# the script.

include(${CMAKE_CURRENT_LIST_DIR}/stop.cmake)

if(NOT DEFINED HELLO_MUSL_PREFIX)
  execute_process(COMMAND dpkg --print-architecture
    OUTPUT_VARIABLE machine OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(arch ${machine})
  if(DEFINED HELLO_ARCH)
    if(HELLO_ARCH STREQUAL "")
      toolchain_stop("DEB_HOST_ARCH is not set: name a Debian architecture, as in DEB_HOST_ARCH=arm64 cmake --workflow --preset cross")
    endif()
    set(arch ${HELLO_ARCH})
  endif()
  # The cache the first configure used is used ever after, whatever the
  # environment says then.
  set(cache "")
  if(HELLO_MUSL_CACHE)
    set(cache "HELLO_MUSL_CACHE=${HELLO_MUSL_CACHE}")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${cache} "${CMAKE_CURRENT_LIST_DIR}/../musl/build-toolchain" "${arch}"
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
  # A build folder is for one toolchain. For another (another architecture,
  # or one built anew since a package was updated) CMake would clear its
  # cache, and with it the options of the first configure.
  set(compiler "${HELLO_MUSL_PREFIX}/bin/musl-g++")
  if("$CACHE{CMAKE_CXX_COMPILER}" MATCHES "/bin/musl-g\\+\\+$" AND NOT "$CACHE{CMAKE_CXX_COMPILER}" STREQUAL compiler)
    toolchain_stop("${CMAKE_BINARY_DIR} was made with $CACHE{CMAKE_CXX_COMPILER}, and the toolchain is now ${compiler}: configure it afresh (--fresh)")
  endif()
  get_filename_component(cache "${HELLO_MUSL_PREFIX}" DIRECTORY)
  set(HELLO_MUSL_CACHE "${cache}" CACHE PATH "Where the musl toolchain is kept: HELLO_MUSL_CACHE, or its default, at the first configure")
  # The release files are named after the Debian architecture.
  set(HELLO_ARCHITECTURE ${arch})
  set(HELLO_CPU "")
  if(NOT arch STREQUAL machine)
    # Its row in cmake/architectures names the processor, its strip, and
    # the emulator. Where that is missing, the bare name stays, and the
    # tests' check of their tools names its package.
    include(${CMAKE_CURRENT_LIST_DIR}/../cmake/architectures.cmake)
    hello_architecture(${arch})
    string(REGEX REPLACE "-.*" "" HELLO_CPU ${HELLO_GNU})
    find_program(HELLO_EMULATOR qemu-${HELLO_QEMU} NO_CACHE)
    if(NOT HELLO_EMULATOR)
      set(HELLO_EMULATOR qemu-${HELLO_QEMU})
    endif()
    find_program(HELLO_STRIP ${HELLO_GNU}-strip NO_CACHE REQUIRED)
  endif()
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HELLO_MUSL_PREFIX HELLO_CPU HELLO_EMULATOR HELLO_STRIP)
list(REMOVE_DUPLICATES CMAKE_TRY_COMPILE_PLATFORM_VARIABLES)

# In the cache, so that the next configure can tell whether the toolchain
# changed.
set(CMAKE_CXX_COMPILER "${HELLO_MUSL_PREFIX}/bin/musl-g++" CACHE FILEPATH "C++ compiler" FORCE)
if(HELLO_CPU)
  set(CMAKE_SYSTEM_NAME Linux)
  set(CMAKE_SYSTEM_PROCESSOR ${HELLO_CPU})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HELLO_EMULATOR})
  set(CMAKE_STRIP ${HELLO_STRIP} CACHE FILEPATH "Strip")
endif()

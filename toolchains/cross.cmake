# Builds for the Debian architecture that DEB_HOST_ARCH names (arm64,
# s390x, ...) with Debian's cross g++ and the glibc it comes with, linked
# statically like the default build. The tests run the result under
# qemu-user: every architecture but the machine's own, i386 included, since
# not every amd64 kernel runs 32-bit programs.
#
# CMake reads this file again in every try_compile project; those inherit
# the results through CMAKE_TRY_COMPILE_PLATFORM_VARIABLES.

include(${CMAKE_CURRENT_LIST_DIR}/stop.cmake)

if(NOT DEFINED HELLO_DEB_ARCH)
  set(arch "$ENV{DEB_HOST_ARCH}")
  if(arch STREQUAL "")
    toolchain_stop("DEB_HOST_ARCH is not set: name a Debian architecture, as in DEB_HOST_ARCH=arm64 cmake --workflow --preset cross")
  endif()
  find_program(dpkg_architecture dpkg-architecture NO_CACHE)
  if(NOT dpkg_architecture)
    toolchain_stop("dpkg-architecture is missing: apt-get install dpkg-dev")
  endif()
  # Without a cross compiler named in CC, dpkg-architecture warns that the
  # host's gcc targets another system; that is what cross-compiling means.
  foreach(query GNU_TYPE GNU_CPU)
    execute_process(COMMAND ${dpkg_architecture} -a ${arch} -qDEB_HOST_${query}
      OUTPUT_VARIABLE ${query} OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
      RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR ${query} STREQUAL "")
      toolchain_stop("DEB_HOST_ARCH=${arch} is not an architecture that dpkg-architecture knows (dpkg-architecture -L lists them)")
    endif()
  endforeach()

  set(missing "")
  find_program(cxx ${GNU_TYPE}-g++ NO_CACHE)
  if(NOT cxx)
    string(REPLACE "_" "-" package g++-${GNU_TYPE})  # as Debian names packages
    list(APPEND missing ${package})
  endif()
  execute_process(COMMAND dpkg --print-architecture
    OUTPUT_VARIABLE machine OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(emulator "")
  if(NOT arch STREQUAL machine)
    # qemu names two of Debian's CPUs its own way.
    string(REGEX REPLACE "^i[3-6]86$" i386 qemu ${GNU_CPU})
    string(REPLACE powerpc64le ppc64le qemu ${qemu})
    find_program(qemu_path qemu-${qemu}-static NO_CACHE)
    if(qemu_path)
      set(emulator ${qemu_path})
    else()
      list(APPEND missing qemu-user-static)
    endif()
  endif()
  if(missing)
    list(JOIN missing " " missing)
    toolchain_stop("building and testing for ${arch} needs Debian packages that are missing: apt-get install ${missing}")
  endif()
  set(HELLO_DEB_ARCH ${arch})
  set(HELLO_CPU ${GNU_CPU})
  set(HELLO_CXX ${cxx})
  set(HELLO_EMULATOR ${emulator})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HELLO_DEB_ARCH HELLO_CPU HELLO_CXX HELLO_EMULATOR)
list(REMOVE_DUPLICATES CMAKE_TRY_COMPILE_PLATFORM_VARIABLES)

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${HELLO_CPU})
set(CMAKE_CXX_COMPILER ${HELLO_CXX})
set(CMAKE_CROSSCOMPILING_EMULATOR ${HELLO_EMULATOR})

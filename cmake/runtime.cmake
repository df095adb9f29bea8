# How hello links its C++ runtime and C library. The runtime target carries
# the choice, so that the test programs that must run wherever hello runs
# link the same way.
add_library(runtime INTERFACE)
target_link_libraries(hello PRIVATE runtime)

# The Debian packages the messages below name carry the version of the
# compiler in use, so that no version is written down here.
string(REGEX MATCH "^[0-9]+" major "${CMAKE_CXX_COMPILER_VERSION}")

# Start-up is all this program costs, and dynamic loading is most of it.
option(HELLO_STATIC "Link statically: twice as fast to start (see bench/README.md)" ON)
set(cxxlib libstdc++)
set(link dynamically)
if(HELLO_STATIC)
  # Clang links libc++, with which hello runs fewer instructions than with
  # libstdc++. A build that cannot link what it promises stops; a failed
  # probe is forgotten, so that installing the package is enough.
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_QUIET ON)
  set(probe "#include <iostream>\nint main() { std::cout << std::endl; }")
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(cxxlib libc++)
    set(CMAKE_REQUIRED_FLAGS -stdlib=libc++)
    set(CMAKE_REQUIRED_LINK_OPTIONS -stdlib=libc++ -static)
    set(missing "libc++-${major}-dev libc++abi-${major}-dev")
  else()
    set(CMAKE_REQUIRED_LINK_OPTIONS -static)
    set(missing "the static C and C++ libraries (libc6-dev and libstdc++-${major}-dev, or their -cross packages)")
  endif()
  check_cxx_source_compiles("${probe}" HELLO_STATIC_LINKS)
  if(NOT HELLO_STATIC_LINKS)
    unset(HELLO_STATIC_LINKS CACHE)
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} cannot link ${cxxlib} statically here: apt-get install ${missing}")
  endif()
  target_compile_options(runtime INTERFACE ${CMAKE_REQUIRED_FLAGS})
  target_link_options(runtime INTERFACE ${CMAKE_REQUIRED_LINK_OPTIONS})
  # Unused library sections stay out of the executable: 250 KB less
  # memory. Not in a dynamic link: there it would drop the references
  # that tell dpkg-shlibdeps which libstdc++ the program needs.
  target_link_options(hello PRIVATE -Wl,--gc-sections)
  set(link statically)
endif()
# llvm-strip 14 refuses what GNU ld links statically ("Link field value 29
# in section .rela.plt is not a symbol table"): GNU strip, from the
# binutils that linked it, strips every build.
if(CMAKE_STRIP MATCHES "llvm-strip")
  find_program(gnu_strip strip REQUIRED NO_CACHE)
  set(CMAKE_STRIP ${gnu_strip} CACHE FILEPATH "Strip" FORCE)
endif()
# A broken compiler may exit 0 and write nothing. The old hello goes before
# the link, and comparing the file with itself fails when it is missing, so
# the build fails rather than report a hello it did not make.
add_custom_command(TARGET hello PRE_LINK COMMAND ${CMAKE_COMMAND} -E rm -f $<TARGET_FILE:hello> VERBATIM)
add_custom_command(TARGET hello POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E compare_files $<TARGET_FILE:hello> $<TARGET_FILE:hello> VERBATIM)

# The build log says which libraries were chosen, and for which processor:
# the presets differ in nothing else a user can see.
include(CheckCXXSymbolExists)
check_cxx_symbol_exists(__GLIBC__ cstdio HELLO_GLIBC)
if(HELLO_GLIBC)
  set(libc glibc)
else()
  set(libc musl)
endif()
message(STATUS "hello: ${cxxlib} on ${libc}, linked ${link}, for ${CMAKE_SYSTEM_PROCESSOR}")
# When CMake clears its cache it drops the toolchain file's compiler for
# the system's; a musl build that finds glibc then stops rather than link
# the wrong C library.
if(CMAKE_TOOLCHAIN_FILE MATCHES "/musl\\.cmake$" AND NOT libc STREQUAL musl)
  message(FATAL_ERROR "${CMAKE_CXX_COMPILER} links ${libc}, not musl: remove ${CMAKE_BINARY_DIR} and configure again")
endif()

# A musl build lays out the code and data its start-up touches together, in
# musl/sections.ld's order, where its GNU ld can (2.43 on). Both files are
# named from the binary folder, where the link runs: no byte of the source's
# path reaches the linker's options, which split at commas.
if(libc STREQUAL musl)
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-Wl,--section-ordering-file=/dev/null" HELLO_SECTION_ORDERING)
  if(HELLO_SECTION_ORDERING)
    configure_file(musl/sections.ld sections.ld COPYONLY)
    target_link_options(hello PRIVATE "-Wl,--section-ordering-file=sections.ld")
    set_property(TARGET hello APPEND PROPERTY LINK_DEPENDS ${CMAKE_BINARY_DIR}/sections.ld)
  endif()
  target_link_options(hello PRIVATE "-Wl,-Map=hello.map")
endif()

# Included by the toolchain files. toolchain_stop() stops the configure
# with TEXT; it sets the compiler and the build tool first, or CMake would
# add errors about them that miss the point.
macro(toolchain_stop text)
  set(CMAKE_CXX_COMPILER false)
  find_program(CMAKE_MAKE_PROGRAM make NO_CACHE)
  message(FATAL_ERROR "${text}")
endmacro()

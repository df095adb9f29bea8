# Included by CMakeLists.txt: writes the copyright file in Debian's
# machine-readable format (copyright-format 1.0). A static executable holds
# the libraries it was linked with, so their licences are part of it too;
# HELLO_EMBEDDED names them, from these:
#   glibc  the GNU C Library
#   gcc    GCC's runtime libraries: libstdc++, libgcc
#   llvm   LLVM's runtime libraries: libc++, libc++abi, libunwind
#   musl   musl, under the same licence as hello
set(holder_glibc "1991-2022 Free Software Foundation, Inc. (the GNU C Library)")
set(holder_gcc "1987-2022 Free Software Foundation, Inc. (GCC's runtime libraries)")
set(holder_llvm "2003-2022 LLVM Project contributors (LLVM's runtime libraries)")
set(holder_musl "2005-2020 Rich Felker and other contributors (musl)")

file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE mit)
string(REGEX MATCH "\nCopyright \\(c\\) ([^\n]*)\n\n(.*[^\n])\n*$" _ "${mit}")
set(authors ${CMAKE_MATCH_1})
string(REGEX REPLACE "\n\n" "\n.\n" mit "${CMAKE_MATCH_2}")
string(REGEX REPLACE "\n" "\n " mit " ${mit}")

set(text "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: hello

Files: *
Copyright: ${authors}
License: MIT
")
if(HELLO_EMBEDDED)
  set(holders "")
  set(licenses MIT)
  set(paragraphs "")
  foreach(part IN LISTS HELLO_EMBEDDED)
    string(APPEND holders "\n           ${holder_${part}}")
    if(NOT part STREQUAL musl)
      file(READ ${CMAKE_CURRENT_LIST_DIR}/licenses/${part} paragraph)
      string(REGEX MATCH "^License: ([^\n]*)" _ "${paragraph}")
      list(APPEND licenses "${CMAKE_MATCH_1}")
      string(APPEND paragraphs "\n${paragraph}")
    endif()
  endforeach()
  list(JOIN licenses " and " licenses)
  string(APPEND text "
Files: usr/bin/hello
Copyright: ${authors}${holders}
License: ${licenses}
Comment: Linked statically, the program holds parts of the libraries above.
")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/copyright "${text}
License: MIT
${mit}
${paragraphs}")

# The table cmake/architectures, for CMake.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/architectures hello_architecture_rows REGEX "^[a-z]")

# hello_architecture(ARCH) sets HELLO_DEBIAN, HELLO_GNU, HELLO_MUSL,
# HELLO_QEMU, HELLO_OCI and HELLO_RELEASES (a list) from the row of the Debian
# architecture ARCH, and stops the configure if there is none.
function(hello_architecture arch)
  set(fields DEBIAN GNU MUSL QEMU OCI RELEASES)
  foreach(row IN LISTS hello_architecture_rows)
    string(REGEX MATCHALL "[^ ]+" row "${row}")
    list(GET row 0 debian)
    if(debian STREQUAL arch)
      foreach(i RANGE 5)
        list(GET fields ${i} field)
        list(GET row ${i} field_value)
        string(REPLACE "," ";" field_value "${field_value}")
        set(HELLO_${field} "${field_value}" PARENT_SCOPE)
      endforeach()
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${arch} is not a Debian architecture this project builds for (cmake/architectures lists them)")
endfunction()

# hello_architectures(VAR RELEASE) sets VAR to the Debian architectures
# that the Debian release RELEASE (a codename) has.
function(hello_architectures var release)
  set(architectures "")
  foreach(row IN LISTS hello_architecture_rows)
    string(REGEX MATCHALL "[^ ]+" row "${row}")
    list(GET row 5 releases)
    string(REPLACE "," ";" releases "${releases}")
    if(release IN_LIST releases)
      list(GET row 0 debian)
      list(APPEND architectures ${debian})
    endif()
  endforeach()
  set(${var} ${architectures} PARENT_SCOPE)
endfunction()

# Read by cpack as it starts (CPACK_PROJECT_CONFIG_FILE).

# The maintainer comes from Debian's convention, DEBFULLNAME and DEBEMAIL
# (which may hold "Name <address>"; DEBFULLNAME's name wins, as with dch),
# or from -DCPACK_DEBIAN_PACKAGE_MAINTAINER="Name <address>" at configure
# time: the project has no address of its own to put there. The value goes
# into the control file and the changelog as it is, so one that the field
# cannot hold whole is refused, naming the variable it came from.
if(CPACK_DEBIAN_PACKAGE_MAINTAINER)
  set(source CPACK_DEBIAN_PACKAGE_MAINTAINER)
elseif(NOT "$ENV{DEBEMAIL}" STREQUAL "")
  set(name "$ENV{DEBFULLNAME}")
  set(address "$ENV{DEBEMAIL}")
  set(source "DEBFULLNAME and DEBEMAIL")
  if(address MATCHES "^(.*) <(.*)>$")
    set(address "${CMAKE_MATCH_2}")
    if(name STREQUAL "")
      set(name "${CMAKE_MATCH_1}")
      set(source DEBEMAIL)
    endif()
  endif()
  if(name STREQUAL "" AND NOT address MATCHES "<")
    message(FATAL_ERROR "set DEBFULLNAME to the maintainer's name, or DEBEMAIL to \"Name <address>\"")
  endif()
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${name} <${address}>")
else()
  message(FATAL_ERROR "set DEBFULLNAME and DEBEMAIL (or CPACK_DEBIAN_PACKAGE_MAINTAINER) to name the package's maintainer")
endif()
set(controls "")
foreach(code RANGE 1 31)
  string(ASCII ${code} character)
  string(APPEND controls "${character}")
endforeach()
if(CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "[${controls}]")
  message(FATAL_ERROR "${source}: the maintainer holds a control character, such as a newline or a tab, which the Maintainer field cannot hold")
endif()
# One contact, as RFC 5322 reads it: the name has none of the characters
# that separate or quote addresses, and the address is one address.
if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "^[^][<>,;@\\]*[^][<>,;@\\ ] <[^][<>,;@\\ ]+@[^][<>,;@\\ ]+>$")
  message(FATAL_ERROR "${source}: \"${CPACK_DEBIAN_PACKAGE_MAINTAINER}\" is not one maintainer, Name <address@domain>, with no , ; @ [ ] \\ < or > in the name")
endif()

# Every time stamp in the package is the newest changelog entry's, so one
# release always makes the same bytes, from a clone or a tarball.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_HELLO_EPOCH})
endif()

# A static executable depends on no package; a dynamic one would need its
# dependencies found by dpkg-shlibdeps, which this packaging does not run.
if(NOT CPACK_HELLO_LINK STREQUAL statically)
  message(FATAL_ERROR "this build is linked dynamically; only a static build is packaged (cpack --preset default)")
endif()

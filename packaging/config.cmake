# Read by cpack as it starts (CPACK_PROJECT_CONFIG_FILE).

# The maintainer comes from Debian's convention, DEBFULLNAME and DEBEMAIL,
# or from -DCPACK_DEBIAN_PACKAGE_MAINTAINER="Name <address>" at configure
# time: the project has no address of its own to put there.
if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
  if("$ENV{DEBEMAIL}" MATCHES "<")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBEMAIL}")
  elseif(NOT "$ENV{DEBFULLNAME}" STREQUAL "" AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  else()
    message(FATAL_ERROR "set DEBFULLNAME and DEBEMAIL (or CPACK_DEBIAN_PACKAGE_MAINTAINER) to name the package's maintainer")
  endif()
endif()

# Every time stamp in the package is the last commit's, so one commit
# always makes the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_HELLO_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(epoch)
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  endif()
endif()

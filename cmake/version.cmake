# The version and the manual page's date come from the newest entry of
# CHANGELOG.md, "## VERSION - YYYY-MM-DD", and from nothing else: the
# Debian package's changelog follows it (the package checks compare them).
file(STRINGS CHANGELOG.md release REGEX "^## " LIMIT_COUNT 1)
if(NOT release MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) - ([0-9]+-[0-9]+-[0-9]+)( [0-9]+:[0-9]+)?$")
  message(FATAL_ERROR "CHANGELOG.md: its first heading must read ## VERSION - YYYY-MM-DD")
endif()
set(HELLO_DATE ${CMAKE_MATCH_2})
set(HELLO_VERSION ${CMAKE_MATCH_1})

# The version and the manual page's date come from the newest entry of
# CHANGELOG.md, "## VERSION - YYYY-MM-DD". The Debian package's changelog
# names the version too, so configure stops where the two disagree.
file(STRINGS CHANGELOG.md release REGEX "^## " LIMIT_COUNT 1)
if(NOT release MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) - ([0-9]+-[0-9]+-[0-9]+)( [0-9]+:[0-9]+)?$")
  message(FATAL_ERROR "CHANGELOG.md: its first heading must read ## VERSION - YYYY-MM-DD")
endif()
set(HELLO_DATE ${CMAKE_MATCH_2})
set(HELLO_VERSION ${CMAKE_MATCH_1})
file(STRINGS debian/changelog debian_release LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${HELLO_VERSION})
if(NOT debian_release MATCHES "^hello-greeting \\(${version_pattern}-[0-9]+\\) ")
  message(FATAL_ERROR "debian/changelog: its first entry must be version ${HELLO_VERSION}, as in CHANGELOG.md")
endif()

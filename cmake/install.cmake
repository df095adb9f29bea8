# Included by CMakeLists.txt: installs hello and its manual page, and lets
# cmake --build BUILD --target uninstall take back exactly what the
# installs from BUILD put there (cmake/install-record.cmake says how).
# CMake's own install_manifest.txt cannot serve: every install rewrites it,
# a packager's staging included, and it holds neither hashes nor folders.

# Folders made by an install are 0755 whatever the umask, so a package's
# bytes and lintian's verdict do not depend on who built it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(installed_program ${CMAKE_INSTALL_BINDIR}/${HELLO_PROGRAM})
set(installed_page ${CMAKE_INSTALL_MANDIR}/man1/${HELLO_PROGRAM}.1)
# The install script gets each path in a bracket argument closed by more
# "=" than follow any "]" in the path, which therefore cannot end it.
function(hello_bracket var value)
  set(eq "")
  string(FIND "${value}" "]" at)
  while(NOT at EQUAL -1)
    string(APPEND eq "=")
    string(FIND "${value}" "]${eq}" at)
  endwhile()
  set(${var} "[${eq}[${value}]${eq}]" PARENT_SCOPE)
endfunction()
hello_bracket(quoted_record_script "${CMAKE_CURRENT_LIST_DIR}/install-record.cmake")
hello_bracket(quoted_build "${CMAKE_BINARY_DIR}")
hello_bracket(quoted_program "${installed_program}")
hello_bracket(quoted_page "${installed_page}")
install(CODE "include(${quoted_record_script})
  hello_install_begin(${quoted_build} ${quoted_program} ${quoted_page})")
install(TARGETS hello)
install(CODE "hello_install_done(${quoted_program})")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${HELLO_PROGRAM}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(CODE "hello_install_done(${quoted_page})")

add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -D build=${CMAKE_BINARY_DIR}
  -P ${CMAKE_CURRENT_LIST_DIR}/uninstall.cmake VERBATIM)

# Included by CMakeLists.txt: installs hello and its manual page, and lets
# cmake --build BUILD --target uninstall take back what the installs from
# BUILD put there.

# Folders made by an install are 0755 whatever the umask, so a package's
# bytes and lintian's verdict do not depend on who built it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Each install that is not staged under DESTDIR (cpack's and a packager's
# are) is recorded, with the folders it made, and the uninstall target
# removes what the record names and nothing else. CMake's own
# install_manifest.txt cannot serve: every install rewrites it, cpack's
# staging included, and it leaves DESTDIR out.
install(CODE "set(hello_record [[${CMAKE_BINARY_DIR}/installed.txt]])
  set(hello_install_dirs [[${CMAKE_INSTALL_BINDIR};${CMAKE_INSTALL_MANDIR}/man1]])
  set(hello_record_step before)")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/install-record.cmake)
install(TARGETS hello)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/hello.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(CODE "set(hello_record_step after)")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/install-record.cmake)
add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -D record=${CMAKE_BINARY_DIR}/installed.txt
  -P ${CMAKE_CURRENT_LIST_DIR}/uninstall.cmake VERBATIM)

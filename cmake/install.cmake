# Included by CMakeLists.txt: cmake --install puts hello and its manual page
# under the prefix, as CMake's install() does (replacing what is there).
# Then it records in BUILD/installed.sha256 what it wrote, for
# cmake/uninstall to take back: each file's real path (DESTDIR and a
# relative prefix resolved, links followed) and its SHA-256, in sha256sum's
# format with NUL after each line, so that a path may hold any other byte.
# A later install replaces the record; cpack's staging installs, which run
# the same code outside script mode, leave it alone.

# Folders made by an install are 0755 whatever the umask, so a package's
# bytes and lintian's verdict do not depend on who built it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# A staged install stays under DESTDIR: the kernel, not the text, resolves
# "..", so a prefix that could climb out through a link is refused.
install(CODE [[
  if(NOT "$ENV{DESTDIR}" STREQUAL "" AND (NOT IS_ABSOLUTE "${CMAKE_INSTALL_PREFIX}" OR "/${CMAKE_INSTALL_PREFIX}/" MATCHES "/\\.\\./"))
    message(FATAL_ERROR "with DESTDIR, the prefix must be absolute and hold no \"..\": ${CMAKE_INSTALL_PREFIX}")
  endif()
]])
install(TARGETS hello)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${HELLO_PROGRAM}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Set at configure time, where the names are known; the prefix and DESTDIR
# are known only at install time.
install(CODE "set(program [==[${CMAKE_INSTALL_BINDIR}/${HELLO_PROGRAM}]==])
  set(manual [==[${CMAKE_INSTALL_MANDIR}/man1/${HELLO_PROGRAM}.1]==])")
install(CODE [[
  if(CMAKE_SCRIPT_MODE_FILE)
    # Links first, then "..", as the kernel resolves a path.
    if(POLICY CMP0152)
      cmake_policy(SET CMP0152 NEW)
    endif()
    foreach(file program manual)
      cmake_path(ABSOLUTE_PATH ${file} BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
      set(${file} "$ENV{DESTDIR}${${file}}")
      # In script mode, CMAKE_CURRENT_SOURCE_DIR is the working folder.
      cmake_path(ABSOLUTE_PATH ${file} BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
      file(REAL_PATH "${${file}}" ${file})
    endforeach()
    execute_process(COMMAND sha256sum -z -- "${program}" "${manual}"
      OUTPUT_FILE "${CMAKE_CURRENT_LIST_DIR}/installed.sha256" COMMAND_ERROR_IS_FATAL ANY)
  endif()
]])

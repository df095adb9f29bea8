# Included by CMakeLists.txt: cmake --install puts hello and its manual
# page under the prefix, as CMake's install() does (replacing what is
# there), and lists them in install_manifest.txt; cmake -P
# cmake/uninstall.cmake BUILD takes back what that list names.

# Folders made by an install are 0755 whatever the umask, so a package's
# bytes and lintian's verdict do not depend on who built it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Before anything is copied: a staged install stays under DESTDIR, whatever
# ".." the prefix holds; install_manifest.txt, a CMake list, can hold every
# path; and no one else can swap a folder on the way for a link elsewhere
# (cmake/yours-alone).
set(yours_alone ${CMAKE_CURRENT_LIST_DIR}/yours-alone)
install(CODE "set(yours_alone [==[${yours_alone}]==])")
install(CODE [[
  set(to "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  cmake_path(NORMAL_PATH to)
  if(NOT "$ENV{DESTDIR}" STREQUAL "")
    set(destdir "$ENV{DESTDIR}/")
    cmake_path(NORMAL_PATH destdir)
    cmake_path(IS_PREFIX destdir "${to}" NORMALIZE below)
    if(NOT below)
      message(NOTICE "the prefix ${CMAKE_INSTALL_PREFIX} leads out of DESTDIR ${destdir}: nothing installed")
      message(FATAL_ERROR "install refused")
    endif()
  endif()
  if(to MATCHES "[;\n]")
    message(NOTICE "cannot install into ${to}: a path with ; or a newline cannot be listed; nothing installed")
    message(FATAL_ERROR "install refused")
  endif()
  execute_process(COMMAND "${yours_alone}" --under "${to}" OUTPUT_VARIABLE reason OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(reason)
    message(NOTICE "cannot install into ${to}: ${reason}; nothing installed")
    message(FATAL_ERROR "install refused")
  endif()
]])
install(TARGETS hello)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${HELLO_PROGRAM}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

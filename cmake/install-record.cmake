# Run by the install script (cmake --install) twice: before the files are
# installed (hello_record_step "before"), to see which of the folders they
# go to are missing, and after, to add the files and those folders to the
# record that the uninstall target reads. An install staged under DESTDIR,
# as cpack's and a packager's are, puts nothing on this system: it is not
# recorded.
cmake_policy(VERSION 3.25)
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
if(hello_record_step STREQUAL before)
  # The record is a CMake list, one path a line: a folder that a list or a
  # line cannot hold whole is refused before anything is installed.
  set(unsafe "[][;\\\n]")
  # cmake --install drops the slash of --prefix /. A relative prefix is
  # taken from where the install runs; the record is read from elsewhere.
  set(prefix "${CMAKE_INSTALL_PREFIX}")
  if(prefix STREQUAL "")
    set(prefix /)
  endif()
  cmake_path(ABSOLUTE_PATH prefix)
  set(hello_made "")
  foreach(dir IN LISTS hello_install_dirs)
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${prefix}")
    if(dir MATCHES "${unsafe}")
      message(FATAL_ERROR "cannot record an install into ${dir}: the path holds a ; [ ] \\ or newline, so nothing is installed")
    endif()
    while(NOT IS_DIRECTORY "${dir}" AND NOT dir IN_LIST hello_made)
      list(APPEND hello_made "${dir}")
      get_filename_component(dir "${dir}" DIRECTORY)
    endwhile()
  endforeach()
else()
  string(REPLACE ";" "\n" lines "${CMAKE_INSTALL_MANIFEST_FILES};${hello_made}")
  file(APPEND "${hello_record}" "${lines}\n")
endif()

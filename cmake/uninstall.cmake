#   cmake -P cmake/uninstall.cmake BUILD
#
# removes each file that BUILD/install_manifest.txt lists, if it is a regular file,
# reached through no symbolic link, with the bytes of the file of that name
# in BUILD (stripped or not). Anything else is left, named, and the removal
# fails. Before touching anything it refuses a build folder, a list, or a
# folder above a listed file, that is not the caller's alone
# (cmake/yours-alone): no one else can have written the list, or swap a
# folder while it runs.
cmake_minimum_required(VERSION 3.25)
if(NOT CMAKE_ARGC EQUAL 4)
  message(FATAL_ERROR "usage: cmake -P cmake/uninstall.cmake BUILD")
endif()
file(REAL_PATH "${CMAKE_ARGV3}" build)
set(manifest "${build}/install_manifest.txt")
if(NOT EXISTS "${manifest}")
  message(STATUS "Nothing to remove: ${manifest} lists no install")
  return()
endif()
file(STRINGS "${manifest}" files)
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/yours-alone "${build}" "${manifest}" ${files}
  OUTPUT_VARIABLE reason OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
# CMake wraps an error's text at 80 columns: what a user must read whole
# goes first, as a notice.
if(NOT status EQUAL 0)
  message(NOTICE "nothing removed: ${reason}")
  message(FATAL_ERROR "removal refused")
endif()
load_cache("${build}" READ_WITH_PREFIX "" CMAKE_STRIP)
set(left FALSE)
foreach(file IN LISTS files)
  cmake_path(GET file FILENAME name)
  set(ours "${build}/${name}")
  file(REAL_PATH "${file}" real)
  execute_process(COMMAND test -f "${file}" RESULT_VARIABLE regular)
  if(NOT EXISTS "${file}" AND NOT IS_SYMLINK "${file}")
    continue()
  elseif(NOT real STREQUAL file OR NOT regular EQUAL 0 OR NOT EXISTS "${ours}")
    message(NOTICE "left in place: ${file} (not a regular file reached without a link, or not one this build makes)")
    set(left TRUE)
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${file}" "${ours}" RESULT_VARIABLE differ)
  if(differ AND CMAKE_STRIP)
    file(COPY_FILE "${ours}" "${build}/uninstall-stripped")
    execute_process(COMMAND ${CMAKE_STRIP} "${build}/uninstall-stripped" OUTPUT_QUIET ERROR_QUIET)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${file}" "${build}/uninstall-stripped" RESULT_VARIABLE differ)
    file(REMOVE "${build}/uninstall-stripped")
  endif()
  if(differ)
    message(NOTICE "left in place: ${file} (not the bytes this build installs)")
    set(left TRUE)
  else()
    message(STATUS "Removing: ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()
if(left)
  message(FATAL_ERROR "removal incomplete: what is left in place is named above")
endif()

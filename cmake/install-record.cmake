# Shared by the install script (cmake --install) and cmake/uninstall.cmake.
# BUILD/installed.txt records, one line each, what the installs from the
# build folder BUILD put on this system, so that the removal takes back
# that and nothing else:
#   file SHA256 PATH   a file as installed (SHA256 is "-" until its copy ends)
#   folder PATH        a folder an install made
# Every PATH is absolute, with no symbolic link, "." or ".." in it: the
# removal can tell when something else has come to stand on the path.
cmake_policy(VERSION 3.25)

# CMake 3.25 fails only with an error of its own framing, wrapped at 80
# columns: the reason goes first, whole, on a line of its own.
function(hello_fail reason)
  message(NOTICE "${reason}")
  message(FATAL_ERROR "stopped, for the reason above")
endfunction()

# An install and a removal from one build folder each read the record and
# write it back whole: run together, one would undo the other's changes.
function(hello_lock build)
  set(lock "${build}/installed.lock")
  file(LOCK "${lock}" GUARD PROCESS TIMEOUT 0 RESULT_VARIABLE busy)
  if(NOT busy STREQUAL "0")
    message(STATUS "Waiting for another install or removal from ${build} to end (lock file ${lock})")
    file(LOCK "${lock}" GUARD PROCESS)
  endif()
endfunction()

# The record's lines, as a list. The install refuses any path that a list
# or a line cannot hold whole. file(STRINGS) would also split at bytes it
# takes for binary, such as those of an accented letter: read whole.
function(hello_read record var)
  set(lines "")
  if(EXISTS "${record}")
    file(READ "${record}" lines)
    string(REGEX REPLACE "\n$" "" lines "${lines}")
    string(REPLACE "\n" ";" lines "${lines}")
  endif()
  set(${var} "${lines}" PARENT_SCOPE)
endfunction()

# Replaced in one rename, so that an interrupted write leaves the old record.
function(hello_write record lines)
  if(lines STREQUAL "")
    file(REMOVE "${record}")
  else()
    list(JOIN lines "\n" text)
    file(WRITE "${record}.new" "${text}\n")
    file(RENAME "${record}.new" "${record}")
  endif()
endfunction()

# The index in LINES of the line that records the file PATH, or -1.
function(hello_find var lines path)
  set(index 0)
  foreach(line IN LISTS lines)
    if(line MATCHES "^file [^ ]+ (.*)$" AND CMAKE_MATCH_1 STREQUAL path)
      set(${var} ${index} PARENT_SCOPE)
      return()
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  set(${var} -1 PARENT_SCOPE)
endfunction()

# The path PATH leads to, from the working directory (CMake's current
# source folder in cmake --install and cmake -P), with every symbolic link
# resolved. Past a folder that does not exist yet, ".." drops the name
# before it, which leads where mkdir -p would put the folder.
# file(REAL_PATH) alone takes ".." lexically first, before any link.
function(hello_canonical var path)
  cmake_path(ABSOLUTE_PATH path)
  set(real /)
  string(REPLACE "/" ";" names "${path}")
  foreach(name IN LISTS names)
    if(name STREQUAL "" OR name STREQUAL ".")
    elseif(name STREQUAL "..")
      cmake_path(GET real PARENT_PATH real)
    elseif(EXISTS "${real}/${name}")
      file(REAL_PATH "${real}/${name}" real)
    else()
      cmake_path(APPEND real "${name}")
    endif()
  endforeach()
  set(${var} "${real}" PARENT_SCOPE)
endfunction()

# Whether PATH is a regular file, not a symbolic link: only such a file is
# hashed, as reading a FIFO would wait for a writer for ever, lock held.
# test -f looks at the type without opening the file.
function(hello_regular var path)
  set(${var} FALSE PARENT_SCOPE)
  if(NOT IS_SYMLINK "${path}")
    execute_process(COMMAND test -f "${path}" RESULT_VARIABLE status)
    if(status EQUAL 0)
      set(${var} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

# The folder PATH, an absolute path, walked name by name as mkdir -p walks
# it. Every name on the way that is there must be a folder and no symbolic
# link, dangling or not, else the install stops: CMake would copy the files
# before it and only then fail to make the folder, or copy past the link,
# out of the prefix.
function(hello_folder var path)
  set(real /)
  string(REPLACE "/" ";" names "${path}")
  foreach(name IN LISTS names)
    if(name STREQUAL "" OR name STREQUAL ".")
    elseif(name STREQUAL "..")
      cmake_path(GET real PARENT_PATH real)
    else()
      cmake_path(APPEND real "${name}")
      if(IS_SYMLINK "${real}")
        hello_fail("cannot install into ${real}: it is a symbolic link, not a folder; nothing was installed")
      elseif(EXISTS "${real}" AND NOT IS_DIRECTORY "${real}")
        hello_fail("cannot install into ${real}: it is not a folder; nothing was installed")
      endif()
    endif()
  endforeach()
  set(${var} "${real}" PARENT_SCOPE)
endfunction()

# Run before anything is installed; ARGN names the files the install puts
# under the prefix. An install staged under DESTDIR (a packager's, as
# dh_auto_install's) puts nothing on this system: it is neither checked nor
# recorded. Any other install checks that each file either is missing or
# is one that an install from BUILD put there and nobody changed since,
# else stops, unless HELLO_INSTALL_REPLACE=1 lets it replace them. Then it
# records the folders it is about to make and the files it is about to
# copy, and sets the prefix to the path the record holds.
function(hello_install_begin build)
  set(hello_record "" PARENT_SCOPE)
  if(NOT "$ENV{DESTDIR}" STREQUAL "")
    # A DESTDIR that leads to / stages nothing: the install lands on this
    # system, so it is checked and recorded, and copies to the paths recorded.
    hello_canonical(destdir "$ENV{DESTDIR}")
    if(NOT destdir STREQUAL "/")
      return()
    endif()
    set(ENV{DESTDIR} "")
  endif()
  hello_lock("${build}")
  set(record "${build}/installed.txt")
  set(unsafe "[][;\\\n]")
  # cmake --install drops the slash of --prefix /.
  set(prefix "${CMAKE_INSTALL_PREFIX}")
  if(prefix STREQUAL "")
    set(prefix /)
  endif()
  cmake_path(ABSOLUTE_PATH prefix)
  if(prefix MATCHES "${unsafe}")
    hello_fail("cannot install into ${prefix}: the record of installs cannot hold a path with ; [ ] \\ or a newline; nothing was installed")
  endif()
  hello_canonical(prefix "${prefix}")
  hello_read("${record}" lines)
  set(files "")
  set(in_the_way "")
  set(reasons "")
  foreach(file IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY "${prefix}")
    cmake_path(GET file FILENAME name)
    cmake_path(GET file PARENT_PATH dir)
    hello_folder(dir "${dir}")
    cmake_path(APPEND dir "${name}" OUTPUT_VARIABLE file)
    if(file MATCHES "${unsafe}")
      hello_fail("cannot install ${file}: the record of installs cannot hold a path with ; [ ] \\ or a newline; nothing was installed")
    endif()
    list(APPEND files "${file}")
    hello_regular(regular "${file}")
    set(why "")
    if(IS_DIRECTORY "${file}" AND NOT IS_SYMLINK "${file}")
      # CMake would copy into it, where no record looks.
      hello_fail("cannot install over ${file}: it is a folder, which no install replaces; nothing was installed")
    elseif(regular AND "file - ${file}" IN_LIST lines)
      set(why "an install from ${build} was interrupted while copying it")
    elseif(regular)
      file(SHA256 "${file}" hash)
      if(NOT "file ${hash} ${file}" IN_LIST lines)
        set(why "no install from ${build} put it there, or it changed since")
      endif()
    elseif(EXISTS "${file}" OR IS_SYMLINK "${file}")
      set(why "no install from ${build} put it there")
    endif()
    if(NOT why STREQUAL "")
      list(APPEND in_the_way "${file}")
      list(APPEND reasons "${file}: ${why}")
    endif()
    hello_find(index "${lines}" "${file}")
    if(index EQUAL -1)
      list(APPEND lines "file - ${file}")
    endif()
    while(NOT EXISTS "${dir}" AND NOT IS_SYMLINK "${dir}")
      if(NOT "folder ${dir}" IN_LIST lines)
        list(APPEND lines "folder ${dir}")
      endif()
      cmake_path(GET dir PARENT_PATH dir)
    endwhile()
  endforeach()
  if(NOT in_the_way STREQUAL "" AND NOT "$ENV{HELLO_INSTALL_REPLACE}" STREQUAL "1")
    list(JOIN reasons "; " reasons)
    hello_fail("cannot install over ${reasons}; nothing was installed (HELLO_INSTALL_REPLACE=1 replaces what is in the way)")
  endif()
  hello_write("${record}" "${lines}")
  # CMake would leave a symbolic link or a file of the same time in place,
  # and would open a FIFO.
  foreach(file IN LISTS in_the_way)
    file(REMOVE "${file}")
  endforeach()
  if(prefix STREQUAL "/")
    set(prefix "")
  endif()
  set(CMAKE_INSTALL_PREFIX "${prefix}" PARENT_SCOPE)
  set(hello_record "${record}" PARENT_SCOPE)
  set(hello_installs "${ARGN}" PARENT_SCOPE)
  set(hello_destinations "${files}" PARENT_SCOPE)
endfunction()

# Run once FILE, one of those named to hello_install_begin, is installed
# (and stripped, if asked): records its hash.
function(hello_install_done file)
  if(hello_record STREQUAL "")
    return()
  endif()
  list(FIND hello_installs "${file}" index)
  list(GET hello_destinations ${index} file)
  file(SHA256 "${file}" hash)
  hello_read("${hello_record}" lines)
  hello_find(index "${lines}" "${file}")
  list(REMOVE_AT lines ${index})
  list(INSERT lines ${index} "file ${hash} ${file}")
  hello_write("${hello_record}" "${lines}")
endfunction()

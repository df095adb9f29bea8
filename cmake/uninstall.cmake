# Removes what the installs from one binary folder put on this system, as
# their record names it (cmake/install-record.cmake), and nothing else:
# the files, then the folders they made, where those are empty by now.
# The record goes only once everything in it is gone, so that a removal
# that was refused can be run again, as the user who installed.
#
#   cmake --build BUILD --target uninstall
cmake_policy(VERSION 3.25)
if(NOT EXISTS "${record}")
  message(STATUS "Nothing to remove: no install from this folder is recorded")
  return()
endif()
# Read whole and split at newlines only: file(STRINGS) would also split at
# bytes it takes for binary, such as those of an accented letter. The
# install refused the paths that a list cannot hold.
file(READ "${record}" paths)
string(REGEX REPLACE "\n$" "" paths "${paths}")
string(REPLACE "\n" ";" paths "${paths}")
list(REMOVE_DUPLICATES paths)
set(dirs "")
set(left "")
foreach(path IN LISTS paths)
  if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
    list(APPEND dirs "${path}")
  elseif(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing: ${path}")
    file(REMOVE "${path}")
    if(EXISTS "${path}" OR IS_SYMLINK "${path}")
      list(APPEND left "${path}")
    endif()
  endif()
endforeach()
# A folder sorts after its parent: the reverse order empties children first.
list(SORT dirs ORDER DESCENDING)
foreach(dir IN LISTS dirs)
  execute_process(COMMAND rmdir --ignore-fail-on-non-empty -- "${dir}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(APPEND left "${dir}")
  elseif(NOT IS_DIRECTORY "${dir}")
    message(STATUS "Removing: ${dir}/")
  endif()
endforeach()
if(left)
  list(JOIN left "\n  " left)
  message(FATAL_ERROR "could not remove (the record ${record} is kept):\n  ${left}")
endif()
file(REMOVE "${record}")

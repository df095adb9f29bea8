# Removes what the installs from one binary folder put on this system, as
# their record names it (packaging/record-install.cmake), and nothing else:
# the files, then the folders they made, where those are empty by now.
#
#   cmake --build BUILD --target uninstall
if(NOT EXISTS "${record}")
  message(STATUS "Nothing to remove: no install from this folder is recorded")
  return()
endif()
file(STRINGS "${record}" paths)
list(REMOVE_DUPLICATES paths)
set(dirs "")
foreach(path IN LISTS paths)
  if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
    list(APPEND dirs "${path}")
  elseif(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing: ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()
# A folder sorts after its parent: the reverse order empties children first.
list(SORT dirs ORDER DESCENDING)
foreach(dir IN LISTS dirs)
  execute_process(COMMAND rmdir -- "${dir}" RESULT_VARIABLE kept ERROR_QUIET)
  if(kept EQUAL 0)
    message(STATUS "Removing: ${dir}/")
  endif()
endforeach()
file(REMOVE "${record}")

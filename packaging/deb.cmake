# Run by cpack once the install is staged (CPACK_EXTERNAL_PACKAGE_SCRIPT):
# does what dh_installchangelogs, dh_lintian, dh_strip, dh_compress,
# dh_fixperms, dh_md5sums and dh_gencontrol would, then builds the package
# with dpkg-deb. Every mode and time stamp is set here, so the bytes depend
# on neither the umask nor the clock.
set(root "${CPACK_TEMPORARY_DIRECTORY}")
set(usr "${root}${CPACK_INSTALL_PREFIX}")
set(name ${CPACK_PACKAGE_NAME})

if(CPACK_HELLO_LINK STREQUAL statically)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
    "${usr}/share/lintian/overrides/${name}" COPYONLY)
endif()
# The maintainer reaches awk through the environment, as data.
set(changelog "${usr}/share/doc/${name}/changelog")
set(ENV{HELLO_MAINTAINER} "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
execute_process(COMMAND awk -v "package=${name}" -f "${CMAKE_CURRENT_LIST_DIR}/changelog.awk"
  "${CPACK_HELLO_SOURCE_DIR}/CHANGELOG.md" OUTPUT_FILE "${changelog}" COMMAND_ERROR_IS_FATAL ANY)
# gzip -n leaves out the name and time stamp.
file(GLOB_RECURSE pages "${usr}/share/man/*.1")
execute_process(COMMAND gzip -9n ${pages} "${changelog}" COMMAND_ERROR_IS_FATAL ANY)
file(GLOB programs "${usr}/bin/*")
execute_process(COMMAND "${CPACK_HELLO_STRIP}" --remove-section=.comment --remove-section=.note
  ${programs} COMMAND_ERROR_IS_FATAL ANY)

set(built_using "")
if(CPACK_HELLO_STATIC_LIBC)
  # glibc linked into the program makes its source part of the package:
  # Policy 7.8 asks Built-Using to name the source package and version of
  # the libc.a that was linked. A cross libc comes from a source package of
  # its own, cross-toolchain-base, built from glibc's source: both are
  # named. (GCC's runtime libraries need no such field: their exception
  # lets the program be conveyed on its own terms.)
  execute_process(COMMAND dpkg-query --search "${CPACK_HELLO_STATIC_LIBC}"
    OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET)
  string(REGEX REPLACE ": .*" "" owner "${owner}")
  if(status EQUAL 0)
    execute_process(COMMAND dpkg-query -W
      "-f=\${source:Package} (= \${source:Version})\n\${Built-Using}" "${owner}"
      OUTPUT_VARIABLE fields RESULT_VARIABLE status)
    string(REGEX MATCH "^[^\n]*" built_using "${fields}")
    if(NOT built_using MATCHES "^glibc " AND fields MATCHES "\n(.*, )?(glibc \\(= [^)]+\\))")
      string(APPEND built_using ", ${CMAKE_MATCH_2}")
    endif()
  endif()
  set(source "[a-z0-9][a-z0-9.+-]+ \\(= [^(), ]+\\)")
  if(NOT status EQUAL 0 OR NOT built_using MATCHES "^${source}(, ${source})?$")
    message(FATAL_ERROR "no Debian package is known to hold ${CPACK_HELLO_STATIC_LIBC}, so the Built-Using field cannot name its source")
  endif()
  set(built_using "Built-Using: ${built_using}\n")
endif()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT files)
set(md5sums "")
set(bytes 0)
foreach(file IN LISTS files)
  file(MD5 "${root}/${file}" sum)
  string(APPEND md5sums "${sum}  ${file}\n")
  file(SIZE "${root}/${file}" size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kib "(${bytes} + 1023) / 1024")
# The description's lines, each but the summary indented by one space.
string(REPLACE "\n" "\n " description " ${CPACK_PACKAGE_DESCRIPTION}")
file(WRITE "${root}/DEBIAN/md5sums" "${md5sums}")
file(WRITE "${root}/DEBIAN/control" "Package: ${name}
Version: ${CPACK_PACKAGE_VERSION}
Architecture: ${CPACK_HELLO_ARCHITECTURE}
Maintainer: ${CPACK_DEBIAN_PACKAGE_MAINTAINER}
Installed-Size: ${kib}
${built_using}Section: utils
Priority: optional
Description: ${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
${description}
")

# Modes as Debian's policy has them, and one time for every entry.
file(CHMOD_RECURSE "${root}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
file(CHMOD ${programs} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND find "${root}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
  COMMAND_ERROR_IS_FATAL ANY)

set(deb "${CPACK_TOPLEVEL_DIRECTORY}/${name}_${CPACK_PACKAGE_VERSION}_${CPACK_HELLO_ARCHITECTURE}.deb")
# Compression and threads are named, so that DPKG_DEB_* in the environment
# cannot change the bytes.
execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -z6 --threads-max=1
  --build "${root}" "${deb}"
  COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES "${deb}")

# Run by cpack once the files are staged (CPACK_PRE_BUILD_SCRIPTS): what
# dh_installchangelogs, dh_lintian, dh_strip and dh_compress would do.
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(CPACK_HELLO_LINK STREQUAL statically)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
    "${usr}/share/lintian/overrides/${CPACK_PACKAGE_NAME}" COPYONLY)
endif()
set(changelog "${usr}/share/doc/${CPACK_PACKAGE_NAME}/changelog")
execute_process(COMMAND awk -v package=${CPACK_PACKAGE_NAME}
  -v maintainer=${CPACK_DEBIAN_PACKAGE_MAINTAINER}
  -f ${CMAKE_CURRENT_LIST_DIR}/changelog.awk ${CPACK_HELLO_SOURCE_DIR}/CHANGELOG.md
  OUTPUT_FILE ${changelog} COMMAND_ERROR_IS_FATAL ANY)
# gzip -n leaves out the name and time stamp.
file(GLOB_RECURSE docs "${usr}/share/man/*.1")
execute_process(COMMAND gzip -9n ${docs} ${changelog} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB programs "${usr}/bin/*")
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${programs}
  COMMAND_ERROR_IS_FATAL ANY)

# Included by CMakeLists.txt for a build linked statically with musl: cpack
# packs it as a release file, hello-VERSION-ARCH-linux-musl.tar.xz, holding
# bin/hello (stripped), its manual page, the licence and the notices of what
# is linked in (musl/NOTICES), with Debian's copyright files and licence
# texts. Its bytes depend only on the source and SOURCE_DATE_EPOCH, which
# sets every file's time (cmake/release.cmake sets it).
string(REGEX MATCH "^[0-9]+" gcc "${CMAKE_CXX_COMPILER_VERSION}")
set(doc ${CMAKE_INSTALL_DOCDIR})
install(FILES LICENSE musl/NOTICES DESTINATION ${doc} COMPONENT release EXCLUDE_FROM_ALL)
install(FILES /usr/share/doc/musl-dev/copyright DESTINATION ${doc} RENAME copyright.musl COMPONENT release EXCLUDE_FROM_ALL)
install(FILES /usr/share/doc/gcc-${gcc}-source/copyright DESTINATION ${doc} RENAME copyright.gcc COMPONENT release EXCLUDE_FROM_ALL)
install(FILES /usr/share/common-licenses/GPL-2 /usr/share/common-licenses/GPL-3 DESTINATION ${doc} COMPONENT release EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR TXZ)
set(CPACK_PACKAGE_FILE_NAME hello-${PROJECT_VERSION}-${HELLO_ARCHITECTURE}-linux-musl)
# One archive of both components: the program's, and the notices, which a
# plain install leaves out.
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified release)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

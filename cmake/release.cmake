# The release files, made by cmake --workflow --preset release in
# build/release/files: for each architecture, the musl build configured,
# built and tested here (under qemu-user for another processor) and only
# then packed by cpack (cmake/pack.cmake); SHA256SUMS of them all; and a
# multi-architecture OCI image of the static hello (cmake/image). Every
# file's time is the release's date in CHANGELOG.md.
include(ExternalProject)
execute_process(COMMAND date -u -d "${HELLO_DATE} 00:00" +%s
  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# The architectures of this machine's Debian release, as
# cmake/architectures lists them.
include(cmake/architectures.cmake)
file(STRINGS /etc/os-release codename REGEX "^VERSION_CODENAME=")
string(REPLACE "VERSION_CODENAME=" "" codename "${codename}")
hello_architectures(architectures "${codename}")
if(NOT architectures AND NOT HELLO_RELEASE_ARCHITECTURES)
  message(FATAL_ERROR "cmake/architectures names no architecture of the Debian release \"${codename}\": name them in HELLO_RELEASE_ARCHITECTURES")
endif()
set(HELLO_RELEASE_ARCHITECTURES ${architectures} CACHE STRING "The Debian architectures the release files are made for")

set(files ${CMAKE_BINARY_DIR}/files)
set(tarballs "")
set(images "")
foreach(arch IN LISTS HELLO_RELEASE_ARCHITECTURES)
  set(tarball hello-${PROJECT_VERSION}-${arch}-linux-musl.tar.xz)
  hello_architecture(${arch})
  list(APPEND images ${HELLO_OCI}=${tarball})
  ExternalProject_Add(hello-${arch}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/${arch}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/toolchains/musl.cmake -DHELLO_ARCH=${arch}
      -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    TEST_BEFORE_INSTALL ON
    TEST_COMMAND ctest --output-on-failure --no-tests=error
    INSTALL_COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch} cpack
    COMMAND ${CMAKE_COMMAND} -E copy ${tarball} ${files}/${tarball}
    USES_TERMINAL_CONFIGURE ON USES_TERMINAL_BUILD ON USES_TERMINAL_TEST ON)
  list(APPEND tarballs ${tarball})
endforeach()

add_custom_target(release ALL
  COMMAND sha256sum ${tarballs} >SHA256SUMS
  COMMAND ${PROJECT_SOURCE_DIR}/cmake/image ${epoch} hello-${PROJECT_VERSION}-oci ${images}
  WORKING_DIRECTORY ${files}
  USES_TERMINAL)
list(TRANSFORM HELLO_RELEASE_ARCHITECTURES PREPEND hello- OUTPUT_VARIABLE builds)
add_dependencies(release ${builds})

# What a user gets: every file as SHA256SUMS says, and the image runs.
enable_testing()
add_test(NAME checksums COMMAND sha256sum -c SHA256SUMS WORKING_DIRECTORY ${files})
add_test(NAME image COMMAND ${PROJECT_SOURCE_DIR}/cmake/image --test hello-${PROJECT_VERSION}-oci
  WORKING_DIRECTORY ${files})

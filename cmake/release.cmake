# The release files, made by cmake --workflow --preset release in
# build/release/files: cmake/release-root builds, tests and packs each
# architecture's musl build in a clean root, with SHA256SUMS; then, here,
# cmake/image makes their OCI image. Every file's time is the release's
# date in CHANGELOG.md.
set(HELLO_RELEASE_ROOT trixie CACHE STRING "The Debian release, by codename, whose root makes the release files")
execute_process(COMMAND date -u -d "${HELLO_DATE} 00:00" +%s
  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# The architectures of that release, as cmake/architectures lists them.
include(cmake/architectures.cmake)
hello_architectures(architectures ${HELLO_RELEASE_ROOT})
set(HELLO_RELEASE_ARCHITECTURES ${architectures} CACHE STRING "The Debian architectures the release files are made for")
set(images "")
foreach(arch IN LISTS HELLO_RELEASE_ARCHITECTURES)
  hello_architecture(${arch})
  if(NOT HELLO_RELEASE_ROOT IN_LIST HELLO_RELEASES)
    message(FATAL_ERROR "${HELLO_RELEASE_ROOT} has no ${arch}: cmake/architectures names its architectures")
  endif()
  list(APPEND images ${HELLO_OCI}=hello-${PROJECT_VERSION}-${arch}-linux-musl.tar.xz)
endforeach()
if(NOT images)
  message(FATAL_ERROR "HELLO_RELEASE_ARCHITECTURES names no architecture")
endif()
set(files ${CMAKE_BINARY_DIR}/files)
add_custom_target(release ALL
  COMMAND ${PROJECT_SOURCE_DIR}/cmake/release-root ${HELLO_RELEASE_ROOT} ${PROJECT_VERSION} ${epoch} ${files}
    ${HELLO_RELEASE_ARCHITECTURES}
  COMMAND ${CMAKE_COMMAND} -E chdir ${files} ${PROJECT_SOURCE_DIR}/cmake/image ${epoch} hello-${PROJECT_VERSION}-oci ${images}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  USES_TERMINAL VERBATIM)

# What a user gets: every file as SHA256SUMS says, and the image runs.
enable_testing()
add_test(NAME checksums COMMAND sha256sum -c SHA256SUMS WORKING_DIRECTORY ${files})
add_test(NAME image COMMAND ${PROJECT_SOURCE_DIR}/cmake/image --test hello-${PROJECT_VERSION}-oci
  WORKING_DIRECTORY ${files})

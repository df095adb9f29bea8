#!/usr/bin/env bats
# The README's commands as a new user runs them, in its order, on a fresh
# clone of the committed tree in a folder whose path holds a space. The
# Debian package's row needs its build dependencies installed first
# (apt-get build-dep ./, as root).

setup_file() {
    : "${HELLO_SOURCE_DIR:?set HELLO_SOURCE_DIR to the source folder (ctest does)}"
    export clone="$BATS_FILE_TMPDIR/new user/hello"
    # bats puts its own libexec folder first on the PATH; a bats that the
    # package build starts through sh would find its inner script there,
    # and fail, instead of the bats command.
    export PATH=${PATH#"$BATS_LIBEXEC:"}
    git clone -q "$HELLO_SOURCE_DIR" "$clone"
}

setup() {
    cd "$clone" || return
}

# Runs "$@" with its output in a log, shown only if it fails.
quietly() {
    "$@" >"$BATS_TEST_TMPDIR/log" 2>&1 || { tail -n 40 "$BATS_TEST_TMPDIR/log"; return 1; }
}

@test "build and run: Hello" {
    quietly cmake --preset default
    quietly cmake --build --preset default
    [ "$(build/default/hello)" = Hello ]
}

@test "the test command passes" {
    quietly cmake --workflow --preset default
}

@test "without bats, the build still works and the test command fails, naming the package" {
    # A bats that cannot run, first on the PATH: no mount, so this works in
    # any root, a plain chroot included.
    mkdir "$BATS_TEST_TMPDIR/no-bats"
    printf '#!/bin/sh\nexit 127\n' >"$BATS_TEST_TMPDIR/no-bats/bats"
    chmod +x "$BATS_TEST_TMPDIR/no-bats/bats"
    PATH="$BATS_TEST_TMPDIR/no-bats:$PATH" quietly cmake --build --preset default
    if PATH="$BATS_TEST_TMPDIR/no-bats:$PATH" cmake --workflow --preset default >"$BATS_TEST_TMPDIR/log" 2>&1; then
        echo "the test command passed without bats"
        return 1
    fi
    grep "install the Debian package bats" "$BATS_TEST_TMPDIR/log"
}

@test "install into a prefix, then remove: no file is left" {
    local prefix="$BATS_FILE_TMPDIR/new user/prefix"
    quietly cmake --install build/default --strip --prefix "$prefix"
    [ "$("$prefix/bin/hello")" = Hello ]
    quietly cmake/uninstall build/default
    [ -z "$(find "$prefix" ! -type d)" ]
}

@test "the benchmark's quick look prints its table" {
    bench/startup --quick >"$BATS_TEST_TMPDIR/out"
    grep '^| build/default/hello |' "$BATS_TEST_TMPDIR/out"
}

@test "the Debian package: every file, and neither debian/ nor a build folder in its release tarball" {
    local arch line
    # The README's own line, as written.
    line=$(grep -E '^    v=\$\(dpkg-parsechangelog ' README.md)
    quietly bash -c "$line"
    quietly dpkg-buildpackage -us -uc
    arch=$(dpkg --print-architecture)
    ls ../*.dsc ../*.orig.tar.xz ../*.debian.tar.xz ../*.buildinfo ../*.changes \
        ../hello-greeting_*_"$arch".deb ../hello-greeting-dbgsym_*_"$arch".deb
    if tar -tJf ../hello-greeting_*.orig.tar.xz | grep -E '^[^/]*/(build|debian)/'; then
        return 1
    fi
}

@test "the release tarball alone, without debian/ or git, passes the test command" {
    tar -xJf ../hello-greeting_*.orig.tar.xz -C "$BATS_TEST_TMPDIR"
    cd "$BATS_TEST_TMPDIR"/hello-greeting-* && quietly cmake --workflow --preset default
}

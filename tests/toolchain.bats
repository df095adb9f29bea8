#!/usr/bin/env bats
# The musl toolchain's cache, each row one way it was once trusted blindly.
# The rows work on a copy of the toolchain this build uses, in a cache of
# their own, so that the developer's cache stays out of it.

bats_require_minimum_version 1.5.0

setup() {
    : "${HELLO_SOURCE_DIR:?set HELLO_SOURCE_DIR to the source folder (ctest does)}"
    : "${HELLO_MUSL_PREFIX:?set HELLO_MUSL_PREFIX to the musl toolchain in use (ctest does)}"
    cd "$BATS_TEST_TMPDIR" || return
    cache=$PWD/cache
    toolchain=$cache/${HELLO_MUSL_PREFIX##*/}
    mkdir -p "$cache"
    cp -R "$HELLO_MUSL_PREFIX" "$toolchain"
}

# Configures and builds hello from the source with the musl toolchain file
# and the cache above.
build() {
    HELLO_MUSL_CACHE=$cache cmake -S "$HELLO_SOURCE_DIR" -B out \
        -DCMAKE_TOOLCHAIN_FILE="$HELLO_SOURCE_DIR/toolchains/musl.cmake" >log 2>&1 &&
        cmake --build out --target hello >>log 2>&1
}

# A compiler planted in a cache that another user owns never runs.
planted_compiler_never_runs() {
    printf '#!/bin/sh\ntouch %q\n' "$PWD/ran" >"$toolchain/bin/musl-g++"
    # Only root outside a user namespace can hand the cache to nobody.
    chown -R nobody "$cache" 2>/dev/null || skip "needs root, to let the user nobody own the cache"
    run ! build
    grep -q "belongs to user nobody; name a folder of your own" log
    [ ! -e ran ]
    # Writable by others, it is refused as well, saying what to change.
    chown -R "$(id -u)" "$cache"
    chmod o+w "$toolchain/bin"
    run ! build
    grep -q "cannot use the toolchain cache .*: others may write to $toolchain/bin: chmod go-w" log
    [ ! -e ran ]
}

# CMake splits a path at ";": a cache named "c;x" would have it run c.
cache_path_is_never_split() {
    printf '#!/bin/sh\ntouch %q\n' "$PWD/ran" >c
    chmod +x c
    cache="$PWD/c;x"
    run ! build
    grep -q "holds a character CMake would split or expand" log
    [ ! -e ran ] && [ ! -e "$cache" ]
}

# A compiler emptied after configure exits 0 and writes nothing: the build
# fails for want of a hello. (Emptied before, it fails the toolchain's own
# check, and the toolchain is built again.)
emptied_compiler_never_passes() {
    build
    : >"$toolchain/bin/musl-g++"
    rm out/hello
    if cmake --build out --target hello >>log 2>&1; then return 1; fi
    [ ! -e out/hello ]
}

# An architecture name is data: one that climbs out of the source tree is
# refused before anything is made.
architecture_name_makes_nothing_outside() {
    mkdir -p deep/er/src
    cp -R "$HELLO_SOURCE_DIR"/{CMakeLists.txt,CHANGELOG.md,test,cmake,man,musl,toolchains,tests} deep/er/src/
    outside() { find . -path ./deep/er/src -prune -o -print | sort; }
    outside >before
    if (cd deep/er/src && HELLO_MUSL_CACHE=$cache cmake -S . -B out \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/toolchains/musl.cmake" -DHELLO_ARCH=../../../x >log 2>&1); then
        return 1
    fi
    grep -q "is not a Debian architecture" deep/er/src/log
    outside | diff before -
}

# Stopped or killed as it configures, in a cache of its own, the builder
# leaves no process or build folder behind, and its caller's pipe closes.
stopped_builder_leaves_nothing() {
    local signal status fd
    mkdir tmp && mkfifo out
    for signal in TERM HUP KILL; do
        rm -rf fresh
        HELLO_MUSL_CACHE=$PWD/fresh TMPDIR=$PWD/tmp "$HELLO_SOURCE_DIR/musl/build-toolchain" >out 2>&1 &
        exec {fd}<out
        timeout 120 grep -q -m 1 'build-toolchain: configuring' <&"$fd"
        kill -"$signal" $!
        timeout 5 cat <&"$fd" >/dev/null
        exec {fd}<&-
        status=0 && wait $! || status=$?
        [ "$status" -gt 128 ] && [ -z "$(ls tmp)" ]
        ! find /proc/[0-9]*/cwd -maxdepth 0 -lname "$PWD/tmp/*" 2>/dev/null | grep -q .
    done
}

# A TMPDIR where programs may not run keeps a working toolchain, and is named.
noexec_tmpdir_keeps_the_toolchain() {
    mkdir tmp
    mount -t tmpfs -o noexec tmpfs tmp 2>/dev/null || skip "needs root, to mount a noexec TMPDIR"
    TMPDIR=$PWD/tmp build && status=0 || status=$?
    rm -rf "$toolchain/complete"
    TMPDIR=$PWD/tmp run ! build
    umount tmp
    [ "$status" = 0 ] && grep -q "programs may not run in $PWD/tmp (is it mounted noexec?)" log
    [ -x "$toolchain/bin/musl-g++" ]
}

@test "a stopped or killed builder leaves nothing running" { stopped_builder_leaves_nothing; }
@test "a noexec TMPDIR keeps a working toolchain" { noexec_tmpdir_keeps_the_toolchain; }
@test "a planted compiler never runs" { planted_compiler_never_runs; }
@test "a cache path is never split into a program to run" { cache_path_is_never_split; }
@test "an emptied compiler never passes for a working one" { emptied_compiler_never_passes; }
@test "an architecture name makes nothing outside the source" { architecture_name_makes_nothing_outside; }

#!/usr/bin/env bats
# cmake --install and cmake/uninstall, each row a way they once went wrong.
# The rows install a build of their own, so the developer's stays out of it.

bats_require_minimum_version 1.5.0

setup_file() {
    export build="$BATS_FILE_TMPDIR/build one"
    cmake -S "${HELLO_SOURCE_DIR:?ctest sets it}" -B "$build" -DCMAKE_CXX_COMPILER="${HELLO_CXX:?ctest sets it}" \
        -DHELLO_STATIC=OFF >/dev/null && cmake --build "$build" --target hello >/dev/null
}

setup() { cd "$BATS_TEST_TMPDIR" && mkdir elsewhere; }
put() { cmake --install "$build" --strip "$@" >/dev/null; }
remove() { (cd elsewhere && "$HELLO_SOURCE_DIR/cmake/uninstall" "$build"); }
# An install, then its removal from another folder: what it wrote is gone.
round_trip() { put "$@" && [ -n "$(find . -name hello)" ] && remove && [ -z "$(find . -type f)" ]; }

@test "a staged install is removed where it was written" { DESTDIR=$PWD/d round_trip --prefix /p; }
@test "a non-ASCII prefix" { round_trip --prefix "$PWD/zoë/.local"; }
@test "a prefix CMake's file(STRINGS) once split" { round_trip --prefix "$PWD/préfixe"; }
@test "a relative prefix" { round_trip --prefix '~tilde'; }

@test "a prefix climbing out of DESTDIR through a link is refused" {
    mkdir -p d elsewhere/deep && ln -s "$PWD/elsewhere/deep" d/link
    DESTDIR=$PWD/d run ! put --prefix /link/../x
    [[ $output == *'must be absolute and hold no ".."'* ]] && [ -z "$(find . -type f)" ]
}

@test "a changed file, or one behind a link, is left and named; the cache's strip never runs" {
    put --prefix "$PWD/p" && echo changed >p/bin/hello
    mv p/share/man/man1 elsewhere/ && ln -s "$PWD/elsewhere/man1" p/share/man/man1
    printf '#!/bin/sh\ntouch "%s"\n' "$PWD/ran" >planted-strip && chmod +x planted-strip && cp "$build/CMakeCache.txt" cache
    sed -i "s|^CMAKE_STRIP:.*|CMAKE_STRIP:FILEPATH=$PWD/planted-strip|" "$build/CMakeCache.txt"
    run ! remove
    mv cache "$build/CMakeCache.txt"
    [[ $output == *"left in place: $PWD/p/bin/hello (not the bytes installed)"* ]]
    [[ $output == *"left in place: $PWD/p/share/man/man1/hello.1 (not a regular file reached through no link)"* ]]
    [ -e p/bin/hello ] && [ -e elsewhere/man1/hello.1 ] && [ ! -e ran ]
}

#!/usr/bin/env bats
# cmake --install and the removal (cmake/uninstall.cmake), each row a way
# they once went wrong. The rows install from a build of their own, so that
# the developer's build folder stays out of it.

bats_require_minimum_version 1.5.0

setup_file() {
    : "${HELLO_SOURCE_DIR:?set HELLO_SOURCE_DIR to the source folder (ctest does)}"
    : "${HELLO_CXX:?set HELLO_CXX to the C++ compiler (ctest does)}"
    export build="$BATS_FILE_TMPDIR/build one"
    cmake -S "$HELLO_SOURCE_DIR" -B "$build" -DCMAKE_CXX_COMPILER="$HELLO_CXX" -DHELLO_STATIC=OFF >/dev/null
    cmake --build "$build" --target hello >/dev/null
}

setup() {
    cd "$BATS_TEST_TMPDIR" || return
    p=$PWD/p
}

remove() { cmake -P "$HELLO_SOURCE_DIR/cmake/uninstall.cmake" "$build"; }

@test "install, strip and remove: the files go, and a changed or linked one stays, named" {
    cmake --install "$build" --strip --prefix "$p" >/dev/null
    [ "$("$p/bin/hello")" = Hello ]
    remove >/dev/null
    [ ! -e "$p/bin/hello" ] && [ ! -e "$p/share/man/man1/hello.1" ]
    # A copy cut short, or another build's, is not this build's bytes.
    cmake --install "$build" --prefix "$p" >/dev/null
    head -c 100 "$build/hello" >"$p/bin/hello"
    run ! remove
    [[ $output == *"left in place: $p/bin/hello (not the bytes this build installs)"* ]]
    [ -e "$p/bin/hello" ] && [ ! -e "$p/share/man/man1/hello.1" ]
    # A folder swapped for a link leads elsewhere: nothing is followed.
    cmake --install "$build" --prefix "$p" >/dev/null
    mkdir elsewhere && mv "$p/share/man/man1" elsewhere/ && ln -s "$PWD/elsewhere/man1" "$p/share/man/man1"
    run ! remove
    [[ $output == *"nothing removed: $p/share/man/man1 is a symbolic link"* ]]
    [ -e "$p/bin/hello" ] && [ -e elsewhere/man1/hello.1 ]
}

@test "a staged install never leaves DESTDIR" {
    mkdir dd
    run ! env DESTDIR="$PWD/dd" cmake --install "$build" --prefix "/../../../../../..$PWD/outside"
    [[ $output == *"leads out of DESTDIR"* ]]
    [ ! -e outside ]
}

@test "install and removal touch nothing where another user could have written the list or swap a folder" {
    # A folder above the prefix that others may write: they could swap it
    # for a link to anywhere while the install runs.
    mkdir open && chmod o+w open
    run ! cmake --install "$build" --prefix "$PWD/open/p"
    [[ $output == *"cannot install into $PWD/open/p: others may write to $PWD/open: chmod o-w"* ]]
    [ ! -e open/p ]
    cmake --install "$build" --prefix "$p" >/dev/null
    chmod o+w "$p/bin"
    run ! remove
    [[ $output == *"nothing removed: others may write to $p/bin: chmod o-w"* ]]
    [ -e "$p/bin/hello" ]
    chmod o-w "$p/bin"
    # Only root outside a user namespace can hand the list to nobody.
    chown nobody "$build/install_manifest.txt" 2>/dev/null || skip "needs root, to let the user nobody own the list"
    run ! remove
    [[ $output == *"nothing removed: $build/install_manifest.txt belongs to user nobody"* ]]
    [ -e "$p/bin/hello" ]
    chown "$(id -u)" "$build/install_manifest.txt"
}

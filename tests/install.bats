#!/usr/bin/env bats
# cmake --install and the uninstall target, each row one way they once
# went wrong. The rows install from a build of their own, so that the
# developer's build folder and its record of installs stay out of it.

bats_require_minimum_version 1.5.0

setup_file() {
    : "${HELLO_SOURCE_DIR:?set HELLO_SOURCE_DIR to the source folder (ctest does)}"
    : "${HELLO_CXX:?set HELLO_CXX to the C++ compiler (ctest does)}"
    export build=$BATS_FILE_TMPDIR/build
    cmake -S "$HELLO_SOURCE_DIR" -B "$build" -DCMAKE_CXX_COMPILER="$HELLO_CXX" \
        -DHELLO_STATIC=OFF >/dev/null
    cmake --build "$build" --target hello >/dev/null
    # Takes the lock of installs from $build, says "locked", and holds it
    # until it reads a line.
    # shellcheck disable=SC2016 # CMake's variable, not the shell's
    printf '%s\n' 'file(LOCK "${lock}" GUARD PROCESS)' \
        'execute_process(COMMAND sh -c "echo locked; read -r _")' >"$BATS_FILE_TMPDIR/hold.cmake"
}

setup() {
    unset DESTDIR HELLO_INSTALL_REPLACE
    rm -f "$build/installed.txt"
    cd "$BATS_TEST_TMPDIR" || return
    # The install names folders by their real path.
    here=$(pwd -P)
    p=$here/p
}

install_into() { cmake --install "$build" --prefix "$1" >/dev/null; }
remove() { cmake --build "$build" --target uninstall >/dev/null; }

# Runs "$@": it must fail, with a line of standard error that begins with
# the text START.
# Usage: expect_failure START COMMAND...
expect_failure() {
    local start=$1 status=0
    shift
    "$@" 2>err || status=$?
    if [ "$status" -eq 0 ] || ! awk -v s="$start" 'index($0, s) == 1 { f = 1 } END { exit !f }' err; then
        printf 'status %d, no line starts with "%s" in:\n' "$status" "$start"
        cat err
        return 1
    fi
}

existing_file_stops_the_install() {
    mkdir -p "$p/bin"
    echo other >"$p/bin/hello"
    expect_failure "cannot install over $p/bin/hello:" install_into "$p"
    [ "$(cat "$p/bin/hello")" = other ]
    [ ! -e "$p/share" ]
    remove
    [ "$(cat "$p/bin/hello")" = other ]
    HELLO_INSTALL_REPLACE=1 install_into "$p"
    install_into "$p"
    remove
    [ "$(ls -A "$p")" = bin ]
    [ -z "$(ls -A "$p/bin")" ]
}

swapped_folder_is_not_followed() {
    # Only root outside a user namespace can hand a folder to nobody.
    mkdir u
    chown nobody u 2>/dev/null || skip "needs root, to let the user nobody own the folder above the prefix"
    install_into "$here/u/app"
    # The same bytes where the link will lead: only the path tells them apart.
    cp -a u/app rootonly
    # shellcheck disable=SC2016 # expanded by sh, as nobody
    (cd u && setpriv --reuid=nobody --regid=nogroup --clear-groups \
        sh -c 'mv app old && ln -s "$1" app' sh "$here/rootonly")
    expect_failure "not removed: $here/u/app/bin/hello:" remove
    diff -r u/old rootonly
    # The record kept what was left: with the folder back, all of it goes.
    (cd u && setpriv --reuid=nobody --regid=nogroup --clear-groups sh -c 'rm app && mv old app')
    remove
    [ -z "$(ls -A u)" ]
}

relative_prefix_is_removed() {
    mkdir elsewhere
    (cd elsewhere && install_into '~tilde')
    [ -x "elsewhere/~tilde/bin/hello" ]
    remove
    [ -z "$(ls -A elsewhere)" ]
}

failed_install_is_taken_back() {
    # Whatever stops an install midway (a full disk, a folder it may not
    # write into), what it copied is recorded: here the build lost its page.
    mv "$build/hello.1" page
    run install_into "$p"
    mv page "$build/hello.1"
    [ "$status" -ne 0 ]
    [ -x "$p/bin/hello" ]
    remove
    [ ! -e "$p" ]
}

# Nothing is copied while something stands where the install must make a
# folder or put a file, and cannot: replacing it would not help.
blocked_way_stops_the_install() {
    mkdir "$p"
    ln -s "$here/nowhere" "$p/share"
    HELLO_INSTALL_REPLACE=1 expect_failure "cannot install into $p/share:" install_into "$p"
    rm "$p/share"
    mkdir -p "$p/share/man"
    echo page >"$p/share/man/man1"
    HELLO_INSTALL_REPLACE=1 expect_failure "cannot install into $p/share/man/man1:" install_into "$p"
    rm "$p/share/man/man1"
    mkdir -p "$p/share/man/man1/hello.1"
    HELLO_INSTALL_REPLACE=1 expect_failure "cannot install over $p/share/man/man1/hello.1:" install_into "$p"
    [ "$(find "$p" -type f)" = "" ]
    [ ! -e "$build/installed.txt" ]
}

# Reading a FIFO would wait for a writer for ever, holding the lock: the
# timeout turns that hang into a failure.
fifo_is_never_read() {
    mkdir -p "$p/bin"
    mkfifo "$p/bin/hello"
    expect_failure "cannot install over $p/bin/hello:" timeout 60 cmake --install "$build" --prefix "$p"
    [ -p "$p/bin/hello" ]
    HELLO_INSTALL_REPLACE=1 timeout 60 cmake --install "$build" --prefix "$p" >/dev/null
    cmp "$build/hello" "$p/bin/hello"
    rm "$p/bin/hello"
    mkfifo "$p/bin/hello"
    expect_failure "not removed: $p/bin/hello:" timeout 60 cmake --build "$build" --target uninstall
    [ -p "$p/bin/hello" ]
}

# Runs "$@" while another process holds the lock of installs from $build:
# it must say it waits, leave the record alone until the lock is let go,
# then succeed. Every step waits on the one before: nothing is timed.
waits_for_the_lock() {
    local line before holder_pid last=
    before=$(cat "$build/installed.txt" 2>/dev/null || true)
    coproc holder { cmake -D "lock=$build/installed.lock" -P "$BATS_FILE_TMPDIR/hold.cmake" 3>&-; }
    holder_pid=$!
    read -r line <&"${holder[0]}"
    [ "$line" = locked ]
    exec 5< <("$@" 2>&1 3>&-; echo "status $?")
    until [[ $line == *"Waiting for another install or removal from $build"* ]]; do
        read -r line <&5
    done
    [ "$(cat "$build/installed.txt" 2>/dev/null || true)" = "$before" ]
    echo >&"${holder[1]}"
    while read -r line <&5; do
        last=$line
    done
    exec 5<&-
    wait "$holder_pid"
    [ "$last" = "status 0" ]
}

installs_and_removals_take_turns() {
    waits_for_the_lock cmake --install "$build" --prefix "$p"
    [ -x "$p/bin/hello" ]
    waits_for_the_lock cmake --build "$build" --target uninstall
    [ ! -e "$p" ]
    [ ! -e "$build/installed.txt" ]
}

folder_there_before_stays() {
    mkdir v
    install_into "$here/x/../v"
    remove
    [ -d v ]
    [ -z "$(ls -A v)" ]
    [ ! -e x ]
}

unrecordable_prefix_is_refused() {
    expect_failure "cannot install into $here/a;b:" install_into "$here/a;b"
    [ ! -e "a;b" ]
    [ ! -e "$build/installed.txt" ]
}

staged_install_is_neither_checked_nor_recorded() {
    mkdir -p "staged$p/bin"
    echo other >"staged$p/bin/hello"
    DESTDIR=$here/staged install_into "$p"
    cmp "$build/hello" "staged$p/bin/hello"
    [ ! -e "$build/installed.txt" ]
    # A DESTDIR that leads to / stages nothing: the install is checked and
    # recorded.
    ln -s / slash
    mkdir -p "$p/bin"
    echo other >"$p/bin/hello"
    DESTDIR=$here/slash expect_failure "cannot install over $p/bin/hello:" install_into "$p"
    [ "$(cat "$p/bin/hello")" = other ]
    rm "$p/bin/hello"
    DESTDIR=$here/slash install_into "$p"
    remove
    [ "$(ls -A "$p")" = bin ]
    [ -z "$(ls -A "$p/bin")" ]
}

@test "a file already there stops the install, and the removal leaves it" { existing_file_stops_the_install; }
@test "the removal follows no symbolic link swapped into the prefix" { swapped_folder_is_not_followed; }
@test "a relative prefix is recorded whole, so the removal finds it" { relative_prefix_is_removed; }
@test "what a failed install copied is recorded and removed" { failed_install_is_taken_back; }
@test "something the install cannot get past stops it before anything is copied" { blocked_way_stops_the_install; }
@test "a FIFO is neither read nor replaced unasked, at install and at removal" { fifo_is_never_read; }
@test "installs and removals from one build folder take turns" { installs_and_removals_take_turns; }
@test "a folder that was there before the install stays" { folder_there_before_stays; }
@test "a prefix the record cannot hold is refused before anything is installed" { unrecordable_prefix_is_refused; }
@test "an install under DESTDIR replaces freely and is not recorded, unless DESTDIR leads to /" { staged_install_is_neither_checked_nor_recorded; }

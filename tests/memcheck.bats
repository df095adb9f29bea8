#!/usr/bin/env bats
# hello under valgrind's memcheck: no invalid access and no leak, when it
# greets and when its write fails. Only a dynamic build is checked (the
# memcheck preset makes one): a static glibc keeps its thread data in the
# brk segment, which memcheck takes for uninitialised, and memcheck cannot
# follow malloc there. Linked dynamically, the same code is checked in
# full, allocations and all.

setup() {
    : "${HELLO:?set HELLO to the hello executable (ctest does)}"
    readelf -lW "$HELLO" | grep -q 'Requesting program interpreter' ||
        { echo "$HELLO is linked statically: the memcheck preset builds it dynamically"; return 1; }
    command -v valgrind >/dev/null || { echo "valgrind is missing: install the Debian package valgrind"; return 1; }
    memcheck=(valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=all)
    cd "$BATS_TEST_TMPDIR" || return
    printf 'Hello\n' >expected
}

@test "greeting: memcheck finds nothing" {
    "${memcheck[@]}" "$HELLO" >out 2>err || { cat err; return 1; }
    cmp expected out
    [ ! -s err ]
}

@test "a failed write: status 1, its one line, and memcheck finds nothing" {
    local status=0
    "${memcheck[@]}" "$HELLO" >/dev/full 2>err || status=$?
    [ "$status" -eq 1 ] || { echo "status $status"; cat err; return 1; }
    [ "$(cat err)" = "$HELLO_PROGRAM: write error: No space left on device" ]
}

#!/usr/bin/env bats
# The greeting line reaches every kind of standard output byte for byte.

# shellcheck disable=SC2154 # hello and hung_up_terminal: set by helpers.bash
load helpers

@test "a regular file holds exactly 48 65 6c 6c 6f 0a" {
    expect_greeting "${hello[@]}"
    [ "$(od -An -tx1 out)" = " 48 65 6c 6c 6f 0a" ]
}

@test "appending to a file adds the line after what was there" {
    printf 'before\n' >log
    "${hello[@]}" >>log 2>err
    printf 'before\nHello\n' | cmp - log
    [ ! -s err ]
}

@test "a pipe carries the six bytes and the status is 0" {
    "${hello[@]}" 2>err | od -An -tx1 >hex
    status=("${PIPESTATUS[@]}")
    [ "${status[*]}" = "0 0" ]
    [ "$(cat hex)" = " 48 65 6c 6c 6f 0a" ]
    [ ! -s err ]
}

@test "a terminal shows the line (its driver turns the newline into CR LF)" {
    # script runs the command with $SHELL; bash would warn on the terminal
    # about a locale that is not installed, and dash says nothing.
    SHELL=/bin/sh script -qec "$(shell_words "${hello[@]}")" /dev/null </dev/null >screen
    printf 'Hello\r\n' | cmp - screen
}

@test "the line is written in one call, then descriptor 1 is closed and left alone" {
    # One call, so that writers sharing a pipe never split the line: even
    # unbuffered, as stdbuf -o0 makes a dynamic build's stdout (a static
    # one loads no library, and keeps its buffer). Exit handlers flush the
    # streams again; they must find nothing to write. (LeakSanitizer
    # cannot run under ptrace, and ASan would refuse stdbuf's library.)
    # Under qemu-user, stdbuf's library is this machine's: the target's
    # loader must not be handed it.
    QEMU_UNSET_ENV=LD_PRELOAD ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 strace -qq -o trace -e trace=desc \
        -e signal=none stdbuf -o0 "${hello[@]}" >out 2>err
    cmp expected out
    [ ! -s err ]
    awk '/^p?writev?(64)?\(1,/ { writes++ }
         /^close\(1\) += 0$/ { closed = 1; next }
         closed && /^[a-z0-9_]+\(1[,)]/ { print "after close(1): " $0; late = 1 }
         END { exit writes != 1 || !closed || late }' trace
}

#!/usr/bin/env bats
# When the greeting cannot be delivered, the program says so and exits 1
# (or dies of SIGPIPE, as the signal's default has it); never a false 0.

# shellcheck disable=SC2154 # hello and hung_up_terminal: set by helpers.bash
load helpers

# Opens fd 8 as the write end of a pipe whose reader is already gone,
# before the program starts, so nothing depends on timing: a FIFO opened
# read-write lends the reader that the write-only open needs, then closes.
open_broken_pipe() {
    mkfifo fifo
    # shellcheck disable=SC2094 # both ends of the one FIFO, on purpose
    exec 9<>fifo 8>fifo 9<&-
}

@test "each failed write is diagnosed with the system's reason" {
    expect_write_error ': Bad file descriptor' "${hello[@]}" >&-
    expect_write_error ': Bad file descriptor' "${hello[@]}" </dev/null 1<&0
    expect_write_error ': No space left on device' "${hello[@]}" >/dev/full
    open_broken_pipe
    expect_write_error ': Broken pipe' env --ignore-signal=PIPE "${hello[@]}" >&8
    # Network and FUSE file systems may report a lost write only at close(2),
    # and a signal may interrupt it there. LeakSanitizer cannot run under
    # ptrace: the sanitize build leaves leak checks to the other cases here.
    close_fails() {
        env ASAN_OPTIONS=detect_leaks=0 strace -qq -o /dev/null -P "$PWD/out" \
            -e trace=close -e inject=close:error="$1" "${hello[@]}" >out
    }
    expect_write_error ': (Input/output|I/O) error' close_fails EIO
    expect_write_error ': Interrupted system call' close_fails EINTR
}

@test "a terminal that has hung up: one diagnostic line, status 1" {
    # Under libc++ only the C stream's error flag records this failure, and
    # the errno of the write is gone by then: the line may have no reason.
    expect_write_error '(: (Input/output|I/O) error)?' "${hung_up_terminal[@]}" "${hello[@]}"
}

# Runs "$@" with the caller's redirections and keeps its exit status in
# the file status, since standard error may be unusable too.
record_status() {
    local status=0
    "$@" || status=$?
    echo "$status" >status
}

@test "with standard error failing too, the status alone still says so" {
    record_status "${hello[@]}" >/dev/full 2>&1
    [ "$(<status)" -eq 1 ]
    record_status "${hello[@]}" >&- 2>&-
    [ "$(<status)" -eq 1 ]
    record_status "${hello[@]}" </dev/null 1<&0 2<&0
    [ "$(<status)" -eq 1 ]
    # shellcheck disable=SC2016 # expanded by the inner shell
    record_status "${hung_up_terminal[@]}" /bin/sh -c 'exec "$0" "$@" 2>&1' "${hello[@]}"
    [ "$(<status)" -eq 1 ]
    open_broken_pipe
    record_status env --ignore-signal=PIPE "${hello[@]}" >&8 2>&8
    [ "$(<status)" -eq 1 ]
}

@test "with SIGPIPE at its default, a gone reader ends the program by it" {
    open_broken_pipe
    status=0
    env --default-signal=PIPE "${hello[@]}" >&8 2>err || status=$?
    [ "$status" -eq $((128 + 13)) ]
    [ ! -s err ]
}

@test "no file growth allowed: SIGXFSZ ends it, or if ignored, a diagnosis" {
    status=0
    (ulimit -c 0 -f 0 && exec "${hello[@]}") >out 2>err || status=$?
    [ "$status" -eq $((128 + 25)) ]
    [ ! -s out ]
    [ ! -s err ]

    # The limit holds for standard error too, were it a file: use a pipe.
    (trap '' XFSZ && ulimit -c 0 -f 0 && exec "${hello[@]}" >out) 2>&1 | cat >err
    [ "${PIPESTATUS[0]}" -eq 1 ]
    [ ! -s out ]
    printf '%s: write error: File too large\n' "$HELLO_PROGRAM" | cmp - err
}

# Shared by the bats files: each runs the built executable named by $HELLO
# in a fresh temporary folder and compares bytes exactly, through files,
# since bats' $output drops trailing newlines.
#
# Built for another processor, hello and the test programs built with it
# run under the emulator that $HELLO_EMULATOR names (words split at
# spaces; empty for none). So the tests start them as "${hello[@]}" and
# "${hung_up_terminal[@]}".

setup() {
    : "${HELLO:?set HELLO to the hello executable (ctest does)}"
    : "${HELLO_PROGRAM:?set HELLO_PROGRAM to the name it is installed under (ctest does)}"
    # A library the caller preloads (reprotest's faketime, say) may open a
    # file at the lowest free descriptor, 1 where a row has closed it: the
    # rows run hello with only the preloads they name.
    unset LD_PRELOAD
    local emulator
    read -ra emulator <<<"${HELLO_EMULATOR-}"
    # shellcheck disable=SC2034 # used by the bats files
    hello=("${emulator[@]}" "$HELLO")
    # shellcheck disable=SC2034 # used by the bats files
    hung_up_terminal=("${emulator[@]}" "$HELLO_HUNG_UP_TERMINAL")
    cd "$BATS_TEST_TMPDIR" || return
    printf 'Hello\n' >expected
}

# Runs "$@" with standard output and error to files, with whatever standard
# input the caller gave; it must write the greeting, nothing else, and exit 0.
expect_greeting() {
    local status=0
    "$@" >out 2>err || status=$?
    if [ "$status" -ne 0 ] || ! cmp -s expected out || [ -s err ]; then
        printf 'case: %q\n' "$@"
        printf 'status %d, stdout and stderr as hex:\n' "$status"
        od -An -tx1 out err
        return 1
    fi
}

# Runs "$@" with standard error to a file and standard output wherever the
# caller sent it; the write must fail, be diagnosed in exactly one line that
# matches `PROGRAM: write error` then the extended regex TAIL, and exit 1;
# PROGRAM is the name hello is installed under, $HELLO_PROGRAM.
# The C libraries word some reasons differently: EIO is "Input/output error"
# in glibc, "I/O error" in musl.
# Usage: expect_write_error TAIL COMMAND...
expect_write_error() {
    local tail=$1 status=0
    shift
    "$@" 2>err || status=$?
    if [ "$status" -ne 1 ] || [ "$(wc -l <err)" -ne 1 ] || ! grep -qxE "$HELLO_PROGRAM: write error$tail" err; then
        printf 'case: %q\n' "$@"
        printf 'status %d, stderr:\n' "$status"
        cat err
        return 1
    fi
}

# Its arguments as words for any POSIX shell, such as the one script(1)
# runs (printf %q may write bash's $'...', which dash takes literally).
shell_words() {
    local word
    for word; do printf "'%s' " "${word//\'/\'\\\'\'}"; done
}

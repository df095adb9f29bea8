#!/usr/bin/env bats
# Nothing the program is given changes what it does: it reads no arguments,
# no environment and no standard input.

load helpers

@test "any arguments give the same bytes" {
    long=$(printf '%*s' 100000 '' | tr ' ' x)
    mapfile -t many < <(seq 5000)
    expect_greeting "$HELLO" --help
    expect_greeting "$HELLO" --version
    expect_greeting "$HELLO" -n -e 'World'
    expect_greeting "$HELLO" -- -
    expect_greeting "$HELLO" ''
    expect_greeting "$HELLO" $'\xff\xfe\n' $'\t' '%s%n' '*'
    expect_greeting "$HELLO" "$long"
    expect_greeting "$HELLO" "${many[@]}"
}

@test "any environment gives the same bytes" {
    expect_greeting env -i "$HELLO"
    expect_greeting env LC_ALL=tr_TR.UTF-8 "$HELLO"
    expect_greeting env LC_ALL=C.UTF-8 LANG=ja_JP.UTF-8 "$HELLO"
    expect_greeting env LC_ALL=no_such_locale "$HELLO"
    expect_greeting env POSIXLY_CORRECT=1 TERM=dumb HOME= "$HELLO"
}

@test "standard input is never read: closed, empty, endless" {
    expect_greeting "$HELLO" <&-
    expect_greeting "$HELLO" </dev/null
    expect_greeting "$HELLO" </dev/zero
    yes | expect_greeting "$HELLO"
}

@test "standard input is left where it was: not a byte consumed" {
    printf 'unread\n' >in
    exec 7<in
    expect_greeting "$HELLO" <&7
    [ "$(cat <&7)" = unread ]
}

@test "standard input a terminal is not read either" {
    # A terminal that gives no input would hang a read, but script's gives
    # end-of-file at once: look for the read itself. (LeakSanitizer cannot
    # run under ptrace.)
    script -qec "ASAN_OPTIONS=detect_leaks=0 strace -qq -o trace \
        -e trace=read,readv,pread64,preadv,preadv2 $(printf %q "$HELLO") >out 2>err" \
        /dev/null </dev/null >/dev/null
    cmp expected out
    [ ! -s err ]
    if grep -E '^[a-z0-9]+\(0,' trace; then
        return 1
    fi
}

#!/usr/bin/env bats
# Nothing the program is given changes what it does: it reads no arguments,
# no environment and no standard input.

# shellcheck disable=SC2154 # hello and hung_up_terminal: set by helpers.bash
load helpers

@test "any arguments give the same bytes" {
    long=$(printf '%*s' 100000 '' | tr ' ' x)
    mapfile -t many < <(seq 5000)
    expect_greeting "${hello[@]}" --help
    expect_greeting "${hello[@]}" --version
    expect_greeting "${hello[@]}" -n -e 'World'
    expect_greeting "${hello[@]}" -- -
    expect_greeting "${hello[@]}" ''
    expect_greeting "${hello[@]}" $'\xff\xfe\n' $'\t' '%s%n' '*'
    expect_greeting "${hello[@]}" "$long"
    expect_greeting "${hello[@]}" "${many[@]}"
}

@test "any environment gives the same bytes" {
    expect_greeting env -i "${hello[@]}"
    expect_greeting env LC_ALL=tr_TR.UTF-8 "${hello[@]}"
    expect_greeting env LC_ALL=C.UTF-8 LANG=ja_JP.UTF-8 "${hello[@]}"
    expect_greeting env LC_ALL=no_such_locale "${hello[@]}"
    expect_greeting env POSIXLY_CORRECT=1 TERM=dumb HOME= "${hello[@]}"
}

@test "standard input is never read: closed, empty, endless" {
    expect_greeting "${hello[@]}" <&-
    expect_greeting "${hello[@]}" </dev/null
    expect_greeting "${hello[@]}" </dev/zero
    yes | expect_greeting "${hello[@]}"
}

@test "standard input is left where it was: not a byte consumed" {
    printf 'unread\n' >in
    exec 7<in
    expect_greeting "${hello[@]}" <&7
    [ "$(cat <&7)" = unread ]
}

@test "standard input a terminal is not read either" {
    # A terminal that gives no input would hang a read, but script's gives
    # end-of-file at once: look for the read itself. (LeakSanitizer cannot
    # run under ptrace.)
    script -qec "ASAN_OPTIONS=detect_leaks=0 strace -qq -o trace \
        -e trace=read,readv,pread64,preadv,preadv2 $(shell_words "${hello[@]}") >out 2>err" \
        /dev/null </dev/null >/dev/null
    cmp expected out
    [ ! -s err ]
    if grep -E '^[a-z0-9]+\(0,' trace; then
        return 1
    fi
}

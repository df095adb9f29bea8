#!/usr/bin/env bats
# Stress: many runs at once, random argument vectors and environments, and
# resource limits. Random choices come from a printed seed; to replay one,
# run with HELLO_STRESS_SEED set to it.

load helpers

setup_file() {
    export HELLO_STRESS_SEED=${HELLO_STRESS_SEED:-$SRANDOM}
    echo "# seed: HELLO_STRESS_SEED=$HELLO_STRESS_SEED" >&3
}

# Runs hello 625 times, each to its own files; stops at the first fault.
# Bytes are compared in the shell so that each run forks only hello.
runs() {
    local dir=$BATS_TEST_TMPDIR/$1 i status content
    mkdir "$dir"
    for ((i = 0; i < 625; i++)); do
        status=0
        "$HELLO" >"$dir/out" 2>"$dir/err" || status=$?
        # read stops early, with status 0, only at a NUL byte.
        if [ "$status" -ne 0 ] || [ -s "$dir/err" ] ||
            IFS= read -r -d '' content <"$dir/out" || [ "$content" != $'Hello\n' ]; then
            echo "worker $1, run $i: status $status"
            od -c "$dir/out" "$dir/err"
            return 1
        fi
    done
}

@test "10000 runs, 16 at a time: every one byte-exact, status 0, stderr empty" {
    local pids=() w failed=0
    for w in {1..16}; do
        runs "$w" &
        pids+=($!)
    done
    for w in "${pids[@]}"; do
        wait "$w" || failed=1
    done
    [ "$failed" -eq 0 ]
}

# Sets REPLY to one random argument or variable value: empty, option-like,
# shell-special, or a run of bytes 1..255 cut from POOL, mostly not UTF-8.
random_word() {
    local options=(--help --version -h -v -V -- - -n -e --output=greeting -o /dev/null '--=' -x -1)
    # shellcheck disable=SC2016,SC1003 # literal on purpose
    local specials=('%s%s%n%n' '*' '$(exit 1)' ';' '\' '\n' ' ' 'Hello' $'\t' '..' '/')
    case $((RANDOM % 5)) in
    0) REPLY= ;;
    1) REPLY=${options[RANDOM % ${#options[@]}]} ;;
    2) REPLY=${specials[RANDOM % ${#specials[@]}]} ;;
    *) REPLY=${POOL:RANDOM % (${#POOL} - 40):RANDOM % 40 + 1} ;;
    esac
}

# Runs hello with exactly the given environment (there is none to start
# with: see the caller) and arguments, with no program in between that the
# environment could affect; stdout must be the greeting.
# Usage: expect_greeting_with NAME=VALUE... -- ARG...
expect_greeting_with() {
    local env=()
    while [ "$1" != -- ]; do env+=("$1"); shift; done
    shift
    local status=0
    (
        ((${#env[@]} == 0)) || export "${env[@]}"
        exec "$EXE" "$@"
    ) >out 2>err || status=$?
    if [ "$status" -ne 0 ] || ! cmp -s expected out; then
        printf 'seed %s, vector %s: status %d\n' "$SEED" "$vector" "$status"
        printf 'environment: %.80q\n' "${env[@]:-}"
        printf 'argument: %.80q\n' "$@"
        printf 'stdout and stderr:\n'
        od -c out err | head -20
        return 1
    fi
}

is_static() {
    ! readelf -lW "$HELLO" | grep -q 'program interpreter'
}

@test "1000 random argument vectors and environments: always the six bytes" {
    local LC_ALL=C  # strings here are bytes
    local names=(LANG LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE POSIXLY_CORRECT TERM HOME PATH
        TZ MALLOC_CHECK_ MALLOC_PERTURB_ GLIBC_TUNABLES LD_PRELOAD LD_LIBRARY_PATH LD_DEBUG
        HELLO GREETING _ X)
    local long many preload=() i hex args env k
    printf -v long '%*s' 131071 ''  # the kernel's limit is 128 KiB with the NUL
    long=${long// /x}
    mapfile -t many < <(seq 5000)
    # A static executable never loads a library; a dynamic one would run
    # the preloaded one, which writes to standard output by design.
    if is_static; then
        preload=("LD_PRELOAD=$HELLO_STDOUT_PRELOAD")
    fi

    # Each vector's variables are all the environment hello gets.
    EXE=$HELLO SEED=$HELLO_STRESS_SEED
    (
        RANDOM=$SEED  # bash reseeds in a subshell: seed here, for replays
        POOL=
        for ((i = 0; i < 2048; i++)); do
            printf -v hex '%02x' $((RANDOM % 255 + 1))
            printf -v hex '%b' "\\x$hex"
            POOL+=$hex
        done
        mapfile -t exported < <(compgen -e)
        export -n "${exported[@]}"

        vector=fixed
        expect_greeting_with -- "$long"
        expect_greeting_with -- "${many[@]}"
        expect_greeting_with LD_PRELOAD=/nonexistent/libmissing.so --
        expect_greeting_with "${preload[@]}" --
        expect_greeting_with "GLIBC_TUNABLES=glibc.malloc.mxfast=glibc.malloc.mxfast=${long:0:100000}" --
        expect_greeting_with GLIBC_TUNABLES=glibc.malloc.check=3:glibc.malloc.perturb=255:glibc.malloc.mmap_threshold=1:glibc.malloc.tcache_count=0 --
        expect_greeting_with GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-AVX,-SSE4_2,-ERMS,-FSRM:glibc.cpu.x86_rep_movsb_threshold=1 --
        expect_greeting_with GLIBC_TUNABLES=::::=:glibc.=:=glibc --

        for ((vector = 0; vector < 992; vector++)); do
            args=() env=()
            for ((k = RANDOM % 8; k > 0; k--)); do
                random_word
                args+=("$REPLY")
            done
            for ((k = RANDOM % 6; k > 0; k--)); do
                random_word
                env+=("${names[RANDOM % ${#names[@]}]}=$REPLY")
            done
            expect_greeting_with "${env[@]}" -- "${args[@]}"
        done
    )
}

# Runs hello under `ulimit "$@"` with no core files, standard output to a
# file, and sets status.
run_limited() {
    status=0
    (ulimit -c 0 "$@" && exec "$HELLO") >out 2>err || status=$?
}

@test "any address-space limit: the greeting, or a failure that is not 0" {
    # Too little room and the C library's start-up gives up before main,
    # with its own message or a signal; what must never happen is a 0
    # without the greeting, or part of a greeting.
    local kb
    for kb in 256 512 1024 1280 1536 1600 1664 1728 2048 4096 16384; do
        run_limited -v "$kb"
        if [ "$status" -eq 0 ]; then
            cmp expected out
            [ ! -s err ]
        fi
        [ "$status" -eq 0 ] || [ ! -s out ]
    done
    [ "$status" -eq 0 ]  # at 16 MiB
}

@test "three descriptors allowed: static, it opens none and greets" {
    run_limited -n 3
    if ! is_static; then
        # The dynamic loader needs a descriptor per library: it says so.
        if [ "$status" -ne 0 ]; then
            [ "$status" -eq 127 ]
            [ ! -s out ]
            [ -s err ]
        fi
        skip "a dynamic build cannot open its libraries"
    fi
    [ "$status" -eq 0 ]
    cmp expected out
    [ ! -s err ]
}

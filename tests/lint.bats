#!/usr/bin/env bats
# What the compiler does not check: format, shell scripts, and that the
# prerequisites the suites name are where a user and Debian install them.
# (clang-tidy runs as the lint preset compiles.) Each row takes the
# repository's files from git, so that a new file is checked unlisted.

setup() {
    : "${HELLO_SOURCE_DIR:?set HELLO_SOURCE_DIR to the source folder (ctest does)}"
    cd "$HELLO_SOURCE_DIR" || return
    git rev-parse --git-dir >/dev/null 2>&1 ||
        { echo "$HELLO_SOURCE_DIR is not a git clone: the rows check the files git tracks"; return 1; }
}

# The files git tracks whose name matches one of the extended regexes.
tracked() {
    local pattern
    pattern=$(printf '|%s' "$@")
    git ls-files -z | tr '\0' '\n' | grep -E "${pattern#|}"
}

@test "clang-format: every C and C++ source is formatted" {
    tracked '^test$' '\.(c|cpp)$' | xargs -d '\n' clang-format --dry-run --Werror
}

@test "shellcheck: every shell script and bats file is clean" {
    local scripts
    scripts=$(git ls-files -z | tr '\0' '\n' | while read -r f; do
        case $(head -n1 "$f") in '#!/bin/sh' | '#!/usr/bin/env bash' | '#!/usr/bin/env bats') echo "$f" ;; esac
    done)
    printf '%s\n' "$scripts" tests/helpers.bash | xargs -d '\n' shellcheck -x
}

# The suites' own check of their tools (tests/prerequisites) names a Debian
# package for each. A package left off the README's test line or
# Build-Depends (which the autopkgtest installs too) would go unseen
# wherever it happens to be installed, and fail everywhere else.
@test "the packages the suites need are in the README and Build-Depends" {
    local package missing=0
    while read -r package; do
        # bsdutils is Essential, binutils comes with build-essential.
        case $package in bsdutils | binutils) continue ;; esac
        grep -qE "^    apt-get install .* $package .*# test$" README.md || { echo "README: $package"; missing=1; }
        grep -qE "^ +$package(:native)? <!nocheck>,$" debian/control || { echo "Build-Depends: $package"; missing=1; }
    done < <(grep -oE '[a-z0-9+.-]+:[a-z0-9+.-]+' tests/prerequisites | cut -d: -f2)
    return "$missing"
}

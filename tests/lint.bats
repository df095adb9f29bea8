#!/usr/bin/env bats
# What the compiler does not check: format, shell scripts, and that each
# prerequisite and toolchain version reads the same wherever it is named.
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

# GCC's version is the one debian/control builds with, LLVM's the one the
# README's clang line installs (and CI installs what the README names).
@test "every GCC and LLVM version named is the one debian/control and the README name" {
    local gcc llvm
    gcc=$(grep -m1 -oE 'gcc-[0-9]+-source' debian/control | tr -dc 0-9)
    llvm=$(grep -E '^    apt-get install .*# clang$' README.md | grep -oE 'libc\+\+-[0-9]+' | grep -oE '[0-9]+')
    [ -n "$gcc" ] && [ -n "$llvm" ]
    # The changelogs keep the versions each release was built with.
    git grep -noE '\b(gcc|g\+\+|libgcc|libstdc\+\+)-[0-9]+|GCC [0-9]+' -- ':!CHANGELOG.md' ':!debian/changelog' |
        grep -vE "[- ]$gcc\$" && return 1
    git grep -noE '\b(libc\+\+|libc\+\+abi|clang|llvm|clang-tidy|clang-format)-[0-9]+|(Clang|LLVM) [0-9]+' -- \
        ':!CHANGELOG.md' ':!debian/changelog' | grep -vE "[- ]$llvm\$" && return 1
    true
}

# The suites' own check of their tools (tests/prerequisites) names a Debian
# package for each. A package left off one of these lists would go unseen
# wherever it happens to be installed, and fail everywhere else.
@test "the packages the suites need are in the README, Build-Depends and debian/tests" {
    local package missing=0
    while read -r package; do
        # bsdutils is Essential, binutils comes with build-essential.
        case $package in bsdutils | binutils) ;; *)
            grep -qE "^    apt-get install .* $package .*# test$" README.md || { echo "README: $package"; missing=1; }
            grep -qE "^ +$package(:native)? <!nocheck>,$" debian/control || { echo "Build-Depends: $package"; missing=1; }
            ;;
        esac
        grep -qE "^Depends:.* $package(,|$)" debian/tests/control || { echo "debian/tests/control: $package"; missing=1; }
    done < <(grep -oE '[a-z0-9+.-]+:[a-z0-9+.-]+' tests/prerequisites | cut -d: -f2)
    return "$missing"
}

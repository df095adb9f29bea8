// The parts of the C++ runtime that hello's own output never exercises, but
// that a toolchain can get wrong and still link a hello that prints its
// line: unwinding, and the locale machinery behind stream extraction and
// character classes. Built with hello's toolchain and link line, it exits 0
// only when all of them work.
#include <algorithm>
#include <array>
#include <cstdio>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace
{

// Out of line, so the exception has to leave a frame of its own before the
// unwinder finds the handler in the caller's tables.
[[gnu::noinline]] void throw_from_callee() { throw std::runtime_error("unwound"); }

bool catches_across_frames()
{
    try {
        throw_from_callee();
    } catch (const std::runtime_error &error) {
        return std::string_view(error.what()) == "unwound";
    }
    return false;
}

// Extraction skips the blank through the ctype facet and reads digits
// through num_get: a library that reaches into another libc's locale data
// fails here first.
bool extracts_number()
{
    constexpr int expected = 42;
    std::istringstream input(" 42");
    int value = 0;
    input >> value;
    return !input.fail() && value == expected;
}

struct Classified {
    char character;
    bool alpha;
    bool digit;
};

// 0xe9 is a letter in Latin-1 but not in the "C" locale, which knows ASCII
// only.
constexpr std::array<Classified, 5> c_locale_classes{{
    {'a', true, false},
    {'Z', true, false},
    {'7', false, true},
    {' ', false, false},
    {'\xe9', false, false},
}};

bool classifies_in_c_locale()
{
    const std::locale &c_locale = std::locale::classic();
    return std::all_of(c_locale_classes.begin(), c_locale_classes.end(),
                       [&c_locale](const Classified &expected) {
                           return std::isalpha(expected.character, c_locale) == expected.alpha &&
                                  std::isdigit(expected.character, c_locale) == expected.digit;
                       });
}

struct Check {
    const char *what;
    bool (*holds)();
};

constexpr std::array<Check, 3> checks{{
    {"an exception thrown in a callee is caught", catches_across_frames},
    {"\" 42\" extracts from an istringstream as 42", extracts_number},
    {"characters classify as in the \"C\" locale", classifies_in_c_locale},
}};

} // namespace

int main()
{
    int status = 0;
    for (const auto &[what, holds] : checks) {
        if (!holds()) {
            // stdio, not the streams under test, so that the message gets out.
            static_cast<void>(std::fprintf(stderr, "runtime-smoke: failed: %s\n", what));
            status = 1;
        }
    }
    return status;
}

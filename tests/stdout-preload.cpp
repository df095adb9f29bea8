// A library that writes to standard output as it is loaded. The stress
// suite preloads it: a statically linked hello must not be touched by it.
#include <string_view>
#include <unistd.h>

[[gnu::constructor]] static void announce()
{
    constexpr std::string_view message = "preloaded\n";
    static_cast<void>(write(STDOUT_FILENO, message.data(), message.size()));
}

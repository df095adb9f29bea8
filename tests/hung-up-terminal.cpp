// Runs a program with standard output on a terminal that has already hung
// up: the other side of a pseudo-terminal is closed before the exec, as
// after a dropped ssh session, so its writes fail with EIO, deterministically.
//
//   hung-up-terminal PROGRAM [ARG...]
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        static_cast<void>(std::fputs("usage: hung-up-terminal PROGRAM [ARG...]\n", stderr));
        return 2;
    }
    int const controller = posix_openpt(O_RDWR | O_NOCTTY);
    if (controller < 0 || grantpt(controller) != 0 || unlockpt(controller) != 0) {
        std::perror("hung-up-terminal: posix_openpt");
        return 2;
    }
    char const *const name = ptsname(controller);
    int const terminal = name != nullptr ? open(name, O_WRONLY | O_NOCTTY) : -1;
    if (terminal < 0 || close(controller) != 0 || dup2(terminal, STDOUT_FILENO) < 0) {
        std::perror("hung-up-terminal: terminal");
        return 2;
    }
    if (terminal != STDOUT_FILENO) {
        close(terminal);
    }
    execv(argv[1], argv + 1);
    std::perror("hung-up-terminal: exec");
    return 2;
}

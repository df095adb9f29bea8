/* The usual C way to print a line: stdio, flushed before exit. */
#include <stdio.h>

int main(void)
{
    fputs("Hello\n", stdout);
    return fflush(stdout) != 0;
}

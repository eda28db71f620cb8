// helper lock <key>: takes the named lock and prints "locked", "busy" or "failed"; otherwise prints
// "ready". Either way it then waits to be killed.
#include "NamedLock.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    using Result = platform::NamedLock::Result;
    static platform::NamedLock lock(argc == 3 ? argv[2] : "");
    if (argc == 3 && std::strcmp(argv[1], "lock") == 0) {
        const Result result = lock.tryAcquire();
        std::puts(result == Result::Acquired        ? "locked"
                  : result == Result::AlreadyExists ? "busy"
                                                    : "failed");
    } else {
        std::puts("ready");
    }
    std::fflush(stdout);
    Sleep(INFINITE);
}

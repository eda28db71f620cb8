// lockholder <key>: takes the named lock, prints "locked" and keeps it until stdin closes.
#include "NamedLock.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    platform::NamedLock lock(argv[1]);
    const platform::NamedLock::Result result = lock.tryAcquire();
    if (result != platform::NamedLock::Result::Acquired) {
        std::puts(result == platform::NamedLock::Result::AlreadyExists ? "busy" : "failed");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

// lockholder <key>: takes the named lock, prints "locked" or "busy" and keeps it until stdin closes.
#include "platform/NamedLock.h"

#include <cstdio>

int main(int, char **argv)
{
    platform::NamedLock lock(argv[1]);
    const bool locked = lock.tryAcquire() == platform::NamedLock::Result::Acquired;
    std::puts(locked ? "locked" : "busy");
    std::fflush(stdout);
    while (locked && std::getchar() != EOF) {
    }
}

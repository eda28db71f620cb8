// The sample product's program: holds the product's instance lock while it runs, so that the
// uninstall wizard finds the product running. It runs until it is ended from outside.
//
// Usage: demo_product [product name] [MiB]   (the name defaults to the sample product's; MiB of
// memory held, so that its end takes a while, as a real program's does)
#include "platform/NamedLock.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

int main(int argc, char **argv)
{
    platform::NamedLock lock(argc > 1 ? argv[1] : DEMO_PRODUCT_NAME);
    if (lock.tryAcquire() != platform::NamedLock::Result::Acquired) {
        std::printf("%s is already running\n", lock.key().c_str());
        return 1;
    }
    const std::vector<char> held(std::size_t(argc > 2 ? std::atoi(argv[2]) : 0) << 20, 1);
    std::printf("%s is running\n", lock.key().c_str());
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

// whereami: prints the directory that the platform layer reports for this program.
#include "ProcessEnvironment.h"

#include <cstdio>

int main()
{
    std::printf("%s\n", platform::executableDirectory().c_str());
    return 0;
}

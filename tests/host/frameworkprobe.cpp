// Prints whether Framework::init started the GUI.
#include "Framework.h"

#include <cstdio>

int main(int argc, char **argv)
{
    const bool started = Framework::init(0, argc, argv);
    std::printf("init=%d\n", started ? 1 : 0);
    Framework::uninit();
    return 0;
}

// standin: a program under the product's name. Prints "ready"; on each input line "end <name>"
// ends the processes with that executable file name (never itself) and prints "ended"; prints
// "bye" when its input closes.
#include "ProcessControl.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <windows.h>

namespace {

void say(const char *text)
{
    std::puts(text);
    std::fflush(stdout);
}

} // namespace

int main()
{
    say("ready");
    const std::string command = "end ";
    for (std::string line; std::getline(std::cin, line);) {
        if (line.compare(0, command.size(), command) != 0)
            continue;
        platform::terminateProcessesNamed(line.substr(command.size()), GetCurrentProcessId());
        say("ended");
    }
    say("bye");
    return 0;
}

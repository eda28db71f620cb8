// standin: a program under the product's name. Prints "ready"; on each input line "end <name>"
// ends the processes with that executable file name inside the folder above its own (never
// itself) and prints "ended"; prints "bye" when its input closes.
#include "ProcessControl.h"
#include "WideString_win.h"

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

std::string installationFolder()
{
    wchar_t path[MAX_PATH];
    std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    for (int level = 0; level < 2; ++level)
        folder.resize(folder.find_last_of(L'\\'));
    return platform::toUtf8(folder);
}

} // namespace

int main()
{
    say("ready");
    const std::string command = "end ";
    for (std::string line; std::getline(std::cin, line);) {
        if (line.compare(0, command.size(), command) != 0)
            continue;
        platform::terminateProcessesNamed(line.substr(command.size()),
                                          installationFolder(),
                                          GetCurrentProcessId());
        say("ended");
    }
    say("bye");
    return 0;
}

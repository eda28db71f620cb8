#include "platform/ProcessEnvironment.h"

#include "platform/WideString_win.h"

#include <windows.h>

namespace platform {

std::string executableDirectory()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring executable(path, length);
    const auto separator = executable.find_last_of(L"\\/");
    if (separator != std::wstring::npos)
        executable.resize(separator);
    return toUtf8(executable);
}

bool hasDisplay()
{
    return true; // a desktop session always has one
}

std::string executableSuffix()
{
    return ".exe";
}

} // namespace platform

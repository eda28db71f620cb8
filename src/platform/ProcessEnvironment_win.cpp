#include "ProcessEnvironment.h"

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
    const int size = WideCharToMultiByte(CP_UTF8,
                                         0,
                                         executable.data(),
                                         int(executable.size()),
                                         nullptr,
                                         0,
                                         nullptr,
                                         nullptr);
    std::string utf8(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8,
                        0,
                        executable.data(),
                        int(executable.size()),
                        utf8.data(),
                        size,
                        nullptr,
                        nullptr);
    return utf8;
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

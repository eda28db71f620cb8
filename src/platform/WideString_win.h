// UTF-8 to the UTF-16 that the wide Windows calls take.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

inline std::wstring toWide(const std::string &utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

} // namespace platform

// Between UTF-8 and the UTF-16 of the wide Windows calls.
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

inline std::string toUtf8(const std::wstring &wide)
{
    const int size = WideCharToMultiByte(CP_UTF8,
                                         0,
                                         wide.data(),
                                         int(wide.size()),
                                         nullptr,
                                         0,
                                         nullptr,
                                         nullptr);
    std::string utf8(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8,
                        0,
                        wide.data(),
                        int(wide.size()),
                        utf8.data(),
                        size,
                        nullptr,
                        nullptr);
    return utf8;
}

} // namespace platform

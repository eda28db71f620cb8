#include "platform/BoundedFile.h"

#include "platform/WideString_win.h"

#include <algorithm>

namespace platform {

namespace {

FileRead readOpened(HANDLE file, std::size_t maxBytes, std::string &content)
{
    BY_HANDLE_FILE_INFORMATION information = {};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information)
        || (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileRead::NotRegular;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size))
        return FileRead::Unreadable;
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return FileRead::TooLarge;
    // One byte more than allowed tells a file that grew since its size was read.
    content.resize(std::min<std::size_t>(std::size_t(size.QuadPart), maxBytes) + 1);
    std::size_t length = 0;
    while (length < content.size()) {
        DWORD got = 0;
        if (!ReadFile(file, &content[length], DWORD(content.size() - length), &got, nullptr))
            return FileRead::Unreadable;
        if (got == 0)
            break;
        length += got;
        if (length == content.size() && length <= maxBytes)
            content.resize(std::min(content.size() * 2, maxBytes + 1));
    }
    content.resize(length);
    return length > maxBytes ? FileRead::TooLarge : FileRead::Read;
}

} // namespace

FileRead readRegularFile(const std::string &path, std::size_t maxBytes, std::string &content)
{
    content.clear();
    const HANDLE file = CreateFileW(toWide(path).c_str(),
                                    GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr,
                                    OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FileRead::Unreadable;
    const FileRead result = readOpened(file, maxBytes, content);
    CloseHandle(file);
    if (result != FileRead::Read)
        content.clear();
    return result;
}

} // namespace platform

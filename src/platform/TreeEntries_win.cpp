#include "platform/TreeEntries_win.h"

#include <algorithm>

namespace platform {

// A reparse point (a link, a junction, a mounted volume) is opened as itself, never followed.
// Without FILE_SHARE_DELETE, a folder held open cannot be renamed or replaced meanwhile.
HANDLE openEntry(const std::wstring &path, DWORD access)
{
    return CreateFileW(path.c_str(),
                       access | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr,
                       OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                       nullptr);
}

bool describeHandle(HANDLE handle, DWORD &attributes, Identity &identity)
{
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!GetFileInformationByHandle(handle, &info))
        return false;
    attributes = info.dwFileAttributes;
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

bool namesIn(HANDLE directory, std::vector<Listed> &names)
{
    std::vector<unsigned char> buffer(64 * 1024);
    FILE_INFO_BY_HANDLE_CLASS kind = FileFullDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(directory, kind, buffer.data(), DWORD(buffer.size()))) {
        kind = FileFullDirectoryInfo;
        std::size_t offset = 0;
        for (;;) {
            const auto *info = reinterpret_cast<const FILE_FULL_DIR_INFO *>(buffer.data() + offset);
            const std::wstring name(info->FileName, info->FileNameLength / sizeof(WCHAR));
            if (name != L"." && name != L"..")
                names.push_back({name, info->FileAttributes});
            if (info->NextEntryOffset == 0)
                break;
            offset += info->NextEntryOffset;
        }
    }
    return GetLastError() == ERROR_NO_MORE_FILES;
}

bool isDirectory(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool markForDeletion(HANDLE handle)
{
    FILE_DISPOSITION_INFO disposition = {};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition);
}

std::wstring finalPathOf(HANDLE handle)
{
    std::vector<wchar_t> path(32768);
    const DWORD length = GetFinalPathNameByHandleW(handle,
                                                   path.data(),
                                                   DWORD(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= path.size())
        return {};
    return std::wstring(path.data(), length);
}

std::wstring withoutLongPrefix(const std::wstring &path)
{
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0)
        return L"\\" + path.substr(7);
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path.substr(4);
    return path;
}

std::vector<std::wstring> componentsOf(const std::wstring &path)
{
    std::size_t start = 0;
    if (path.rfind(L"\\\\", 0) == 0) {
        const std::size_t share = path.find(L'\\', 2);
        start = share == std::wstring::npos ? path.size()
                                            : std::min(path.find(L'\\', share + 1), path.size());
    } else if (path.size() >= 2 && path[1] == L':') {
        start = 2;
    } else {
        return {};
    }
    std::vector<std::wstring> components{path.substr(0, start) + L'\\'};
    while (start < path.size()) {
        const std::size_t end = std::min(path.find(L'\\', start + 1), path.size());
        const std::wstring name = path.substr(start + 1, end - start - 1);
        if (!name.empty() && name != L".")
            components.push_back(name);
        start = end;
    }
    return components;
}

} // namespace platform

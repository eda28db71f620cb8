#include "platform/TreeRemover.h"

#include "platform/WideString_win.h"

#include <userenv.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <utility>
#include <vector>

namespace platform {

namespace {

class Handle
{
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle)
    {}
    ~Handle()
    {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

struct Listed
{
    std::wstring name;
    DWORD attributes = 0;
};

// A reparse point (a link, a junction, a mounted volume) is opened as itself, never followed.
// Without FILE_SHARE_DELETE, a folder held open cannot be renamed or replaced meanwhile.
HANDLE openEntry(const std::wstring &path, bool list)
{
    const DWORD access = DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE
                         | (list ? FILE_LIST_DIRECTORY : 0);
    return CreateFileW(path.c_str(),
                       access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr,
                       OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                       nullptr);
}

std::vector<Listed> namesIn(HANDLE directory)
{
    std::vector<Listed> names;
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
    return names;
}

bool isDirectory(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

class WinTreeRemover : public TreeRemover
{
public:
    WinTreeRemover(HANDLE root, std::wstring path, DWORD volume)
        : m_root(root)
        , m_path(std::move(path))
        , m_volume(volume)
    {}

    std::size_t count(const Filter &filter) override
    {
        return countIn(m_root.get(), m_path, {}, filter);
    }

    void remove(const Filter &filter,
                const std::vector<std::string> &last,
                const Visitor &visit) override
    {
        const std::vector<Listed> names = namesIn(m_root.get());
        std::vector<const Listed *> deferred(last.size(), nullptr);
        for (const Listed &listed : names) {
            const auto found = std::find(last.begin(), last.end(), toUtf8(listed.name));
            if (found == last.end())
                removeEntry(m_path, {}, listed, filter, visit);
            else
                deferred[std::size_t(found - last.begin())] = &listed;
        }
        for (const Listed *listed : deferred) {
            if (listed)
                removeEntry(m_path, {}, *listed, filter, visit);
        }
    }

private:
    static TreeEntry describe(const std::string &prefix, const Listed &listed)
    {
        TreeEntry entry;
        entry.name = toUtf8(listed.name);
        entry.relativePath = prefix + entry.name;
        entry.directory = isDirectory(listed.attributes);
        entry.hidden = (listed.attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        return entry;
    }

    // The entry opened as itself; its kind and device are taken from the handle, not the list.
    HANDLE open(const std::wstring &path, TreeEntry &entry, bool &vanished)
    {
        HANDLE handle = openEntry(path, true);
        if (handle == INVALID_HANDLE_VALUE)
            handle = openEntry(path, false);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            vanished = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            return handle;
        }
        BY_HANDLE_FILE_INFORMATION info = {};
        if (GetFileInformationByHandle(handle, &info)) {
            entry.directory = isDirectory(info.dwFileAttributes);
            entry.otherDevice = entry.directory && info.dwVolumeSerialNumber != m_volume;
        }
        return handle;
    }

    std::size_t countIn(HANDLE directory,
                        const std::wstring &path,
                        const std::string &prefix,
                        const Filter &filter)
    {
        std::size_t total = 0;
        for (const Listed &listed : namesIn(directory)) {
            TreeEntry entry = describe(prefix, listed);
            if (filter(entry) == EntryAction::Skip)
                continue;
            ++total;
            if (!entry.directory)
                continue;
            bool vanished = false;
            const std::wstring childPath = path + L'\\' + listed.name;
            const Handle child(open(childPath, entry, vanished));
            if (child.valid() && entry.directory && !entry.otherDevice)
                total += countIn(child.get(), childPath, entry.relativePath + '/', filter);
        }
        return total;
    }

    void removeEntry(const std::wstring &parentPath,
                     const std::string &prefix,
                     const Listed &listed,
                     const Filter &filter,
                     const Visitor &visit)
    {
        TreeEntry entry = describe(prefix, listed);
        const EntryAction action = filter(entry);
        if (action == EntryAction::Skip)
            return;
        if (entry.directory)
            beforeEnter(entry.relativePath);
        bool vanished = false;
        const std::wstring path = parentPath + L'\\' + listed.name;
        const Handle handle(open(path, entry, vanished));
        if (!handle.valid()) {
            if (!vanished)
                visit(entry, EntryOutcome::Failed);
            return;
        }
        if (entry.directory && !entry.otherDevice) {
            for (const Listed &child : namesIn(handle.get()))
                removeEntry(path, entry.relativePath + '/', child, filter, visit);
        }
        if (action == EntryAction::Keep) {
            visit(entry, EntryOutcome::Kept);
            return;
        }
        FILE_DISPOSITION_INFO disposition = {};
        disposition.DeleteFile = TRUE;
        EntryOutcome outcome = EntryOutcome::Removed;
        if (!SetFileInformationByHandle(handle.get(),
                                        FileDispositionInfo,
                                        &disposition,
                                        sizeof disposition)) {
            // A folder still holding kept entries stays on purpose; its other content was counted.
            outcome = entry.directory && !entry.otherDevice && GetLastError() == ERROR_DIR_NOT_EMPTY
                          ? EntryOutcome::Kept
                          : EntryOutcome::Failed;
        }
        visit(entry, outcome);
    }

    Handle m_root;
    std::wstring m_path;
    DWORD m_volume;
};

std::wstring withBackslashes(std::wstring path)
{
    std::replace(path.begin(), path.end(), L'/', L'\\');
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    return path;
}

std::string environmentFolder(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : std::string();
}

std::wstring profilesDirectory()
{
    DWORD size = 0;
    GetProfilesDirectoryW(nullptr, &size);
    std::wstring path(size, L'\0');
    if (size == 0 || !GetProfilesDirectoryW(path.data(), &size))
        return {};
    path.resize(wcslen(path.c_str()));
    return path;
}

} // namespace

std::unique_ptr<TreeRemover> TreeRemover::open(const std::string &root)
{
    const std::wstring path = withBackslashes(toWide(root));
    HANDLE handle = openEntry(path, true);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    BY_HANDLE_FILE_INFORMATION info = {};
    std::vector<wchar_t> finalPath(32768);
    const DWORD length = GetFinalPathNameByHandleW(handle,
                                                   finalPath.data(),
                                                   DWORD(finalPath.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (!GetFileInformationByHandle(handle, &info) || !isDirectory(info.dwFileAttributes)
        || length == 0 || length >= finalPath.size()) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<WinTreeRemover>(handle,
                                            std::wstring(finalPath.data(), length),
                                            info.dwVolumeSerialNumber);
}

std::vector<std::string> systemFolders()
{
    std::vector<std::string> folders;
    wchar_t buffer[MAX_PATH + 1] = {};
    if (GetWindowsDirectoryW(buffer, MAX_PATH))
        folders.push_back(toUtf8(buffer));
    if (GetSystemDirectoryW(buffer, MAX_PATH))
        folders.push_back(toUtf8(buffer));
    for (const char *name : {"ProgramFiles",
                             "ProgramFiles(x86)",
                             "ProgramW6432",
                             "ProgramData",
                             "CommonProgramFiles",
                             "CommonProgramFiles(x86)"}) {
        const std::string folder = environmentFolder(name);
        if (!folder.empty())
            folders.push_back(folder);
    }
    const std::wstring profiles = profilesDirectory();
    if (!profiles.empty())
        folders.push_back(toUtf8(profiles));
    return folders;
}

std::vector<std::string> accountHomes()
{
    std::vector<std::string> homes;
    const std::string own = environmentFolder("USERPROFILE");
    if (!own.empty())
        homes.push_back(own);
    const std::wstring profiles = profilesDirectory();
    if (profiles.empty())
        return homes;
    WIN32_FIND_DATAW found = {};
    const HANDLE search = FindFirstFileW((profiles + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return homes;
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..")
            homes.push_back(toUtf8(profiles + L'\\' + name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return homes;
}

} // namespace platform

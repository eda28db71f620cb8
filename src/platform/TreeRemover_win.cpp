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
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE)
        : m_handle(handle)
    {}
    ~Handle()
    {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(Handle &&other) noexcept
        : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE))
    {}
    Handle &operator=(Handle &&other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
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

struct Identity
{
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const Identity &other) const
    {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

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

// Names of one directory; false when it cannot be listed whole.
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

// "\\?\C:\x" as "C:\x", "\\?\UNC\server\share\x" as "\\server\share\x".
std::wstring withoutLongPrefix(const std::wstring &path)
{
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0)
        return L"\\" + path.substr(7);
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path.substr(4);
    return path;
}

// "C:\a\b" as "C:\", "a", "b"; "\\server\share\a" as "\\server\share\", "a".
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

struct Frame
{
    Handle handle; // held without FILE_SHARE_DELETE: no folder on the way can be renamed
    std::wstring path;
    std::vector<Listed> names;
    std::size_t next = 0;
    TreeEntry entry;
    EntryAction action = EntryAction::Remove;
    bool unread = false;
};

class WinTreeRemover : public TreeRemover
{
public:
    WinTreeRemover(std::vector<Handle> ancestors, Handle root, std::wstring path, Identity identity)
        : m_ancestors(std::move(ancestors))
        , m_root(std::move(root))
        , m_path(std::move(path))
        , m_utf8Path(toUtf8(withoutLongPrefix(m_path)))
        , m_identity(identity)
    {}

    const std::string &path() const override { return m_utf8Path; }

    bool isSameFolder(const std::string &path) const override
    {
        const Handle folder(CreateFileW(toWide(path).c_str(),
                                        FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr,
                                        OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
        DWORD attributes = 0;
        Identity identity;
        return folder.valid() && describeHandle(folder.get(), attributes, identity)
               && identity == m_identity;
    }

    std::size_t count(const Filter &filter) override
    {
        std::size_t total = 0;
        m_removing = false;
        walk(filter, {}, [&total](Frame &) { ++total; });
        return total;
    }

    void remove(const Filter &filter,
                const std::vector<std::string> &last,
                const Visitor &visit) override
    {
        m_removing = true;
        walk(filter, last, [&](Frame &met) {
            EntryOutcome outcome = met.action == EntryAction::Keep ? EntryOutcome::Kept
                                                                   : dispose(met);
            if (met.unread && outcome != EntryOutcome::Removed)
                outcome = EntryOutcome::Failed;
            if (outcome == EntryOutcome::Failed)
                met.entry.relativePath = relativePath(met.entry.name);
            visit(met.entry, outcome);
        });
    }

private:
    // Called for every entry the filter does not skip, after everything below it.
    using Leave = std::function<void(Frame &)>;

    // Depth first with an explicit stack, so that the depth cannot overflow the thread's stack.
    void walk(const Filter &filter, const std::vector<std::string> &last, const Leave &leave)
    {
        m_stack.clear();
        Frame root;
        root.path = m_path;
        if (!namesIn(m_root.get(), root.names)) {
            root.entry.name = ".";
            root.entry.directory = true;
            root.unread = true;
            return leave(root);
        }
        root.names = rootOrder(root.names, last);
        m_stack.push_back(std::move(root));
        while (!m_stack.empty()) {
            Frame &top = m_stack.back();
            if (top.next < top.names.size()) {
                meet(top.names[top.next++], filter, leave);
                continue;
            }
            Frame done = std::move(top);
            m_stack.pop_back();
            if (!m_stack.empty())
                leave(done);
        }
    }

    // The root's names with those in last moved behind the others, in the order of last.
    static std::vector<Listed> rootOrder(const std::vector<Listed> &names,
                                         const std::vector<std::string> &last)
    {
        std::vector<Listed> ordered;
        std::vector<const Listed *> deferred(last.size(), nullptr);
        for (const Listed &listed : names) {
            const auto found = std::find(last.begin(), last.end(), toUtf8(listed.name));
            if (found == last.end())
                ordered.push_back(listed);
            else
                deferred[std::size_t(found - last.begin())] = &listed;
        }
        for (const Listed *listed : deferred) {
            if (listed)
                ordered.push_back(*listed);
        }
        return ordered;
    }

    void meet(const Listed listed, const Filter &filter, const Leave &leave)
    {
        Frame met;
        met.entry.name = toUtf8(listed.name);
        met.entry.directory = isDirectory(listed.attributes);
        met.entry.hidden = (listed.attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        met.action = filter(met.entry);
        if (met.action == EntryAction::Skip)
            return;
        if (m_removing && met.entry.directory && hasBeforeEnterHook())
            beforeEnter(relativePath(met.entry.name));
        met.path = m_stack.back().path + L'\\' + listed.name;
        // Its kind and volume are taken from the handle, not from the listing.
        met.handle = Handle(openEntry(met.path, DELETE | FILE_LIST_DIRECTORY));
        if (!met.handle.valid())
            met.handle = Handle(openEntry(met.path, DELETE));
        DWORD attributes = 0;
        Identity identity;
        if (!met.handle.valid() || !describeHandle(met.handle.get(), attributes, identity)) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                return; // gone meanwhile
            met.unread = true;
            return leave(met);
        }
        met.entry.directory = isDirectory(attributes);
        met.entry.otherDevice = met.entry.directory && identity.volume != m_identity.volume;
        if (!met.entry.directory || met.entry.otherDevice)
            return leave(met);
        met.unread = !namesIn(met.handle.get(), met.names);
        if (met.unread)
            return leave(met);
        m_stack.push_back(std::move(met));
    }

    static EntryOutcome dispose(const Frame &met)
    {
        FILE_DISPOSITION_INFO disposition = {};
        disposition.DeleteFile = TRUE;
        if (met.handle.valid()
            && SetFileInformationByHandle(met.handle.get(),
                                          FileDispositionInfo,
                                          &disposition,
                                          sizeof disposition))
            return EntryOutcome::Removed;
        // A folder still holding kept entries stays on purpose; its other content was counted.
        return met.entry.directory && !met.entry.otherDevice
                       && GetLastError() == ERROR_DIR_NOT_EMPTY
                   ? EntryOutcome::Kept
                   : EntryOutcome::Failed;
    }

    std::string relativePath(const std::string &name) const
    {
        std::string path;
        for (std::size_t level = 1; level < m_stack.size(); ++level)
            path += m_stack[level].entry.name + '/';
        return path + name;
    }

    std::vector<Handle> m_ancestors;
    Handle m_root;
    std::wstring m_path;
    std::string m_utf8Path;
    Identity m_identity;
    std::vector<Frame> m_stack;
    bool m_removing = false;
};

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

bool sameText(const std::wstring &a, const std::wstring &b)
{
    return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE)
           == CSTR_EQUAL;
}

bool isInside(const std::wstring &path, const std::wstring &folder)
{
    return path.size() > folder.size() + 1 && path[folder.size()] == L'\\'
           && sameText(path.substr(0, folder.size()), folder);
}

// Long names, no trailing separator: the form the final path of a handle has.
std::wstring longFormOf(std::wstring path)
{
    std::wstring normal(32768, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), normal.data(), DWORD(normal.size()));
    if (length > 0 && length < normal.size())
        path = normal.substr(0, length);
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    return path;
}

} // namespace

std::unique_ptr<TreeRemover> TreeRemover::open(const std::string &root, OpenFailure *failure)
{
    OpenFailure ignored = OpenFailure::None;
    OpenFailure &why = failure ? *failure : ignored;
    why = OpenFailure::Missing;
    beforeEnter({});
    std::wstring given = toWide(root);
    std::replace(given.begin(), given.end(), L'/', L'\\');
    std::vector<Handle> held;
    std::wstring path;
    Identity identity;
    for (const std::wstring &name : componentsOf(given)) {
        if (name == L"..") {
            why = OpenFailure::ThroughLink;
            return nullptr;
        }
        path += path.empty() || path.back() == L'\\' ? name : L'\\' + name;
        Handle folder(openEntry(path, FILE_LIST_DIRECTORY));
        DWORD attributes = 0;
        if (!folder.valid() || !describeHandle(folder.get(), attributes, identity))
            return nullptr;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            why = OpenFailure::ThroughLink;
            return nullptr;
        }
        if (!isDirectory(attributes))
            return nullptr;
        held.push_back(std::move(folder));
    }
    if (held.empty())
        return nullptr;
    Handle folder = std::move(held.back());
    held.pop_back();
    const std::wstring finalPath = finalPathOf(folder.get());
    if (finalPath.empty())
        return nullptr;
    why = OpenFailure::None;
    return std::make_unique<WinTreeRemover>(std::move(held), std::move(folder), finalPath, identity);
}

bool isSystemFolder(const std::string &utf8Path, const std::string &ownHome)
{
    const std::wstring path = toWide(utf8Path);
    if (componentsOf(path).size() <= 1)
        return true; // a drive or a share itself
    wchar_t buffer[MAX_PATH + 1] = {};
    if (GetWindowsDirectoryW(buffer, MAX_PATH)) {
        const std::wstring windows = longFormOf(buffer);
        if (sameText(path, windows) || isInside(path, windows))
            return true;
    }
    if (!ownHome.empty() && isInside(path, longFormOf(toWide(ownHome))))
        return false;
    // The roots themselves, not the products inside them.
    std::vector<std::wstring> roots{profilesDirectory()};
    for (const char *name : {"ProgramFiles",
                             "ProgramFiles(x86)",
                             "ProgramW6432",
                             "ProgramData",
                             "CommonProgramFiles",
                             "CommonProgramFiles(x86)",
                             "CommonProgramW6432"}) {
        const std::string folder = environmentFolder(name);
        if (!folder.empty())
            roots.push_back(toWide(folder));
    }
    return std::any_of(roots.begin(), roots.end(), [&path](const std::wstring &root) {
        return !root.empty() && sameText(path, longFormOf(root));
    });
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

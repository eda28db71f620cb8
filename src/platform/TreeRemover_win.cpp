#include "platform/TreeRemover.h"

#include "platform/TreeEntries_win.h"
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
        if (met.handle.valid() && markForDeletion(met.handle.get()))
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

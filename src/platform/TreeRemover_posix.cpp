#include "platform/TreeRemover.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace platform {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

constexpr int directoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Directories held open below the root whatever the depth; the ones above them are closed and
// reopened through ".." on the way back up.
constexpr std::size_t heldLevels = 16;

struct Identity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const Identity &other) const
    {
        return device == other.device && inode == other.inode;
    }
};

Identity identityOf(int fd)
{
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return {};
    return {status.st_dev, status.st_ino};
}

// Names of one directory, read before any of them is removed; false when it cannot be read whole.
bool readNames(int directory, std::vector<std::string> &names)
{
    // A descriptor of its own, so that the listing never moves the offset of the one kept.
    const int fd = ::openat(directory, ".", directoryFlags);
    DIR *stream = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!stream) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    errno = 0;
    while (const dirent *entry = ::readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(stream);
    return complete;
}

bool isMountRoot(int fd)
{
#if defined(__linux__) && defined(STATX_ATTR_MOUNT_ROOT)
    // A bind mount of the same file system has the same device number.
    struct statx status = {};
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_TYPE, &status) == 0
        && (status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT))
        return (status.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
#endif
    (void) fd;
    return false;
}

struct Frame
{
    Descriptor fd; // closed while deeper levels are held; invalid at the top: lost
    Identity identity;
    std::vector<std::string> names;
    std::size_t next = 0;
    TreeEntry entry; // the directory as an entry of its parent
    EntryAction action = EntryAction::Remove;
};

class PosixTreeRemover : public TreeRemover
{
public:
    PosixTreeRemover(Descriptor root, std::string path)
        : m_root(std::move(root))
        , m_identity(identityOf(m_root.get()))
        , m_path(std::move(path))
    {}

    const std::string &path() const override { return m_path; }

    bool isSameFolder(const std::string &path) const override
    {
        struct stat status = {};
        return ::stat(path.c_str(), &status) == 0
               && Identity{status.st_dev, status.st_ino} == m_identity;
    }

    std::size_t count(const Filter &filter) override
    {
        std::size_t total = 0;
        m_removing = false;
        walk(filter, {}, [&total](int, TreeEntry &, EntryAction, bool) { ++total; });
        return total;
    }

    void remove(const Filter &filter,
                const std::vector<std::string> &last,
                const Visitor &visit) override
    {
        m_removing = true;
        walk(filter, last, [&](int parent, TreeEntry &entry, EntryAction action, bool unread) {
            EntryOutcome outcome = action == EntryAction::Keep ? EntryOutcome::Kept
                                                               : unlink(parent, entry);
            if (unread && outcome != EntryOutcome::Removed)
                outcome = EntryOutcome::Failed;
            if (outcome == EntryOutcome::Failed)
                entry.relativePath = relativePath(entry.name);
            visit(entry, outcome);
        });
    }

private:
    // Called for every entry the filter does not skip, after everything below it, with the
    // descriptor of the directory holding it; unread: a directory whose content is unknown.
    using Leave = std::function<void(int parent, TreeEntry &, EntryAction, bool unread)>;

    // Depth first with an explicit stack, so that neither the depth nor the descriptor limit
    // decides what is reached.
    void walk(const Filter &filter, const std::vector<std::string> &last, const Leave &leave)
    {
        m_stack.clear();
        Frame root;
        root.fd.reset(::openat(m_root.get(), ".", directoryFlags));
        root.identity = m_identity;
        if (!root.fd.valid() || !readNames(root.fd.get(), root.names)) {
            TreeEntry unreadable;
            unreadable.name = ".";
            unreadable.directory = true;
            leave(-1, unreadable, EntryAction::Remove, true);
            return;
        }
        root.names = rootOrder(root.names, last);
        m_stack.push_back(std::move(root));
        while (!m_stack.empty()) {
            Frame &top = m_stack.back();
            if (!top.fd.valid() || top.next == top.names.size())
                leaveDirectory(leave);
            else
                meet(top.fd.get(), top.names[top.next++], filter, leave);
        }
    }

    // The root's names with those in last moved behind the others, in the order of last.
    static std::vector<std::string> rootOrder(const std::vector<std::string> &names,
                                              const std::vector<std::string> &last)
    {
        const auto listed = [](const std::vector<std::string> &list, const std::string &name) {
            return std::find(list.begin(), list.end(), name) != list.end();
        };
        std::vector<std::string> ordered;
        for (const std::string &name : names) {
            if (!listed(last, name))
                ordered.push_back(name);
        }
        for (const std::string &name : last) {
            if (listed(names, name))
                ordered.push_back(name);
        }
        return ordered;
    }

    void meet(int parent, const std::string &name, const Filter &filter, const Leave &leave)
    {
        struct stat status = {};
        if (::fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return; // gone meanwhile
        TreeEntry entry;
        entry.name = name;
        entry.directory = S_ISDIR(status.st_mode);
        entry.hidden = name.front() == '.';
        const EntryAction action = filter(entry);
        if (action == EntryAction::Skip)
            return;
        if (!entry.directory)
            return leave(parent, entry, action, false);
        if (m_removing && hasBeforeEnterHook())
            beforeEnter(relativePath(name));
        Frame child;
        child.fd.reset(::openat(parent, name.c_str(), directoryFlags));
        const int error = errno;
        if (!child.fd.valid()) {
            // Swapped for a link or a file since it was listed: removed as that.
            entry.directory = error != ELOOP && error != ENOTDIR;
            return leave(parent, entry, action, entry.directory);
        }
        child.identity = identityOf(child.fd.get());
        entry.otherDevice = child.identity.device != m_identity.device
                            || isMountRoot(child.fd.get());
        if (entry.otherDevice)
            return leave(parent, entry, action, false);
        if (!readNames(child.fd.get(), child.names))
            return leave(parent, entry, action, true);
        child.entry = std::move(entry);
        child.action = action;
        m_stack.push_back(std::move(child));
        if (m_stack.size() > heldLevels + 1)
            m_stack[m_stack.size() - 1 - heldLevels].fd.reset();
    }

    void leaveDirectory(const Leave &leave)
    {
        Frame child = std::move(m_stack.back());
        m_stack.pop_back();
        if (m_stack.empty())
            return; // the root stays
        Frame &parent = m_stack.back();
        if (!parent.fd.valid() && child.fd.valid()) {
            // Moved elsewhere meanwhile: its parent is no longer the one it was reached from.
            Descriptor up(::openat(child.fd.get(), "..", directoryFlags));
            if (up.valid() && identityOf(up.get()) == parent.identity)
                parent.fd = std::move(up);
        }
        const bool lost = !child.fd.valid() || child.next < child.names.size();
        child.fd.reset();
        leave(parent.fd.get(), child.entry, child.action, lost);
    }

    std::string relativePath(const std::string &name) const
    {
        std::string path;
        for (std::size_t level = 1; level < m_stack.size(); ++level)
            path += m_stack[level].entry.name + '/';
        return path + name;
    }

    static EntryOutcome unlink(int parent, const TreeEntry &entry)
    {
        if (::unlinkat(parent, entry.name.c_str(), entry.directory ? AT_REMOVEDIR : 0) == 0
            || errno == ENOENT)
            return EntryOutcome::Removed;
        // A directory still holding kept entries stays on purpose; its other content was counted.
        if (entry.directory && !entry.otherDevice && (errno == ENOTEMPTY || errno == EEXIST))
            return EntryOutcome::Kept;
        return EntryOutcome::Failed;
    }

    Descriptor m_root;
    Identity m_identity;
    std::string m_path;
    std::vector<Frame> m_stack;
    bool m_removing = false;
};

bool isInside(const std::string &path, const std::string &folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0
           && (folder.back() == '/' || path[folder.size()] == '/');
}

bool isLink(int directory, const std::string &name)
{
    struct stat status = {};
    return ::fstatat(directory, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0
           && S_ISLNK(status.st_mode);
}

} // namespace

std::unique_ptr<TreeRemover> TreeRemover::open(const std::string &root, OpenFailure *failure)
{
    OpenFailure ignored = OpenFailure::None;
    OpenFailure &why = failure ? *failure : ignored;
    why = OpenFailure::Missing;
    beforeEnter({});
    if (root.empty() || root.front() != '/')
        return nullptr;
    Descriptor current(::open("/", directoryFlags));
    std::string path;
    std::size_t start = 1;
    while (start <= root.size() && current.valid()) {
        const std::size_t end = std::min(root.find('/', start), root.size());
        const std::string name = root.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == ".")
            continue;
        Descriptor next(name == ".." ? -1 : ::openat(current.get(), name.c_str(), directoryFlags));
        if (!next.valid()) {
            if (name == ".." || isLink(current.get(), name))
                why = OpenFailure::ThroughLink;
            return nullptr;
        }
        path += '/' + name;
        current = std::move(next);
    }
    if (!current.valid())
        return nullptr;
    why = OpenFailure::None;
    return std::make_unique<PosixTreeRemover>(std::move(current), path.empty() ? "/" : path);
}

bool isSystemFolder(const std::string &path, const std::string &ownHome)
{
    static const char *const exactly[] = {"/",
                                          "/home",
                                          "/media",
                                          "/mnt",
                                          "/opt",
                                          "/root",
                                          "/run",
                                          "/srv",
                                          "/tmp",
                                          "/Applications",
                                          "/Library",
                                          "/Users",
                                          "/Volumes"};
    static const char *const trees[]
        = {"/usr", "/etc", "/var", "/boot", "/proc", "/sys", "/dev", "/bin", "/sbin", "/System"};
    static const char *const localTrees[] = {"bin",
                                             "etc",
                                             "games",
                                             "include",
                                             "lib",
                                             "lib32",
                                             "lib64",
                                             "libexec",
                                             "man",
                                             "sbin",
                                             "share",
                                             "src"};
    if (std::find(std::begin(exactly), std::end(exactly), path) != std::end(exactly))
        return true;
    if (!ownHome.empty() && isInside(path, ownHome))
        return false;
    const std::string local = "/usr/local";
    if (isInside(path, local)) {
        const std::string first = path.substr(local.size() + 1,
                                              path.find('/', local.size() + 1) - local.size() - 1);
        return std::find(std::begin(localTrees), std::end(localTrees), first)
               != std::end(localTrees);
    }
    if (path.compare(0, 4, "/lib") == 0)
        return true;
    return std::any_of(std::begin(trees), std::end(trees), [&path](const char *tree) {
        return path == tree || isInside(path, tree);
    });
}

std::vector<std::string> accountHomes()
{
    std::vector<std::string> homes;
    ::setpwent();
    while (const passwd *account = ::getpwent()) {
        if (account->pw_dir && *account->pw_dir)
            homes.emplace_back(account->pw_dir);
    }
    ::endpwent();
    return homes;
}

} // namespace platform

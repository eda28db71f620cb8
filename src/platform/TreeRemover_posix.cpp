#include "platform/TreeRemover.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

constexpr int directoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Names of one directory, read before any of them is removed.
std::vector<std::string> namesIn(int directory)
{
    std::vector<std::string> names;
    // A descriptor of its own, so that the listing never moves the offset of the one kept.
    const int fd = ::openat(directory, ".", directoryFlags);
    DIR *stream = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!stream) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    while (const dirent *entry = ::readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(stream);
    return names;
}

class PosixTreeRemover : public TreeRemover
{
public:
    PosixTreeRemover(int root, dev_t device)
        : m_root(root)
        , m_device(device)
    {}

    std::size_t count(const Filter &filter) override { return countIn(m_root.get(), {}, filter); }

    void remove(const Filter &filter,
                const std::vector<std::string> &last,
                const Visitor &visit) override
    {
        std::vector<std::string> names = namesIn(m_root.get());
        const auto deferred = [&last](const std::string &name) {
            return std::find(last.begin(), last.end(), name) != last.end();
        };
        for (const std::string &name : names) {
            if (!deferred(name))
                removeEntry(m_root.get(), {}, name, filter, visit);
        }
        for (const std::string &name : last) {
            if (std::find(names.begin(), names.end(), name) != names.end())
                removeEntry(m_root.get(), {}, name, filter, visit);
        }
    }

private:
    bool describe(int parent, const std::string &prefix, const std::string &name, TreeEntry &entry)
    {
        struct stat status = {};
        if (::fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        entry.relativePath = prefix + name;
        entry.name = name;
        entry.directory = S_ISDIR(status.st_mode);
        entry.hidden = name.front() == '.';
        return true;
    }

    // The directory of entry, opened without following a link; -1 when it is no longer one.
    int enter(int parent, TreeEntry &entry)
    {
        const int fd = ::openat(parent, entry.name.c_str(), directoryFlags);
        if (fd < 0) {
            entry.directory = errno != ELOOP && errno != ENOTDIR;
            return -1;
        }
        struct stat status = {};
        entry.otherDevice = ::fstat(fd, &status) != 0 || status.st_dev != m_device
                            || isMountRoot(fd);
        return fd;
    }

    static bool isMountRoot(int fd)
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

    std::size_t countIn(int directory, const std::string &prefix, const Filter &filter)
    {
        std::size_t total = 0;
        for (const std::string &name : namesIn(directory)) {
            TreeEntry entry;
            if (!describe(directory, prefix, name, entry) || filter(entry) == EntryAction::Skip)
                continue;
            ++total;
            if (!entry.directory)
                continue;
            const Descriptor child(enter(directory, entry));
            if (child.get() >= 0 && !entry.otherDevice)
                total += countIn(child.get(), entry.relativePath + '/', filter);
        }
        return total;
    }

    void removeEntry(int parent,
                     const std::string &prefix,
                     const std::string &name,
                     const Filter &filter,
                     const Visitor &visit)
    {
        TreeEntry entry;
        if (!describe(parent, prefix, name, entry))
            return;
        const EntryAction action = filter(entry);
        if (action == EntryAction::Skip)
            return;
        bool unreadable = false;
        if (entry.directory) {
            beforeEnter(entry.relativePath);
            const Descriptor child(enter(parent, entry));
            unreadable = child.get() < 0 && entry.directory;
            if (child.get() >= 0 && !entry.otherDevice) {
                for (const std::string &childName : namesIn(child.get()))
                    removeEntry(child.get(), entry.relativePath + '/', childName, filter, visit);
            }
        }
        EntryOutcome outcome = action == EntryAction::Keep ? EntryOutcome::Kept
                                                           : unlink(parent, entry);
        if (unreadable && outcome == EntryOutcome::Kept)
            outcome = EntryOutcome::Failed;
        visit(entry, outcome);
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
    dev_t m_device;
};

} // namespace

std::unique_ptr<TreeRemover> TreeRemover::open(const std::string &root)
{
    const int fd = ::open(root.c_str(), directoryFlags);
    struct stat status = {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixTreeRemover>(fd, status.st_dev);
}

std::vector<std::string> systemFolders()
{
    return {"/bin",           "/boot",     "/dev",       "/etc",     "/home",      "/lib",
            "/lib32",         "/lib64",    "/libx32",    "/media",   "/mnt",       "/opt",
            "/proc",          "/root",     "/run",       "/sbin",    "/srv",       "/sys",
            "/tmp",           "/usr",      "/usr/bin",   "/usr/lib", "/usr/lib64", "/usr/local",
            "/usr/local/bin", "/usr/sbin", "/usr/share", "/var",     "/var/lib",   "/var/tmp",
            "/Applications",  "/Library",  "/System",    "/Users",   "/Volumes"};
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

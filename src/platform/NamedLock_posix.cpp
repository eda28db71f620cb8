#include "platform/NamedLock.h"

#include "platform/LockName.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool note(std::vector<std::string> *problems, std::string problem)
{
    if (problems)
        problems->push_back(std::move(problem));
    return false;
}

std::string octal(mode_t mode)
{
    char text[8];
    std::snprintf(text, sizeof(text), "%04o", unsigned(mode & 07777));
    return text;
}

// Makes path a folder of the user's own that only the user can enter: created when missing, a
// link or file of the user's own replaced, an open mode closed. Another user's entry is never
// used: it could be swapped or filled with locks that are always held.
bool makePrivateFolder(const std::string &path, std::vector<std::string> *problems)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        ::mkdir(path.c_str(), 0700);
        struct stat info = {};
        if (::lstat(path.c_str(), &info) != 0)
            return note(problems, "lock folder " + path + " cannot be created");
        if (info.st_uid != ::getuid())
            return note(problems, "lock folder " + path + " belongs to another user");
        if (!S_ISDIR(info.st_mode)) {
            note(problems, "lock folder " + path + " is not a folder: replaced");
            if (::unlink(path.c_str()) != 0)
                return false;
            continue;
        }
        if ((info.st_mode & 077) == 0)
            return true;
        note(problems, "lock folder " + path + " had mode " + octal(info.st_mode) + ": made 0700");
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const bool closed = fd >= 0 && ::fchmod(fd, 0700) == 0;
        if (fd >= 0)
            ::close(fd);
        return closed;
    }
    return false;
}

std::string homeLockDirectory(std::vector<std::string> *problems)
{
    std::vector<char> buffer(16384);
    passwd entry = {};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found
        || found->pw_dir[0] != '/')
        return {};
    const std::string cache = std::string(found->pw_dir) + "/.cache";
    ::mkdir(cache.c_str(), 0700);
    struct stat info = {};
    if (::stat(cache.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return {};
    const std::string directory = cache + "/uninstall-locks";
    return makePrivateFolder(directory, problems) ? directory : std::string();
}

// A file another user left in a folder once open to others is replaced by one of the user's own.
int openLockFile(const std::string &path)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.c_str(),
                              O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                              0600);
        struct stat info = {};
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::getuid())
            return fd;
        if (fd >= 0)
            ::close(fd);
        else if (errno != EACCES && errno != ELOOP && errno != ENXIO)
            return -1;
        ::unlink(path.c_str());
    }
    return -1;
}

} // namespace

std::string lockDirectory(std::vector<std::string> *problems)
{
    // A runtime folder that does not exist (as after su) counts as unset.
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        struct stat info = {};
        if (::lstat(runtime, &info) == 0) {
            if (runtime[0] == '/' && S_ISDIR(info.st_mode) && info.st_uid == ::getuid()
                && (info.st_mode & 077) == 0)
                return runtime;
            note(problems,
                 std::string("XDG_RUNTIME_DIR ") + runtime
                     + " is not a private folder of this user (mode " + octal(info.st_mode)
                     + ", owner " + std::to_string(info.st_uid) + ")");
        }
    }
    // Named by the user's identity alone: per-process variables such as TMPDIR would let two
    // processes of one user miss each other's lock.
    const std::string shared = "/tmp/uninstall-locks-" + std::to_string(::getuid());
    if (makePrivateFolder(shared, problems))
        return shared;
    return homeLockDirectory(problems);
}

NamedLock::NamedLock(std::string key)
    : m_key(std::move(key))
{}

NamedLock::~NamedLock()
{
    release();
}

NamedLock::Result NamedLock::tryAcquire()
{
    if (m_fd >= 0)
        return Result::Acquired;
    const std::string directory = lockDirectory();
    if (directory.empty())
        return Result::Failed;
    const int fd = openLockFile(directory + "/" + lockName(m_key) + ".lock");
    if (fd < 0)
        return Result::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return Result::AlreadyExists;
    }
    m_fd = fd;
    return Result::Acquired;
}

void NamedLock::release()
{
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

bool NamedLock::isHeld() const
{
    return m_fd >= 0;
}

} // namespace platform

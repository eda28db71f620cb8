#include "platform/NamedLock.h"

#include "platform/LockName.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Without a runtime directory, a folder that only the user's identity names: per-process
// variables such as TMPDIR would let two processes of one user miss each other's lock.
std::string privateLockDirectory()
{
    const std::string directory = "/tmp/uninstall-locks-" + std::to_string(::getuid());
    if (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat info = {};
    if (::lstat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)
        || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return {};
    return directory;
}

std::string lockDirectory()
{
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    return privateLockDirectory();
}

} // namespace

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
    const std::string path = directory + "/" + lockName(m_key) + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

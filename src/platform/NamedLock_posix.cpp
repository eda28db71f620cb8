#include "NamedLock.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

std::string lockDirectory()
{
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    if (const char *tmp = std::getenv("TMPDIR"); tmp && *tmp)
        return tmp;
    return "/tmp";
}

std::string lockFilePath(std::string key)
{
    std::replace(key.begin(), key.end(), '/', '_');
    return lockDirectory() + "/" + key + ".lock";
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
    const int fd = ::open(lockFilePath(m_key).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
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

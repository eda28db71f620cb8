#include "platform/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

FileLock::FileLock(const std::string &path)
    : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
{}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileLock::lock()
{
    if (m_fd < 0)
        return false;
    int result = -1;
    do
        result = ::flock(m_fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

void FileLock::unlock()
{
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_UN);
}

} // namespace platform

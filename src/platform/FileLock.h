// An exclusive lock on a file that processes take in turn.
#pragma once

#include <string>

namespace platform {

class FileLock
{
public:
    // Opens or creates the file at path (UTF-8); nothing is locked yet.
    explicit FileLock(const std::string &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits until no other holder is left, in this process or another; false when the file could
    // not be opened. The system releases the lock when the owning process ends.
    bool lock();
    void unlock();

private:
#ifdef _WIN32
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace platform

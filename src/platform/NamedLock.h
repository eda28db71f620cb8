// A lock that other processes of the same user see by name.
#pragma once

#include <string>

namespace platform {

class NamedLock
{
public:
    enum class Result {
        Acquired,      // this object now owns the lock
        AlreadyExists, // another owner holds it
        Failed         // the system refused to create it; callers count it as held
    };

    explicit NamedLock(std::string key);
    ~NamedLock();
    NamedLock(const NamedLock &) = delete;
    NamedLock &operator=(const NamedLock &) = delete;

    // Never waits. The system releases the lock when the owning process ends.
    Result tryAcquire();
    void release();
    bool isHeld() const;
    const std::string &key() const { return m_key; }

private:
    std::string m_key;
#ifdef _WIN32
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace platform

// A lock that other processes of the same user see by name.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The folder of this user's locks and of the key files of shared segments on POSIX systems:
// $XDG_RUNTIME_DIR when it is a folder of the user's own that only the user can enter, else
// /tmp/uninstall-locks-<uid>, else a folder in the user's home, each made private when it is the
// user's own. Empty on Windows (locks are objects of the logon session) or when no private folder
// can be had. What was found wrong on the way is added to problems.
std::string lockDirectory(std::vector<std::string> *problems = nullptr);

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

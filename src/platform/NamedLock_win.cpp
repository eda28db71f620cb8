#include "platform/NamedLock.h"

#include "platform/LockName.h"
#include "platform/WideString_win.h"

#include <windows.h>

namespace platform {

std::string lockDirectory(std::vector<std::string> *)
{
    return {};
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
    if (m_handle)
        return Result::Acquired;
    // Initial ownership and no namespace prefix: the local namespace of the logon session.
    HANDLE handle = CreateMutexW(nullptr, TRUE, toWide(lockName(m_key)).c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (handle)
            CloseHandle(handle);
        return Result::AlreadyExists;
    }
    if (!handle)
        return Result::Failed;
    m_handle = handle;
    return Result::Acquired;
}

void NamedLock::release()
{
    if (!m_handle)
        return;
    CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
}

bool NamedLock::isHeld() const
{
    return m_handle != nullptr;
}

} // namespace platform

#include "platform/FileLock.h"

#include "platform/WideString_win.h"

#include <windows.h>

namespace platform {

FileLock::FileLock(const std::string &path)
{
    const HANDLE handle = CreateFileW(toWide(path).c_str(),
                                      GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr,
                                      OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL,
                                      nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        m_handle = handle;
}

FileLock::~FileLock()
{
    if (m_handle)
        CloseHandle(static_cast<HANDLE>(m_handle));
}

bool FileLock::lock()
{
    OVERLAPPED start = {};
    return m_handle
           && LockFileEx(static_cast<HANDLE>(m_handle), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &start);
}

void FileLock::unlock()
{
    OVERLAPPED start = {};
    if (m_handle)
        UnlockFileEx(static_cast<HANDLE>(m_handle), 0, 1, 0, &start);
}

} // namespace platform

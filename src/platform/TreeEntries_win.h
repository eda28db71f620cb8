// The primitives of the Windows tree removal: entries opened, listed and deleted through handles,
// and the paths they are reached by.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace platform {

class Handle
{
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE)
        : m_handle(handle)
    {}
    ~Handle()
    {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(Handle &&other) noexcept
        : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE))
    {}
    Handle &operator=(Handle &&other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

struct Listed
{
    std::wstring name;
    DWORD attributes = 0;
};

struct Identity
{
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const Identity &other) const
    {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

HANDLE openEntry(const std::wstring &path, DWORD access);
bool describeHandle(HANDLE handle, DWORD &attributes, Identity &identity);
// Names of one directory; false when it cannot be listed whole.
bool namesIn(HANDLE directory, std::vector<Listed> &names);
bool isDirectory(DWORD attributes);
// Marks the entry to go once its last handle is closed; false when that is refused.
bool markForDeletion(HANDLE handle);

std::wstring finalPathOf(HANDLE handle);
// "\\?\C:\x" as "C:\x", "\\?\UNC\server\share\x" as "\\server\share\x".
std::wstring withoutLongPrefix(const std::wstring &path);
// "C:\a\b" as "C:\", "a", "b"; "\\server\share\a" as "\\server\share\", "a".
std::vector<std::wstring> componentsOf(const std::wstring &path);

} // namespace platform

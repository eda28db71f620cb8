#include "ProcessControl.h"

#include "WideString_win.h"

#include <windows.h>

#include <tlhelp32.h>

namespace platform {

namespace {

void terminateIfNamed(const PROCESSENTRY32W &entry, const std::wstring &name, std::int64_t ownPid)
{
    // As the file system compares names: every letter without regard to case, not only ASCII
    // ones as the C runtime's comparison does.
    if (CompareStringOrdinal(entry.szExeFile, -1, name.c_str(), -1, TRUE) != CSTR_EQUAL)
        return;
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
    if (!process)
        return;
    if (std::int64_t(entry.th32ProcessID) != ownPid)
        TerminateProcess(process, 0);
    CloseHandle(process);
}

} // namespace

void terminateProcessesNamed(const std::string &executableName, std::int64_t ownPid)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    const std::wstring name = toWide(executableName);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(PROCESSENTRY32W);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        terminateIfNamed(entry, name, ownPid);
    CloseHandle(snapshot);
}

} // namespace platform

#include "platform/ProcessControl.h"

#include "platform/WideString_win.h"

#include <windows.h>

#include <memory>
#include <tlhelp32.h>
#include <vector>

namespace platform {

namespace {

struct CloseHandleDeleter
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, CloseHandleDeleter>;

// The token user's SID of a process, empty when it cannot be read.
std::vector<BYTE> userSidOf(HANDLE process)
{
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &rawToken))
        return {};
    const Handle token(rawToken);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size))
        return {};
    const PSID sid = reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid;
    const DWORD length = GetLengthSid(sid);
    const BYTE *bytes = static_cast<const BYTE *>(sid);
    return std::vector<BYTE>(bytes, bytes + length);
}

std::wstring imagePathOf(HANDLE process)
{
    wchar_t path[32768];
    DWORD length = DWORD(sizeof(path) / sizeof(path[0]));
    if (!QueryFullProcessImageNameW(process, 0, path, &length))
        return {};
    return std::wstring(path, length);
}

std::wstring directoryPrefix(const std::string &directory)
{
    std::wstring prefix = toWide(directory);
    for (wchar_t &c : prefix) {
        if (c == L'/')
            c = L'\\';
    }
    if (!prefix.empty() && prefix.back() != L'\\')
        prefix += L'\\';
    return prefix;
}

bool startsWithIgnoringCase(const std::wstring &text, const std::wstring &prefix)
{
    return text.size() > prefix.size()
           && CompareStringOrdinal(text.c_str(),
                                   int(prefix.size()),
                                   prefix.c_str(),
                                   int(prefix.size()),
                                   TRUE)
                  == CSTR_EQUAL;
}

struct Scope
{
    std::wstring name;
    std::wstring inside;
    std::vector<BYTE> user;
    DWORD session;
    std::int64_t ownPid;
};

// The process's handle when it was told to end, else null.
HANDLE terminateIfInScope(const PROCESSENTRY32W &entry, const Scope &scope)
{
    // As the file system compares names: every letter without regard to case, not only ASCII
    // ones as the C runtime's comparison does.
    if (std::int64_t(entry.th32ProcessID) == scope.ownPid
        || CompareStringOrdinal(entry.szExeFile, -1, scope.name.c_str(), -1, TRUE) != CSTR_EQUAL)
        return nullptr;
    DWORD session = 0;
    if (!ProcessIdToSessionId(entry.th32ProcessID, &session) || session != scope.session)
        return nullptr;
    Handle process(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE,
                               FALSE,
                               entry.th32ProcessID));
    if (!process || userSidOf(process.get()) != scope.user
        || !startsWithIgnoringCase(imagePathOf(process.get()), scope.inside)
        || !TerminateProcess(process.get(), 0))
        return nullptr;
    return process.release();
}

} // namespace

void EndedProcesses::close()
{
    for (const std::intptr_t handle : m_handles)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
    m_handles.clear();
}

bool EndedProcesses::haveExited() const
{
    for (const std::intptr_t handle : m_handles) {
        if (WaitForSingleObject(reinterpret_cast<HANDLE>(handle), 0) != WAIT_OBJECT_0)
            return false;
    }
    return true;
}

EndedProcesses terminateProcessesNamed(const std::string &executableName,
                                       const std::string &installDirectory,
                                       std::int64_t ownPid)
{
    EndedProcesses ended;
    Scope scope{toWide(executableName),
                directoryPrefix(installDirectory),
                userSidOf(GetCurrentProcess()),
                0,
                ownPid};
    if (scope.user.empty() || scope.inside.size() < 2
        || !ProcessIdToSessionId(GetCurrentProcessId(), &scope.session))
        return ended;
    const Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE)
        return ended;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(PROCESSENTRY32W);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (const HANDLE process = terminateIfInScope(entry, scope))
            ended.m_handles.push_back(reinterpret_cast<std::intptr_t>(process));
    }
    return ended;
}

} // namespace platform

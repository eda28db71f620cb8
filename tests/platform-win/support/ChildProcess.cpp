#include "ChildProcess.h"

#include <algorithm>
#include <windows.h>

namespace {

// Quotes one argument so that the C runtime of the child splits it back out unchanged.
std::wstring quoted(const std::wstring &argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring result = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t character : argument) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        result.append(character == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        result += character;
        backslashes = 0;
    }
    result.append(backslashes * 2, L'\\');
    return result + L'"';
}

} // namespace

ChildProcess::~ChildProcess()
{
    if (m_process && !waitForExit(0))
        kill();
    closeHandle(m_input);
    closeHandle(m_output);
    closeHandle(m_process);
}

std::wstring ChildProcess::besideRunner(const std::wstring &fileName)
{
    wchar_t path[MAX_PATH];
    std::wstring runner(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return runner.substr(0, runner.find_last_of(L'\\') + 1) + fileName;
}

bool ChildProcess::start(const std::wstring &program, const std::vector<std::wstring> &arguments)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    HANDLE childInput = nullptr;
    HANDLE childOutput = nullptr;
    if (!CreatePipe(&childInput, &m_input, &inheritable, 0))
        return false;
    if (!CreatePipe(&m_output, &childOutput, &inheritable, 0)) {
        CloseHandle(childInput);
        return false;
    }
    SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = quoted(program);
    for (const std::wstring &argument : arguments)
        commandLine += L' ' + quoted(argument);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info = {};
    const bool started = CreateProcessW(program.c_str(),
                                        commandLine.data(),
                                        nullptr,
                                        nullptr,
                                        TRUE,
                                        0,
                                        nullptr,
                                        nullptr,
                                        &startup,
                                        &info);
    CloseHandle(childInput);
    CloseHandle(childOutput);
    if (!started)
        return false;
    CloseHandle(info.hThread);
    m_process = info.hProcess;
    m_id = info.dwProcessId;
    return true;
}

std::optional<std::string> ChildProcess::readLine(unsigned timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (const auto end = m_buffer.find('\n'); end != std::string::npos) {
            std::string line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return line;
        }
        DWORD available = 0;
        if (!PeekNamedPipe(m_output, nullptr, 0, nullptr, &available, nullptr))
            return std::nullopt; // the child closed its output
        if (available > 0) {
            std::string chunk(available, '\0');
            DWORD read = 0;
            if (!ReadFile(m_output, chunk.data(), available, &read, nullptr))
                return std::nullopt;
            m_buffer.append(chunk, 0, read);
            continue;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return std::nullopt;
        // Pipes cannot be waited on; the process handle at least ends the wait when it exits.
        WaitForSingleObject(m_process, DWORD(std::min<ULONGLONG>(deadline - now, 10)));
    }
}

bool ChildProcess::writeLine(const std::string &line)
{
    const std::string data = line + '\n';
    DWORD written = 0;
    return m_input && WriteFile(m_input, data.data(), DWORD(data.size()), &written, nullptr)
           && written == data.size();
}

void ChildProcess::closeInput()
{
    closeHandle(m_input);
}

bool ChildProcess::kill()
{
    return m_process && TerminateProcess(m_process, 1)
           && WaitForSingleObject(m_process, 10000) == WAIT_OBJECT_0;
}

std::optional<unsigned long> ChildProcess::waitForExit(unsigned timeoutMs)
{
    if (!m_process || WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(m_process, &code);
    return code;
}

void ChildProcess::closeHandle(void *&handle)
{
    if (handle)
        CloseHandle(handle);
    handle = nullptr;
}

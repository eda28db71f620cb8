// A minimal harness for the Windows tests, which cannot use Qt: test cases register themselves
// and run in one process; helper programs start with their output on a pipe.
#pragma once

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace harness {

struct Case
{
    const char *name;
    void (*run)();
};
inline std::vector<Case> &cases()
{
    static std::vector<Case> all;
    return all;
}
inline int failures = 0;
struct Abort
{};

inline bool check(bool ok, const char *file, int line, const char *condition)
{
    if (!ok && ++failures)
        std::printf("  %s:%d: %s\n", file, line, condition);
    return ok;
}

// A folder of this run's own, removed at its end.
inline std::filesystem::path scratch()
{
    return std::filesystem::temp_directory_path()
           / ("uninstall-tests " + std::to_string(GetCurrentProcessId()));
}

// The helper program, copied to path unless empty, started with the arguments; killed with this
// object.
struct Child
{
    explicit Child(const std::wstring &arguments, std::filesystem::path path = {})
    {
        wchar_t runner[MAX_PATH];
        const std::filesystem::path helper
            = std::filesystem::path(
                  std::wstring(runner, GetModuleFileNameW(nullptr, runner, MAX_PATH)))
                  .replace_filename(L"helper.exe");
        if (path.empty())
            path = helper;
        else if (std::filesystem::create_directories(path.parent_path()))
            std::filesystem::copy_file(helper, path);
        SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
        HANDLE write = nullptr;
        CreatePipe(&output, &write, &inherited, 0);
        SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        std::wstring commandLine = L"\"" + path.wstring() + L"\" " + arguments;
        PROCESS_INFORMATION info = {};
        if (CreateProcessW(path.c_str(),
                           commandLine.data(),
                           nullptr,
                           nullptr,
                           TRUE,
                           0,
                           nullptr,
                           nullptr,
                           &startup,
                           &info)) {
            CloseHandle(info.hThread);
            process = info.hProcess;
            id = info.dwProcessId;
        }
        CloseHandle(write);
    }
    ~Child()
    {
        kill();
        CloseHandle(process);
        CloseHandle(output);
    }
    // The next line of output; empty once the output ended.
    std::string line()
    {
        std::string text;
        char c = 0;
        DWORD read = 0;
        while (ReadFile(output, &c, 1, &read, nullptr) && read == 1 && c != '\n')
            text += c == '\r' ? "" : std::string(1, c);
        return text;
    }
    bool ended(DWORD milliseconds = 10000)
    {
        return process && WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0;
    }
    void kill()
    {
        if (process && !ended(0) && TerminateProcess(process, 1))
            ended();
    }

    HANDLE process = nullptr;
    HANDLE output = nullptr;
    DWORD id = 0;
};

} // namespace harness

#define TEST_CASE(name) \
    static void name(); \
    static const bool name##Registered = (harness::cases().push_back({#name, name}), true); \
    static void name()
#define CHECK(condition) harness::check(bool(condition), __FILE__, __LINE__, #condition)
#define REQUIRE(condition) \
    do { \
        if (!CHECK(condition)) \
            throw harness::Abort(); \
    } while (false)

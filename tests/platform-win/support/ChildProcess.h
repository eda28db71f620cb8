// A helper program started by a test, with its standard input and output connected by pipes.
#pragma once

#include <optional>
#include <string>
#include <vector>

class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // A file built beside the test runner, such as a helper program.
    static std::wstring besideRunner(const std::wstring &fileName);

    bool start(const std::wstring &program, const std::vector<std::wstring> &arguments);
    // The next line of standard output without its line end; nothing when the output ended
    // or no whole line came within the time.
    std::optional<std::string> readLine(unsigned timeoutMs = 10000);
    bool writeLine(const std::string &line);
    void closeInput();
    bool kill();
    // The exit code, or nothing when the process still runs after the time.
    std::optional<unsigned long> waitForExit(unsigned timeoutMs = 10000);
    unsigned long id() const { return m_id; }

private:
    void closeHandle(void *&handle);

    void *m_process = nullptr;
    void *m_input = nullptr;
    void *m_output = nullptr;
    unsigned long m_id = 0;
    std::string m_buffer;
};

// A copy of a program built beside the test runner, under a chosen directory and file name.
#pragma once

#include <string>
#include <vector>

class CopiedProgram
{
public:
    // Creates the directory and any missing parents of it; fileName defaults to the program's.
    CopiedProgram(const std::wstring &program,
                  const std::wstring &directory,
                  const std::wstring &fileName = {});
    // Removes the copy and the directories it created; a process started from the copy must
    // have ended by then.
    ~CopiedProgram();
    CopiedProgram(const CopiedProgram &) = delete;
    CopiedProgram &operator=(const CopiedProgram &) = delete;

    // The system's temporary directory by its long name, without a trailing separator.
    static std::wstring temporaryDirectory();

    bool copied() const { return m_copied; }
    const std::wstring &directory() const { return m_directory; }
    const std::wstring &path() const { return m_path; }

private:
    std::wstring m_directory;
    std::wstring m_path;
    std::vector<std::wstring> m_created;
    bool m_copied = false;
};

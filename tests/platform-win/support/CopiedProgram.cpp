#include "CopiedProgram.h"

#include "ChildProcess.h"

#include <windows.h>

CopiedProgram::CopiedProgram(const std::wstring &program,
                             const std::wstring &directory,
                             const std::wstring &fileName)
    : m_directory(directory)
    , m_path(directory + L'\\' + (fileName.empty() ? program : fileName))
{
    for (std::size_t end = directory.find(L'\\'); end != std::wstring::npos;
         end = directory.find(L'\\', end + 1)) {
        const std::wstring parent = directory.substr(0, end);
        if (end > 2 && CreateDirectoryW(parent.c_str(), nullptr))
            m_created.push_back(parent);
    }
    if (CreateDirectoryW(directory.c_str(), nullptr))
        m_created.push_back(directory);
    m_copied = CopyFileW(ChildProcess::besideRunner(program).c_str(), m_path.c_str(), TRUE);
}

CopiedProgram::~CopiedProgram()
{
    if (m_copied)
        DeleteFileW(m_path.c_str());
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
        RemoveDirectoryW(it->c_str());
}

std::wstring CopiedProgram::temporaryDirectory()
{
    wchar_t path[MAX_PATH];
    const std::wstring shortPath(path, GetTempPathW(MAX_PATH, path));
    std::wstring longPath(GetLongPathNameW(shortPath.c_str(), nullptr, 0), L'\0');
    longPath.resize(GetLongPathNameW(shortPath.c_str(), longPath.data(), DWORD(longPath.size())));
    if (!longPath.empty() && longPath.back() == L'\\')
        longPath.pop_back();
    return longPath;
}

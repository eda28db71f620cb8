// Facts about the running program on Windows.
#include "ChildProcess.h"
#include "ProcessEnvironment.h"
#include "TestHarness.h"

#include <windows.h>

namespace {

std::string utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8,
                                         0,
                                         text.data(),
                                         int(text.size()),
                                         nullptr,
                                         0,
                                         nullptr,
                                         nullptr);
    std::string result(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8,
                        0,
                        text.data(),
                        int(text.size()),
                        result.data(),
                        size,
                        nullptr,
                        nullptr);
    return result;
}

std::wstring temporaryDirectory()
{
    wchar_t path[MAX_PATH];
    std::wstring shortPath(path, GetTempPathW(MAX_PATH, path));
    std::wstring longPath(GetLongPathNameW(shortPath.c_str(), nullptr, 0), L'\0');
    longPath.resize(GetLongPathNameW(shortPath.c_str(), longPath.data(), DWORD(longPath.size())));
    if (!longPath.empty() && longPath.back() == L'\\')
        longPath.pop_back();
    return longPath;
}

// A copy of a helper in a fresh directory, removed again with the object.
class CopiedHelper
{
public:
    CopiedHelper(const std::wstring &helper, const std::wstring &parent, const std::wstring &name)
        : m_parent(parent)
        , m_directory(parent + L'\\' + name)
        , m_program(m_directory + L"\\" + helper)
    {
        m_copied = CreateDirectoryW(m_parent.c_str(), nullptr)
                   && CreateDirectoryW(m_directory.c_str(), nullptr)
                   && CopyFileW(ChildProcess::besideRunner(helper).c_str(), m_program.c_str(), TRUE);
    }
    ~CopiedHelper()
    {
        DeleteFileW(m_program.c_str());
        RemoveDirectoryW(m_directory.c_str());
        RemoveDirectoryW(m_parent.c_str());
    }
    bool copied() const { return m_copied; }
    const std::wstring &directory() const { return m_directory; }
    const std::wstring &program() const { return m_program; }

private:
    std::wstring m_parent;
    std::wstring m_directory;
    std::wstring m_program;
    bool m_copied = false;
};

} // namespace

// UTF-8, without a trailing separator, wherever the program was copied to.
TEST_CASE(executableDirectoryOfAMovedProgram)
{
    const std::wstring parent = temporaryDirectory() + L"\\\u00dcn\u00efnstall \u6e2c\u8a66 "
                                + std::to_wstring(GetCurrentProcessId());
    const CopiedHelper helper(L"whereami.exe", parent, L"Demo Suite");
    REQUIRE(helper.copied());
    ChildProcess whereami;
    REQUIRE(whereami.start(helper.program(), {}));
    CHECK_EQUAL(whereami.readLine().value_or("(nothing)"), utf8(helper.directory()));
    CHECK_EQUAL(whereami.waitForExit().value_or(STILL_ACTIVE), 0ul);
}

TEST_CASE(desktopFacts)
{
    CHECK(platform::hasDisplay());
    CHECK_EQUAL(platform::executableSuffix(), ".exe");
}

// Facts about the running program on Windows.
#include "ChildProcess.h"
#include "CopiedProgram.h"
#include "ProcessEnvironment.h"
#include "TestHarness.h"
#include "WideString_win.h"

#include <windows.h>

// UTF-8, without a trailing separator, wherever the program was copied to.
TEST_CASE(executableDirectoryOfAMovedProgram)
{
    const CopiedProgram helper(L"whereami.exe",
                               CopiedProgram::temporaryDirectory()
                                   + L"\\\u00dcn\u00efnstall \u6e2c\u8a66 "
                                   + std::to_wstring(GetCurrentProcessId()) + L"\\Demo Suite");
    REQUIRE(helper.copied());
    ChildProcess whereami;
    REQUIRE(whereami.start(helper.path(), {}));
    CHECK_EQUAL(whereami.readLine().value_or("(nothing)"), platform::toUtf8(helper.directory()));
    CHECK_EQUAL(whereami.waitForExit().value_or(STILL_ACTIVE), 0ul);
}

TEST_CASE(desktopFacts)
{
    CHECK(platform::hasDisplay());
    CHECK_EQUAL(platform::executableSuffix(), ".exe");
}

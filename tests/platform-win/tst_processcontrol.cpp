// Ending processes by executable file name, with real processes: copies of the standin helper
// under the names to match. Names carry the runner's id, so nothing else on the machine matches.
#include "ChildProcess.h"
#include "CopiedProgram.h"
#include "TestHarness.h"
#include "WideString_win.h"

#include <memory>
#include <windows.h>

namespace {

/// A running copy of standin under a file name of its own, in a directory of its own, since
/// names that differ only in case are one file to the system.
struct Standin
{
    Standin(const std::wstring &directory, const std::wstring &fileName)
        : copy(L"standin.exe", directory, fileName)
        , name(platform::toUtf8(fileName))
    {
        ready = copy.copied() && process.start(copy.path(), {}) && process.readLine() == "ready";
    }
    // Whether it was ended with exit code 0 before it was asked to end.
    bool wasEnded() { return process.waitForExit() == 0ul && !process.readLine(0); }
    // Whether it still ran and ended on its own once asked.
    bool endsWhenAsked()
    {
        process.closeInput();
        return process.readLine() == "bye" && process.waitForExit() == 0ul;
    }

    CopiedProgram copy;
    std::string name;
    ChildProcess process;
    bool ready = false;
};

} // namespace

TEST_CASE(endsTheProcessesOfTheNameInsideTheInstallationButTheCaller)
{
    const std::wstring id = std::to_wstring(GetCurrentProcessId());
    const std::wstring parent = CopiedProgram::temporaryDirectory() + L"\\processcontrol " + id;
    const std::wstring name = L"D\u00e9mo Suite " + id + L".exe";
    int directories = 0;
    const auto start = [&](const std::wstring &fileName, const std::wstring &folder = {}) {
        auto standin = std::make_unique<Standin>((folder.empty() ? parent : folder) + L'\\'
                                                     + std::to_wstring(++directories),
                                                 fileName);
        CHECK_ABOUT(standin->ready, standin->name);
        return standin;
    };
    const auto caller = start(name);
    const std::unique_ptr<Standin> doomed[] = {start(name),
                                               start(L"D\u00c9MO SUITE " + id + L".EXE"),
                                               start(L"d\u00e9mo suite " + id + L".exe")};
    const std::unique_ptr<Standin> spared[] = {start(L"D\u00e9mo Suite " + id + L" Tool.exe"),
                                               start(L"Demo Suite " + id + L".exe"),
                                               start(L"D\u00e9mo Suite " + id + L".exe.bak"),
                                               start(name, parent + L" elsewhere")};

    REQUIRE(caller->process.writeLine("end " + platform::toUtf8(name)));
    CHECK_EQUAL(caller->process.readLine().value_or("(nothing)"), "ended");

    for (const auto &standin : doomed)
        CHECK_ABOUT(standin->wasEnded(), standin->name);
    for (const auto &standin : spared)
        CHECK_ABOUT(standin->endsWhenAsked(), standin->name);
    CHECK(caller->endsWhenAsked());
}

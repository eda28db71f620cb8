// The lock, ending processes and activating a window, across real processes on Windows. Names
// carry the runner's id, so that nothing else on the machine matches.
#include "Harness.h"
#include "NamedLock.h"
#include "ProcessControl.h"
#include "WideString_win.h"
#include "WindowActivation.h"

#include <memory>

using platform::NamedLock;
using Result = NamedLock::Result;

TEST_CASE(lockIsAMutexNamedByTheKey)
{
    const std::string id = std::to_string(GetCurrentProcessId());
    const std::string key = "D\xc3\xa9mo Suite \xe2\x84\xa2_uninstall_" + id;
    const auto exists = [](const std::wstring &name) {
        const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
        return mutex && CloseHandle(mutex);
    };
    NamedLock lock(key);
    SetLastError(ERROR_ALREADY_EXISTS); // a fresh mutex is told by the call's own result
    REQUIRE(lock.tryAcquire() == Result::Acquired);
    CHECK(exists(platform::toWide(key)));
    CHECK(NamedLock(key).tryAcquire() == Result::AlreadyExists);
    lock.release();
    CHECK(!exists(platform::toWide(key)));

    // Names the system would refuse (a backslash, past MAX_PATH) are made into ones it takes.
    NamedLock longKey(std::string(1024, 'n') + id);
    CHECK(longKey.tryAcquire() == Result::Acquired);
    CHECK(NamedLock(longKey.key()).tryAcquire() == Result::AlreadyExists);
    const std::string odd = "Demo\\Suite " + id;
    auto holder = std::make_unique<harness::Child>(L"lock \"" + platform::toWide(odd) + L"\"");
    REQUIRE(holder->line() == "locked");
    CHECK(NamedLock(odd).tryAcquire() == Result::AlreadyExists);
    CHECK(harness::Child(L"lock \"" + platform::toWide(odd) + L"\"").line() == "busy");
    holder.reset(); // killed: the system abandons its mutex and frees the name
    CHECK(NamedLock(odd).tryAcquire() == Result::Acquired);

    // A name taken by another kind of object is a refusal, which callers count as held.
    const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, platform::toWide(key).c_str());
    CHECK(NamedLock(key).tryAcquire() == Result::Failed);
    CloseHandle(event);
}

TEST_CASE(endsTheProductsProcessesInsideTheInstallationOnly)
{
    const std::wstring id = std::to_wstring(GetCurrentProcessId());
    const std::filesystem::path root = harness::scratch() / L"processes";
    const std::wstring name = L"D\u00e9mo Suite " + id + L".exe";
    int count = 0;
    const auto start = [&](const std::wstring &fileName, const wchar_t *folder = L"install") {
        auto child = std::make_unique<harness::Child>(L"",
                                                      root / folder / std::to_wstring(++count)
                                                          / fileName);
        CHECK(child->line() == "ready");
        return child;
    };
    const auto caller = start(name);
    const std::unique_ptr<harness::Child> doomed[] = {start(name),
                                                      start(L"D\u00c9MO SUITE " + id + L".EXE"),
                                                      start(L"d\u00e9mo suite " + id + L".exe")};
    const std::unique_ptr<harness::Child> spared[] = {start(L"D\u00e9mo Suite " + id + L" Tool.exe"),
                                                      start(L"Demo Suite " + id + L".exe"),
                                                      start(name + L".bak"),
                                                      start(name, L"install elsewhere")};

    platform::terminateProcessesNamed(platform::toUtf8(name),
                                      platform::toUtf8((root / L"install").wstring()),
                                      caller->id);

    for (const auto &child : doomed)
        CHECK(child->ended());
    for (const auto &child : spared)
        CHECK(!child->ended(0));
    CHECK(!caller->ended(0));
}

TEST_CASE(windowOfAnotherProcessIsRestored)
{
    harness::Child owner(L"window");
    const std::uint64_t handle = std::stoull("0" + owner.line());
    const HWND window = reinterpret_cast<HWND>(UINT_PTR(handle));
    REQUIRE(IsIconic(window));
    CHECK(platform::activateWindow(handle));
    CHECK(!IsIconic(window) && IsWindowVisible(window));
    owner.kill();
    CHECK(!platform::activateWindow(handle));
}

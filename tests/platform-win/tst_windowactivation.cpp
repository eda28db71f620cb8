// Bringing a window to the front by its handle: windows of this process and of another one.
#include "ChildProcess.h"
#include "PlainWindow.h"
#include "TestHarness.h"
#include "WindowActivation.h"

#include <cstdint>
#include <windows.h>

using platform::activateWindow;

namespace {

/// A plain top-level window of this process, hidden until shown.
class TestWindow
{
public:
    TestWindow()
        : m_window(createPlainWindow(L"ActivationTest", DefWindowProcW))
    {}
    ~TestWindow()
    {
        if (IsWindow(m_window))
            DestroyWindow(m_window);
    }
    TestWindow(const TestWindow &) = delete;
    TestWindow &operator=(const TestWindow &) = delete;

    HWND handle() const { return m_window; }
    std::uint64_t id() const { return reinterpret_cast<std::uintptr_t>(m_window); }

private:
    HWND m_window = nullptr;
};

} // namespace

TEST_CASE(minimisedWindowIsRestored)
{
    TestWindow window;
    REQUIRE(window.handle());
    ShowWindow(window.handle(), SW_SHOW);
    ShowWindow(window.handle(), SW_MINIMIZE);
    REQUIRE(IsIconic(window.handle()));
    CHECK(activateWindow(window.id()));
    CHECK(!IsIconic(window.handle()));
    CHECK(IsWindowVisible(window.handle()));

    // A maximised window stays so, and comes back so when it was minimised.
    ShowWindow(window.handle(), SW_MAXIMIZE);
    CHECK(activateWindow(window.id()));
    CHECK(IsZoomed(window.handle()));
    ShowWindow(window.handle(), SW_MINIMIZE);
    REQUIRE(IsIconic(window.handle()));
    CHECK(activateWindow(window.id()));
    CHECK(!IsIconic(window.handle()));
    CHECK(IsZoomed(window.handle()));
}

TEST_CASE(hiddenWindowIsShownAndRepainted)
{
    TestWindow window;
    REQUIRE(window.handle());
    CHECK(activateWindow(window.id()));
    CHECK(IsWindowVisible(window.handle()));
    CHECK(!IsIconic(window.handle()));

    ValidateRect(window.handle(), nullptr);
    REQUIRE(!GetUpdateRect(window.handle(), nullptr, FALSE));
    CHECK(activateWindow(window.id()));
    CHECK(GetUpdateRect(window.handle(), nullptr, FALSE));
}

TEST_CASE(windowOfAnotherProcess)
{
    ChildProcess owner;
    REQUIRE(owner.start(ChildProcess::besideRunner(L"windowowner.exe"), {}));
    const std::uint64_t id = std::stoull(owner.readLine().value_or("0"));
    const HWND window = reinterpret_cast<HWND>(std::uintptr_t(id));
    REQUIRE(IsIconic(window));
    CHECK(activateWindow(id));
    CHECK(!IsIconic(window));
    CHECK(IsWindowVisible(window));

    PostMessageW(window, WM_CLOSE, 0, 0);
    CHECK_EQUAL(owner.waitForExit().value_or(STILL_ACTIVE), 0ul);
    CHECK(!activateWindow(id));
}

TEST_CASE(staleHandleIsLeftAlone)
{
    std::uint64_t stale = 0;
    {
        TestWindow gone;
        REQUIRE(gone.handle());
        stale = gone.id();
    }
    TestWindow other;
    ShowWindow(other.handle(), SW_SHOW);
    ShowWindow(other.handle(), SW_MINIMIZE);
    REQUIRE(IsIconic(other.handle()));
    CHECK(!activateWindow(stale));
    CHECK(!activateWindow(0));
    CHECK(IsIconic(other.handle()));
}

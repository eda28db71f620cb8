// helper lock <key>: takes the named lock, prints "locked", "busy" or "failed", keeps it until
// killed. helper window: prints the handle of a minimised window of its own and serves it.
// Otherwise: prints "ready" and waits to be killed.
#include "NamedLock.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "lock") == 0) {
        static platform::NamedLock lock(argv[2]);
        const auto result = lock.tryAcquire();
        std::puts(result == platform::NamedLock::Result::Acquired        ? "locked"
                  : result == platform::NamedLock::Result::AlreadyExists ? "busy"
                                                                         : "failed");
    } else if (argc == 2 && std::strcmp(argv[1], "window") == 0) {
        WNDCLASSW description = {};
        description.lpfnWndProc = DefWindowProcW;
        description.lpszClassName = L"HelperWindow";
        RegisterClassW(&description);
        const HWND window = CreateWindowExW(0,
                                            L"HelperWindow",
                                            L"Demo Suite Uninstall",
                                            WS_OVERLAPPEDWINDOW,
                                            0,
                                            0,
                                            320,
                                            240,
                                            nullptr,
                                            nullptr,
                                            nullptr,
                                            nullptr);
        ShowWindow(window, SW_MINIMIZE);
        std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
        std::fflush(stdout);
        for (MSG message; GetMessageW(&message, nullptr, 0, 0) > 0;)
            DispatchMessageW(&message);
    } else {
        std::puts("ready");
    }
    std::fflush(stdout);
    Sleep(INFINITE);
}

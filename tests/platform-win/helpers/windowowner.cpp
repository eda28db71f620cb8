// windowowner: shows a top-level window, minimises it, prints its handle and serves its messages
// until the window is closed.
#include "PlainWindow.h"

#include <cstdint>
#include <cstdio>
#include <windows.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main()
{
    const HWND window = createPlainWindow(L"WindowOwner", procedure);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOW);
    ShowWindow(window, SW_MINIMIZE);
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

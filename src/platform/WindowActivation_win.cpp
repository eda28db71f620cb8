#include "platform/WindowActivation.h"

#include <windows.h>

namespace platform {

bool activateWindow(std::uint64_t handle)
{
    const HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
    if (!window || !IsWindow(window))
        return false;
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    InvalidateRect(window, nullptr, TRUE);
    FlashWindow(window, TRUE);
    return true;
}

} // namespace platform

// Bringing another process's top-level window to the front.
#pragma once

#include <cstdint>

namespace platform {

// Restores the window when minimised and brings it to the front. False when the handle names
// no window (anymore) or the platform offers no way to do it; nothing happens then.
bool activateWindow(std::uint64_t handle);

} // namespace platform

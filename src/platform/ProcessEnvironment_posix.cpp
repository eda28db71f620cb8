#include "ProcessEnvironment.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#ifdef UNINSTALL_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace platform {

std::string executableDirectory()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return ".";
    const std::string executable(path, size_t(length));
    const auto slash = executable.rfind('/');
    return slash == 0 ? "/" : executable.substr(0, slash);
}

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

bool canConnectToX11()
{
#ifdef UNINSTALL_HAVE_XCB
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool connected = connection && !xcb_connection_has_error(connection);
    if (connection)
        xcb_disconnect(connection);
    return connected;
#else
    return isSet("DISPLAY");
#endif
}

} // namespace

bool hasDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || !*platform || std::strncmp(platform, "xcb", 3) == 0)
        return canConnectToX11();
    if (std::strncmp(platform, "wayland", 7) == 0)
        return isSet("WAYLAND_DISPLAY");
    return true; // offscreen, minimal, vnc…: no display server needed
}

std::string executableSuffix()
{
    return {};
}

} // namespace platform

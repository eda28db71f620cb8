#include "platform/ProcessEnvironment.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// The compositor's socket: $WAYLAND_DISPLAY (default "wayland-0"), relative to $XDG_RUNTIME_DIR
// unless absolute. A stale variable must not count, or Qt aborts.
bool canConnectToWayland()
{
    std::string socket = isSet("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
    if (socket.front() != '/') {
        if (!isSet("XDG_RUNTIME_DIR"))
            return false;
        socket = std::string(std::getenv("XDG_RUNTIME_DIR")) + '/' + socket;
    }
    struct stat info = {};
    return ::stat(socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// The plugins Qt tries in turn: the ';'-separated QT_QPA_PLATFORM, else Wayland first in a
// Wayland session, then X11. Plugin arguments after ':' do not matter here.
std::vector<std::string> platformCandidates()
{
    std::string list = isSet("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    if (list.empty()) {
        const char *session = std::getenv("XDG_SESSION_TYPE");
        list = session && std::strcmp(session, "wayland") == 0 ? "wayland;xcb" : "xcb";
    }
    std::vector<std::string> candidates;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        const std::string entry = list.substr(start, end - start);
        candidates.push_back(entry.substr(0, entry.find(':')));
        start = end + 1;
    }
    return candidates;
}

bool canStart(const std::string &platform)
{
    if (platform.empty())
        return false;
    if (platform == "xcb")
        return canConnectToX11();
    if (platform.compare(0, 7, "wayland") == 0)
        return canConnectToWayland();
    return true; // offscreen, minimal, vnc…: no display server needed
}

} // namespace

bool hasDisplay()
{
    const std::vector<std::string> candidates = platformCandidates();
    return std::any_of(candidates.begin(), candidates.end(), canStart);
}

std::string executableSuffix()
{
    return {};
}

} // namespace platform

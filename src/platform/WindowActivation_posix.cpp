#include "platform/WindowActivation.h"

#ifdef UNINSTALL_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace platform {

#ifdef UNINSTALL_HAVE_XCB

namespace {

struct Disconnect
{
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

template<typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply *reply)
{
    return {reply, &std::free};
}

// The root window of the window's screen; none when the window does not exist (anymore).
xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_generic_error_t *error = nullptr;
    const auto attributes = owned(
        xcb_get_window_attributes_reply(connection,
                                        xcb_get_window_attributes(connection, window),
                                        &error));
    std::free(error);
    if (!attributes)
        return XCB_WINDOW_NONE;
    const auto geometry = owned(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), &error));
    std::free(error);
    return geometry ? geometry->root : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Asks the window manager to activate the window (which also un-minimises it) as a pager
// would, and maps it in case it was withdrawn or there is no window manager at all.
void requestActivation(xcb_connection_t *connection, xcb_window_t root, xcb_window_t window)
{
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 2; // source indication: a pager, so no focus stealing prevention
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection,
                   0,
                   root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_map_window(connection, window);
    // A round trip, so that the server has acted on both before the connection closes.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace

bool activateWindow(std::uint64_t handle)
{
    if (handle == 0 || handle > UINT32_MAX)
        return false;
    const Connection connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get()))
        return false;
    const auto window = static_cast<xcb_window_t>(handle);
    const xcb_window_t root = rootOf(connection.get(), window);
    if (root == XCB_WINDOW_NONE || root == window)
        return false;
    requestActivation(connection.get(), root, window);
    return true;
}

#else

bool activateWindow(std::uint64_t)
{
    return false;
}

#endif

} // namespace platform

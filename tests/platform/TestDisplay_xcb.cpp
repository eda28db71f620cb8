#include "TestDisplay.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

struct TestDisplay::Connection
{
    xcb_connection_t *xcb = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t activeWindow = XCB_ATOM_NONE;

    ~Connection() { xcb_disconnect(xcb); }
    void roundTrip()
    {
        std::free(xcb_get_input_focus_reply(xcb, xcb_get_input_focus(xcb), nullptr));
    }
};

namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply
        = xcb_intern_atom_reply(connection,
                                xcb_intern_atom(connection, 0, std::strlen(name), name),
                                nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

TestDisplay::TestDisplay()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return;
    // The server picks a free display number itself and writes it once it accepts clients.
    m_server.start(xvfb,
                   {QStringLiteral("-displayfd"),
                    QStringLiteral("1"),
                    QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"),
                    QStringLiteral("-screen"),
                    QStringLiteral("0"),
                    QStringLiteral("640x480x24")});
    const QDeadlineTimer deadline(20000);
    while (!m_server.canReadLine() && m_server.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    const QByteArray number = m_server.readLine().trimmed();
    if (number.isEmpty())
        return;
    auto connection = std::make_unique<Connection>();
    const QString name = QLatin1Char(':') + QString::fromLatin1(number);
    connection->xcb = xcb_connect(name.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection->xcb))
        return;
    connection->root = xcb_setup_roots_iterator(xcb_get_setup(connection->xcb)).data->root;
    connection->activeWindow = internAtom(connection->xcb, "_NET_ACTIVE_WINDOW");
    m_connection = std::move(connection);
    m_name = name;
}

TestDisplay::~TestDisplay()
{
    m_connection.reset();
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(10000))
        m_server.kill();
    m_server.waitForFinished(10000);
}

bool TestDisplay::isValid() const
{
    return m_connection != nullptr;
}

QString TestDisplay::name() const
{
    return m_name;
}

bool TestDisplay::becomeWindowManager()
{
    if (!m_connection)
        return false;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t *error
        = xcb_request_check(m_connection->xcb,
                            xcb_change_window_attributes_checked(m_connection->xcb,
                                                                 m_connection->root,
                                                                 XCB_CW_EVENT_MASK,
                                                                 &mask));
    std::free(error);
    return !error;
}

QList<TestDisplay::Request> TestDisplay::takeRequests()
{
    if (!m_connection)
        return {};
    // The server answers only after it has sent the events of all earlier requests.
    m_connection->roundTrip();
    QList<Request> requests;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection->xcb)) {
        const auto type = event->response_type & ~0x80;
        if (type == XCB_CLIENT_MESSAGE) {
            const auto *message = reinterpret_cast<xcb_client_message_event_t *>(event);
            if (message->type == m_connection->activeWindow)
                requests.append({Request::Activate,
                                 message->window,
                                 message->data.data32[0],
                                 message->data.data32[1]});
        } else if (type == XCB_MAP_REQUEST) {
            requests.append(
                {Request::Map, reinterpret_cast<xcb_map_request_event_t *>(event)->window});
        }
        std::free(event);
    }
    return requests;
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>

#include <memory>

/// An X server of the test's own (Xvfb) and a connection to it that can stand in for the
/// window manager, to see what other clients ask of one. Not valid without Xvfb or xcb.
class TestDisplay
{
public:
    struct Request
    {
        enum Kind { Activate, Map } kind;
        quint32 window;
        quint32 source = 0;    // activation: source indication
        quint32 timestamp = 0; // activation: time of the request
    };

    TestDisplay();
    ~TestDisplay();
    TestDisplay(const TestDisplay &) = delete;
    TestDisplay &operator=(const TestDisplay &) = delete;

    bool isValid() const;
    // ":<number>", for DISPLAY.
    QString name() const;

    // Redirects the top-level windows' requests to this connection, as a window manager does.
    bool becomeWindowManager();
    // The requests that reached the window manager since the last call. Every request that a
    // client made before this call is included.
    QList<Request> takeRequests();

private:
    struct Connection;
    QProcess m_server;
    QString m_name;
    std::unique_ptr<Connection> m_connection;
};

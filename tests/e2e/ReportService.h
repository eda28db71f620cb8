#pragma once

#include "HttpTestServer.h"

#include <QElapsedTimer>
#include <QList>

#include <functional>

/// The report service of a whole run: answers each post as a test tells it and records which
/// report arrived when.
class ReportService
{
public:
    enum class Report { First, Second };
    // attempt counts the posts of that report, from 1.
    using Policy = std::function<HttpTestServer::Response(Report report, int attempt)>;

    explicit ReportService(Policy policy = accepting);

    static HttpTestServer::Response accepting(Report, int);

    QString url() const;
    QList<QByteArray> bodies(Report report) const;
    // Milliseconds since the service started.
    QList<qint64> arrivals(Report report) const;
    // Milliseconds since the second report first arrived, that is since the wizard closed.
    qint64 sinceClose() const;

private:
    struct Post
    {
        Report report;
        QByteArray body;
        qint64 arrival;
    };

    HttpTestServer m_server;
    QElapsedTimer m_clock;
    QList<Post> m_posts;
};

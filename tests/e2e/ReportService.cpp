#include "ReportService.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString path = QStringLiteral("/report");

} // namespace

ReportService::ReportService(Policy policy)
{
    m_clock.start();
    m_server.setHandler(path, [this, policy](const HttpTestServer::Request &request) {
        const bool second
            = QJsonDocument::fromJson(request.body).object().contains(QStringLiteral("userEmail"));
        const Report report = second ? Report::Second : Report::First;
        m_posts.append({report, request.body, m_clock.elapsed()});
        return policy(report, bodies(report).size());
    });
}

HttpTestServer::Response ReportService::accepting(Report, int)
{
    return HttpTestServer::answer(200, "ok");
}

QString ReportService::url() const
{
    return m_server.url(path).toString();
}

QList<QByteArray> ReportService::bodies(Report report) const
{
    QList<QByteArray> result;
    for (const Post &post : m_posts) {
        if (post.report == report)
            result << post.body;
    }
    return result;
}

QList<qint64> ReportService::arrivals(Report report) const
{
    QList<qint64> result;
    for (const Post &post : m_posts) {
        if (post.report == report)
            result << post.arrival;
    }
    return result;
}

qint64 ReportService::sinceClose() const
{
    const QList<qint64> second = arrivals(Report::Second);
    return second.isEmpty() ? -1 : m_clock.elapsed() - second.first();
}

#include "wizard/ReportDelivery.h"

#include "config/BoundedReply.h"
#include "host/Framework.h"
#include "host/Utility.h"
#include "wizard/UserIdentifier.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QTimer>

ReportDelivery::ReportDelivery(const RunContext &run, QObject *parent)
    : QObject(parent)
    , m_run(run)
{
    createUID();
}

void ReportDelivery::setTimes(int retryMs, int giveUpMs)
{
    m_retryMs = retryMs;
    m_giveUpMs = giveUpMs;
}

bool ReportDelivery::hasReports() const
{
    return !firstReportData.isEmpty() || !secondReportData.isEmpty();
}

void ReportDelivery::createUID()
{
    userId = UserIdentifier::forCurrentUser(m_run.guid);
    Log("debug", 1, QStringLiteral("Uninstall initData createUID"));
}

void ReportDelivery::sendFirst(const FeedbackReport::Answers &answers)
{
    Log("debug", 1, QStringLiteral("start first report!"));
    const QDateTime now = m_run.clock();
    tid = FeedbackReport::transactionId(now);
    const FeedbackReport::Product product{m_run.brand,
                                          m_run.language,
                                          m_run.productId,
                                          m_run.productName,
                                          m_run.productVersion};
    firstReportData = FeedbackReport::first(product, userId, now, answers);
    postData(Report::First);
}

void ReportDelivery::sendSecond(const QString &email)
{
    Log("debug", 1, QStringLiteral("start second report!"));
    secondReportData = FeedbackReport::second(tid, userId, email);
    postData(Report::Second);
}

void ReportDelivery::postData(Report report)
{
    const bool first = report == Report::First;
    bool &inFlight = first ? firstReportInFlight : secondReportInFlight;
    if (m_run.reportUrl.isEmpty() || inFlight || (first ? firstReportPosted : secondReportPosted))
        return;
    inFlight = true;
    if (!m_reportManager) {
        // Reports never ride a connection that a request ignoring certificate errors set up.
        m_reportManager = new QNetworkAccessManager(this);
        if (const QNetworkAccessManager *shared = Framework::networkAccessManager())
            m_reportManager->setProxy(shared->proxy());
    }
    BoundedReply *reply = BoundedReply::post(m_reportManager,
                                             m_run.reportUrl,
                                             first ? firstReportData : secondReportData,
                                             {10000, 10000, BoundedReply::documentBytes});
    reply->setParent(this);
    connect(reply, &BoundedReply::finished, this, [this, reply, first] {
        if (reply->succeeded())
            Log("debug",
                1,
                QStringLiteral("HTTP POST request successful and Response: ")
                    + QString::fromUtf8(reply->body()));
        else
            Log("debug", 1, QStringLiteral("HTTP POST request failed: ") + reply->errorString());
        // A confirmed report stays confirmed, whatever an earlier post of it ends with.
        if (reply->succeeded())
            (first ? firstReportPosted : secondReportPosted) = true;
        (first ? firstReportInFlight : secondReportInFlight) = false;
        reply->deleteLater();
    });
}

void ReportDelivery::deliverThenEnd()
{
    if (m_run.reportUrl.isEmpty()) {
        emit ended(); // nothing to deliver
        return;
    }
    retryTimer = new QTimer(this);
    retryTimer->setInterval(m_retryMs);
    connect(retryTimer, &QTimer::timeout, this, &ReportDelivery::retryPostReports);
    quitTimer = new QTimer(this);
    quitTimer->setSingleShot(true);
    quitTimer->setInterval(m_giveUpMs);
    connect(quitTimer, &QTimer::timeout, this, &ReportDelivery::finish);
    quitTimer->start();
    retryTimer->start();
}

void ReportDelivery::retryPostReports()
{
    if (secondReportPosted) {
        finish();
        return;
    }
    if (!firstReportPosted)
        postData(Report::First);
    if (!secondReportPosted)
        postData(Report::Second);
}

void ReportDelivery::finish()
{
    retryTimer->stop();
    quitTimer->stop();
    emit ended();
}

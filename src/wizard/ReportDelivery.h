// The two feedback reports, from their bodies to their delivery while the wizard ends.
#pragma once

#include "host/RunContext.h"
#include "wizard/FeedbackReport.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QTimer;

/// Posts the first report when the uninstall starts and the second when the wizard closes; while
/// the wizard ends, posts again every report the service has not confirmed, until the second is
/// confirmed or the give-up time has passed.
class ReportDelivery : public QObject
{
    Q_OBJECT

public:
    // Reads the user's identifier (or makes one) that both reports carry.
    explicit ReportDelivery(const RunContext &run, QObject *parent = nullptr);

    // How often a report is posted again and when the delivery gives up, in milliseconds.
    void setTimes(int retryMs, int giveUpMs);

    // Whether a report body was made: only then is anything left to deliver.
    bool hasReports() const;
    void sendFirst(const FeedbackReport::Answers &answers);
    void sendSecond(const QString &email);
    // ended() at the first retry tick after the second report was confirmed, or once the give-up
    // time has passed; at once without a report address.
    void deliverThenEnd();

signals:
    void ended();

private:
    enum class Report { First, Second };

    void createUID();
    void postData(Report report);
    void retryPostReports();
    void finish();

    const RunContext m_run;
    int m_retryMs = 5000;
    int m_giveUpMs = 30000;
    QString tid;
    QString userId;
    bool firstReportPosted = false;
    bool secondReportPosted = false;
    bool firstReportInFlight = false;
    bool secondReportInFlight = false;
    QNetworkAccessManager *m_reportManager = nullptr;
    QByteArray firstReportData;
    QByteArray secondReportData;
    QTimer *quitTimer = nullptr;
    QTimer *retryTimer = nullptr;
};

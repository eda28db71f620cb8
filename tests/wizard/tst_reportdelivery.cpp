// The report bodies, byte for byte, and their delivery to a report service on loopback.
#include "HttpTestServer.h"
#include "TestEnvironment.h"
#include "wizard/FeedbackReport.h"
#include "wizard/ReportDelivery.h"

#include <QtTest>

// An afternoon of a day and month below ten: a 12-hour clock or a lost zero shows.
const QDateTime moment(QDate(2027, 3, 9), QTime(13, 5, 7));

class TestReportDelivery : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    std::unique_ptr<HttpTestServer> m_service;

    // Reports to the service, or to no address, made at that moment; a refused one is posted
    // again every 20 ms.
    std::unique_ptr<ReportDelivery> delivery(bool withAddress, int giveUpMs = 5000)
    {
        RunContext run;
        run.reportUrl = withAddress ? m_service->url("/report").toString() : QString();
        run.clock = [] { return moment; };
        auto reports = std::make_unique<ReportDelivery>(run);
        reports->setTimes(20, giveUpMs);
        return reports;
    }

    QJsonObject postedBody(int request) const
    {
        return QJsonDocument::fromJson(m_service->requests().at(request).body).object();
    }

private slots:
    void init() { m_service = std::make_unique<HttpTestServer>(); }

    void reports_data()
    {
        QTest::addColumn<QString>("reasons"); // check-box keys in order, "*" after the checked ones
        // The feature line (also the e-mail), the price line and the free text.
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QByteArray>("answers");
        QTest::newRow("check-box order, empty answer lines count, text escaped")
            << "q15* q1 q4*" << QStringList{"abc", "", "Zu \"langsam\"\n\u00c4rger"}
            << QByteArray("[{\"q15\":true},{\"q1\":false},{\"q4\":true},\"Zu "
                          "\\\"langsam\\\"\\n\xc3\x84rger\"],"
                          "\"uninstallLineEdit\":[{\"q15\":\"\"},{\"q4\":\"abc\"}],");
        QTest::newRow("keys compared with case, no lines of unticked reasons")
            << "Q4* Q15* q4 q15" << QStringList{"abc", "def", ""}
            << QByteArray("[{\"Q4\":true},{\"Q15\":true},{\"q4\":false},{\"q15\":false},\"\"],");
    }

    void reports()
    {
        QFETCH(QString, reasons);
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, answers);
        FeedbackReport::Answers given{{}, typed.at(0), typed.at(1), typed.at(2)};
        for (const QString &reason : reasons.split(' '))
            given.reasons.append({QString(reason).remove('*'), reason.endsWith('*')});
        const QString user = QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}");
        QCOMPARE(FeedbackReport::first({"Example Works", "en", "1001", "Demo Suite", "3.2.1"},
                                       user,
                                       moment,
                                       given),
                 "{\"brand\":\"Example "
                 "Works\",\"language\":\"en\",\"productId\":\"1001\",\"productName\":"
                 "\"Demo Suite\",\"productVersion\":\"3.2.1\",\"tid\":\"03092027130507\",\"time\":"
                 "\"2027-03-09 13:05:07\",\"uninstallCause\":"
                     + answers + "\"userId\":\"" + user.toUtf8() + "\"}");
    }

    // The first report carries the typed cause, the second the typed e-mail under the first
    // report's transaction id. Both are refused once: each is posted again unchanged, and the
    // delivery ends once the second has been taken.
    void typedAnswersDeliveredDespiteRefusals()
    {
        int refusals = 2;
        m_service->setHandler("/report", [&refusals](const HttpTestServer::Request &) {
            return HttpTestServer::answer(refusals-- > 0 ? 500 : 200, "{}");
        });
        const auto reports = delivery(true);
        QSignalSpy ended(reports.get(), &ReportDelivery::ended);
        reports->sendFirst({{}, {}, {}, "Too slow on my laptop"});
        QTRY_COMPARE(m_service->requests().size(), 1);
        reports->sendSecond("ann@example.com");
        QTRY_COMPARE(m_service->requests().size(), 2);
        reports->deliverThenEnd();
        QTRY_COMPARE(ended.size(), 1);
        QTRY_COMPARE(m_service->requests().size(), 4);
        QCOMPARE(postedBody(0)["uninstallCause"].toArray().last().toString(),
                 "Too slow on my laptop");
        QCOMPARE(postedBody(1)["userEmail"].toString(), "ann@example.com");
        QCOMPARE(postedBody(1)["tid"].toString(), "03092027130507");
        QByteArrayList bodies;
        for (const HttpTestServer::Request &request : m_service->requests())
            bodies << request.body;
        QCOMPARE(bodies.count(bodies.at(0)), 2);
        QCOMPARE(bodies.count(bodies.at(1)), 2);
    }

    void deliveryEnds_data()
    {
        QTest::addColumn<bool>("withAddress");
        QTest::newRow("at the give-up time when the service never answers") << true;
        QTest::newRow("at once without a report address") << false;
    }

    void deliveryEnds()
    {
        QFETCH(bool, withAddress);
        m_service->setResponse("/report", HttpTestServer::neverAnswer());
        const auto reports = delivery(withAddress, 300);
        QSignalSpy ended(reports.get(), &ReportDelivery::ended);
        reports->sendFirst({});
        reports->sendSecond("ann@example.com");
        reports->deliverThenEnd();
        QCOMPARE(ended.size(), withAddress ? 0 : 1);
        QTRY_COMPARE(ended.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestReportDelivery)
#include "tst_reportdelivery.moc"

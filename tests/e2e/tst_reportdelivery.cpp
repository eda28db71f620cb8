// The delivery phase of whole runs: reports posted again until the service confirms them, never
// while a post of them is in flight, and the run's end at the first tick after the second
// report's confirmation, after 30 seconds, or at once without a report address.
#include "ReportService.h"
#include "WholeRun.h"

#include <QElapsedTimer>
#include <QTest>

using Report = ReportService::Report;

namespace {

bool allEqual(const QList<QByteArray> &bodies)
{
    return !bodies.isEmpty() && bodies.count(bodies.first()) == bodies.size();
}

// Gaps between the posts of a report, in seconds rounded.
QList<int> gaps(const QList<qint64> &arrivals)
{
    QList<int> result;
    for (int i = 1; i < arrivals.size(); ++i)
        result << int((arrivals.at(i) - arrivals.at(i - 1) + 500) / 1000);
    return result;
}

int completedRun(const ReportService &service, WholeRun &run)
{
    run.layOut({{QStringLiteral("uninstallReportUrl"), service.url()}});
    return run.run({QStringLiteral("-start_uninstall")}, WholeRun::throughToTheEnd());
}

} // namespace

class TestReportDelivery : public QObject
{
    Q_OBJECT

private slots:
    void repostedUntilAccepted();
    void notRepostedWhileInFlight();
    void neverAnsweredEndsAfterThirtySeconds();
    void withoutAddressEndsAtTheClose();
};

void TestReportDelivery::repostedUntilAccepted()
{
    ReportService service(
        [](Report, int attempt) { return HttpTestServer::answer(attempt == 1 ? 500 : 200, "ok"); });
    WholeRun run;
    QCOMPARE(completedRun(service, run), 512);
    // Both failed at first, both reposted at the first tick and accepted; the run ends at the
    // second tick.
    QCOMPARE(service.bodies(Report::First).size(), 2);
    QCOMPARE(service.bodies(Report::Second).size(), 2);
    QVERIFY(allEqual(service.bodies(Report::First)));
    QVERIFY(allEqual(service.bodies(Report::Second)));
    QCOMPARE(gaps(service.arrivals(Report::Second)), QList<int>{5});
    QVERIFY2(service.sinceClose() >= 9000 && service.sinceClose() < 14000,
             qPrintable(QString::number(service.sinceClose())));
    const QStringList failures = run.logTexts().filter(
        QStringLiteral("HTTP POST request failed: "));
    QCOMPARE(failures.size(), 2);
    QVERIFY2(failures.first().contains(QStringLiteral("Internal Server Error")),
             qPrintable(failures.first()));
    QCOMPARE(run.logTexts().count(QStringLiteral("HTTP POST request successful and Response: ok")),
             2);
}

void TestReportDelivery::notRepostedWhileInFlight()
{
    // The second report's first post fails late: the first tick passes it by, the second
    // posts it again.
    ReportService service([](Report report, int attempt) {
        if (report == Report::Second && attempt == 1)
            return HttpTestServer::answerAfter(7000, 500, "late");
        return HttpTestServer::answer(200, "ok");
    });
    WholeRun run;
    QCOMPARE(completedRun(service, run), 512);
    QCOMPARE(service.bodies(Report::First).size(), 1);
    const QList<int> secondGaps = gaps(service.arrivals(Report::Second));
    QVERIFY2(secondGaps.size() == 1 && secondGaps.first() >= 9,
             qPrintable(QString::number(secondGaps.value(0))));
    QVERIFY2(service.sinceClose() >= 14000 && service.sinceClose() < 19000,
             qPrintable(QString::number(service.sinceClose())));
}

void TestReportDelivery::neverAnsweredEndsAfterThirtySeconds()
{
    ReportService service([](Report, int) { return HttpTestServer::neverAnswer(); });
    WholeRun run;
    QCOMPARE(completedRun(service, run), 512);
    QVERIFY2(service.sinceClose() >= 28000 && service.sinceClose() < 34000,
             qPrintable(QString::number(service.sinceClose())));
    // Each post gives up after 10 seconds; only then is the report posted again.
    const QList<int> secondGaps = gaps(service.arrivals(Report::Second));
    QVERIFY2(secondGaps.size() >= 1
                 && std::all_of(secondGaps.cbegin(),
                                secondGaps.cend(),
                                [](int gap) { return gap >= 10; }),
             qPrintable(QString::number(secondGaps.size())));
    QVERIFY(allEqual(service.bodies(Report::First)));
    QVERIFY(allEqual(service.bodies(Report::Second)));
}

void TestReportDelivery::withoutAddressEndsAtTheClose()
{
    WholeRun run;
    run.layOut();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(run.run({QStringLiteral("-start_uninstall")}, WholeRun::throughToTheEnd()), 512);
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(run.logTexts().filter(QStringLiteral("HTTP POST")), QStringList());
}

QTEST_GUILESS_MAIN(TestReportDelivery)
#include "tst_reportdelivery.moc"

// The delivery phase of whole runs: reports posted again until the service confirms them, and
// the run's end at the first tick after the second report's confirmation or after 30 seconds.
#include "ReportService.h"
#include "WholeRun.h"

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
    void failedDuplicateUndoesTheConfirmation();
    void neverAnsweredEndsAfterThirtySeconds();
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

void TestReportDelivery::failedDuplicateUndoesTheConfirmation()
{
    // The second report's first post fails late, after its repost at the first tick succeeded.
    ReportService service([](Report report, int attempt) {
        if (report == Report::Second && attempt == 1)
            return HttpTestServer::answerAfter(7000, 500, "late");
        return HttpTestServer::answer(200, "ok");
    });
    WholeRun run;
    QCOMPARE(completedRun(service, run), 512);
    QCOMPARE(service.bodies(Report::First).size(), 1);
    QCOMPARE(gaps(service.arrivals(Report::Second)), (QList<int>{5, 5}));
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
    // Both are posted again at every tick; the network stack holds back posts beyond its six
    // connections to one host, all still waiting here.
    const QList<int> firstGaps = gaps(service.arrivals(Report::First));
    const QList<int> secondGaps = gaps(service.arrivals(Report::Second));
    QVERIFY2(secondGaps.size() >= 2 && secondGaps.count(5) == secondGaps.size(),
             qPrintable(QString::number(secondGaps.size())));
    QVERIFY(firstGaps.size() >= 2 && firstGaps.mid(1).count(5) == firstGaps.size() - 1);
    QVERIFY(allEqual(service.bodies(Report::First)));
    QVERIFY(allEqual(service.bodies(Report::Second)));
}

QTEST_GUILESS_MAIN(TestReportDelivery)
#include "tst_reportdelivery.moc"

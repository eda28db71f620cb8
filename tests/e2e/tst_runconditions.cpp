// Whole runs under conditions outside the wizard: a configuration service that fails, a second
// wizard of the same product, the product itself running at confirmation.
#include "HttpTestServer.h"
#include "ReportService.h"
#include "WholeRun.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>

using Report = ReportService::Report;

namespace {

const QString startSwitch = QStringLiteral("-start_uninstall");
const QStringList removedProduct{".settings", "DemoSuite.dll", "unins000"};

// The reason keys of the first report, in survey order.
QStringList reportedReasons(const ReportService &reports)
{
    QStringList keys;
    const QJsonArray causes = QJsonDocument::fromJson(reports.bodies(Report::First).value(0))
                                  .object()
                                  .value(QStringLiteral("uninstallCause"))
                                  .toArray();
    for (const QJsonValue &cause : causes) {
        if (cause.isObject())
            keys << cause.toObject().keys();
    }
    return keys;
}

} // namespace

class TestRunConditions : public QObject
{
    Q_OBJECT

private slots:
    void configurationServiceFails_data();
    void configurationServiceFails();
    void secondWizardIsRefused();
    void runningProductEndedFromTheDialog();
};

void TestRunConditions::configurationServiceFails_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("timedOut");
    QTest::newRow("refused") << "refused"
                             << "NetworkError error:" << false;
    QTest::newRow("slow past the time-out") << "slow"
                                            << "readuninstallConfig faild!" << true;
    QTest::newRow("garbage") << "garbage"
                             << "JSON parsing error:" << false;
}

// The installed defaults take over: the wizard leaves its loading page and completes.
void TestRunConditions::configurationServiceFails()
{
    QFETCH(QString, failure);
    QFETCH(QString, logged);
    QFETCH(bool, timedOut);
    HttpTestServer configuration;
    const QByteArray document = QJsonDocument(QJsonObject{{"version", "v2"},
                                                          {"recommendApp",
                                                           configuration.url("/apps").toString()}})
                                    .toJson();
    configuration.setResponse(QStringLiteral("/apps"), HttpTestServer::answer(200, "{}"));
    if (failure == QLatin1String("slow"))
        configuration.setResponse(QStringLiteral("/config"),
                                  HttpTestServer::answerAfter(4500, 200, document));
    else if (failure == QLatin1String("garbage"))
        configuration.setResponse(QStringLiteral("/config"),
                                  HttpTestServer::answer(200,
                                                         QByteArray("\x89PNG\r\n\x1a\n\0{", 10)));
    else
        configuration.stop();
    ReportService reports;
    WholeRun run;
    run.layOut({{QStringLiteral("uninstallConfigURL"), configuration.url("/config").toString()},
                {QStringLiteral("uninstallReportUrl"), reports.url()}});
    QCOMPARE(run.run({startSwitch}, WholeRun::throughToTheEnd()), 512);
    QVERIFY(run.autopilotLog().contains(QStringLiteral("finished")));
    QCOMPARE(run.productFiles(), removedProduct);

    const QStringList log = run.logTexts();
    QVERIFY2(std::any_of(log.cbegin(),
                         log.cend(),
                         [&logged](const QString &line) { return line.startsWith(logged); }),
             qPrintable(log.join(QLatin1Char('\n'))));
    QCOMPARE(log.contains(QStringLiteral("readuninstallConfig faild!")), timedOut);
    QVERIFY(WholeRun::inOrder(log,
                              {"Uninstall inint ending!",
                               "Uninstall downLoad banner_pic not exists!",
                               "loading end!",
                               "unins000.exe running!"}));
    // A late answer is no longer read.
    QVERIFY(!configuration.requestedPaths().contains(QStringLiteral("/apps")));
    QVERIFY(!QFileInfo::exists(run.dataDir() + QStringLiteral("/uninstallRes")));
    QCOMPARE(reportedReasons(reports), (QStringList{"q1", "q2", "q3", "q4", "q15", "q6"}));
}

// Two hosts of the same installation: the second is refused while the first waits on its
// discount offer, which then goes on to the end.
void TestRunConditions::secondWizardIsRefused()
{
    ReportService reports;
    WholeRun run;
    run.layOut({{QStringLiteral("uninstallReportUrl"), reports.url()}});
    const QStringList before = run.productFiles();
    const QString goOn = QFileInfo(run.installDir()).path() + QStringLiteral("/go-on");
    const std::unique_ptr<QProcess> first = run.start({startSwitch},
                                                      "page:1;file:" + goOn + ';'
                                                          + WholeRun::throughToTheEnd());
    QTRY_VERIFY_WITH_TIMEOUT(run.autopilotLog().contains(QStringLiteral("done page:1")), 30000);

    QCOMPARE(run.run({startSwitch}, QString(), 30000), 0);
    QCOMPARE(run.hostExitCode(), 1);
    const QStringList log = run.logTexts();
    QCOMPARE(log.count(QStringLiteral("InitFramework!")), 2);
    QCOMPARE(log.count(QStringLiteral("uninstall is runnabled!")), 1);
    QCOMPARE(log.count(QStringLiteral("ceipg init!")), 1);
    QCOMPARE(run.usageLabels().count(QStringLiteral("uninstall_c_start")), 1);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(run.productFiles(), before);

    QVERIFY(QFile(goOn).open(QIODevice::WriteOnly));
    QCOMPARE(run.finish(*first), 512);
    QCOMPARE(run.productFiles(), removedProduct);
    QCOMPARE(reports.bodies(Report::First).size(), 1);
    QCOMPARE(reports.bodies(Report::Second).size(), 1);
}

// The sample product's program runs from the installation; "Continue" in the dialog ends it and
// the uninstall goes on.
void TestRunConditions::runningProductEndedFromTheDialog()
{
    // Named after this test process, so that the dialog ends no other run's product.
    const QString name = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    ReportService reports;
    WholeRun run(name);
    run.layOut({{QStringLiteral("uninstallReportUrl"), reports.url()}});
    const QString program = run.installDir() + QLatin1Char('/') + name;
    QVERIFY(QFile::copy(QStringLiteral(DEMO_PRODUCT), program));
    QProcess product;
    product.setProcessEnvironment(run.environment());
    product.start(program, {name});
    QVERIFY(product.waitForReadyRead(30000));
    QCOMPARE(product.readLine().trimmed(), name.toUtf8() + " is running");

    // The product may still hold its lock right after the kill: then the dialog comes again.
    const QString script = WholeRun::confirming + ";wait:btnContinue;clicks:btnContinue;"
                           + WholeRun::completing;
    QCOMPARE(run.run({startSwitch}, script), 512);
    QTRY_COMPARE(product.state(), QProcess::NotRunning);
    QCOMPARE(product.exitStatus(), QProcess::CrashExit);
    QCOMPARE(run.productFiles(), removedProduct);

    QVERIFY(WholeRun::inOrder(run.logTexts(),
                              {"check App isRunning?",
                               "CheckCloseDlg init!",
                               "kill program:" + name,
                               "check App isRunning?",
                               "start first report!",
                               "FileDeletionThread start!",
                               "unins000.exe running!"}));
    // Confirmed again after the dialog.
    QVERIFY(WholeRun::inOrder(run.usageEvents(),
                              {"uninstall/uninstall_continue/u_click_uninstall",
                               "uninstall/uninstall_continue/u_click_uninstall",
                               "uninstall/uninstall_start/"}));
    QCOMPARE(reports.bodies(Report::First).size(), 1);
    QCOMPARE(reports.bodies(Report::Second).size(), 1);
}

QTEST_GUILESS_MAIN(TestRunConditions)
#include "tst_runconditions.moc"

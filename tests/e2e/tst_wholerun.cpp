// Whole runs of the host stand-in and the library on throw-away installations.
#include "ReportService.h"
#include "WholeRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTest>

namespace {

const QString startSwitch = QStringLiteral("-start_uninstall");
const QString throughToTheEnd = QStringLiteral(
    "page:1;click:btnContinue_1;reason:2;click:btnContinue_2;click:btnContinue_3;page:3;"
    "wait:btnComplete;type:emailEdit=someone@example.com;click:btnComplete");

bool inOrder(const QStringList &lines, const QStringList &expected)
{
    int from = 0;
    for (const QString &line : expected) {
        from = lines.indexOf(line, from);
        if (from < 0) {
            qWarning("missing or out of order: %s", qPrintable(line));
            return false;
        }
        ++from;
    }
    return true;
}

QJsonObject jsonOf(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object();
}

} // namespace

class TestWholeRun : public QObject
{
    Q_OBJECT

private slots:
    void completedRunRemovesTheProduct();
    void cancelledRunRemovesNothing();
    void refusedStarts_data();
    void refusedStarts();
    void testModeNeverCompletes();
    void upgradeOfferStartsTheUpdaterAndEndsTheRun();
};

void TestWholeRun::completedRunRemovesTheProduct()
{
    ReportService service;
    WholeRun run;
    run.layOut({{QStringLiteral("uninstallReportUrl"), service.url()}});
    QCOMPARE(run.run({startSwitch}, throughToTheEnd), 512);
    QCOMPARE(run.hostExitCode(), 0);
    // Accepted at once, the second report still ends the run only at the first 5-second tick.
    QVERIFY2(service.sinceClose() >= 4500 && service.sinceClose() < 9000,
             qPrintable(QString::number(service.sinceClose())));
    QVERIFY2(run.autopilotLog().contains(QStringLiteral("finished")),
             qPrintable(run.autopilotLog().join(QLatin1Char('\n'))));
    // Libraries, hidden entries and the uninstaller's own files stay.
    QCOMPARE(run.productFiles(), (QStringList{".settings", "DemoSuite.dll", "unins000"}));
    QVERIFY(inOrder(run.logTexts(),
                    {"InitFramework!",
                     "uninstallTest is true",
                     "ceipg init!",
                     "skin setting!",
                     "change CurrentLanguage!",
                     "font setting!",
                     "Uninstall inint start!",
                     "Uninstall inint ending!",
                     "loading end!",
                     "check App isRunning?",
                     "start first report!",
                     "FileDeletionThread start!",
                     "deleteFilesAndDirectories complete!",
                     "completeSlot run!",
                     "Uninstall close!",
                     "start second report!",
                     "uninstsall After",
                     "HTTP POST request successful and Response: ok",
                     "unins000.exe running!",
                     "Uninstall ~Uninstall"}));
    QVERIFY(inOrder(run.usageLabels(),
                    {"uninstall_c_start",
                     "init_success",
                     "",
                     "d_click_uninstall",
                     "r_click_uninstall",
                     "u_click_uninstall",
                     "",
                     "",
                     "uninstall process success!",
                     "uninstall_c_stop"}));

    const QList<QByteArray> first = service.bodies(ReportService::Report::First);
    const QList<QByteArray> second = service.bodies(ReportService::Report::Second);
    QCOMPARE(first.size(), 1);
    QCOMPARE(second.size(), 1);
    const QJsonObject answers = jsonOf(first.first());
    QCOMPARE(answers.value(QStringLiteral("uninstallCause")),
             QJsonDocument::fromJson(R"([{"q1": false}, {"q2": true}, {"q3": false},
                                         {"q4": false}, {"q15": false}, {"q6": false}, ""])")
                 .array());
    const QJsonObject closing = jsonOf(second.first());
    QCOMPARE(closing.value(QStringLiteral("userEmail")).toString(),
             QStringLiteral("someone@example.com"));
    QCOMPARE(closing.value(QStringLiteral("tid")), answers.value(QStringLiteral("tid")));
    QCOMPARE(closing.value(QStringLiteral("userId")), answers.value(QStringLiteral("userId")));
    QCOMPARE(closing.value(QStringLiteral("userId")).toString().size(), 38);

    QVERIFY(
        run.autopilotLog().contains(QStringLiteral("url https://www.example.com/goodbye?id=1001")));
    // The install records are gone from the user settings.
    QSettings settings(run.settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.allKeys().filter(QStringLiteral("Install/")), QStringList());
}

void TestWholeRun::cancelledRunRemovesNothing()
{
    WholeRun run;
    run.layOut();
    const QStringList before = run.productFiles();
    QCOMPARE(run.run({startSwitch}, QStringLiteral("page:1;click:btnContinue_1;click:btnCancel_2")),
             0);
    QCOMPARE(run.hostExitCode(), 1);
    QCOMPARE(run.productFiles(), before);
    QVERIFY(run.usageLabels().contains(QStringLiteral("r_click_cancel")));
    QVERIFY(!run.logTexts().contains(QStringLiteral("unins000.exe running!")));
}

void TestWholeRun::refusedStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no switch") << QStringList();
    QTest::newRow("upper case") << QStringList{QStringLiteral("-START_UNINSTALL")};
    QTest::newRow("trailing blank") << QStringList{QStringLiteral("-start_uninstall ")};
    QTest::newRow("second argument") << QStringList{QStringLiteral("/S"), startSwitch};
}

void TestWholeRun::refusedStarts()
{
    QFETCH(QStringList, arguments);
    WholeRun run;
    run.layOut();
    const QStringList before = run.productFiles();
    QCOMPARE(run.run(arguments, throughToTheEnd, 20000), 0);
    QCOMPARE(run.productFiles(), before);
    QVERIFY(inOrder(run.logTexts(), {"InitFramework!", "uninstallTest is true", "quit uninstall"}));
    QVERIFY(!run.logTexts().contains(QStringLiteral("ceipg init!")));
}

void TestWholeRun::testModeNeverCompletes()
{
    WholeRun run;
    run.layOut({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    const QStringList before = run.productFiles();
    const QString script = QStringLiteral(
        "page:1;click:btnContinue_1;reason:2;click:btnContinue_2;click:btnContinue_3;page:3;"
        "click:btnComplete;wait:emailEdit;click:btnClose");
    QCOMPARE(run.run({}, script), 0);
    QCOMPARE(run.productFiles(), before);
    QVERIFY(!run.logTexts().contains(QStringLiteral("uninstallTest is true")));
    QVERIFY(!run.logTexts().contains(QStringLiteral("FileDeletionThread start!")));
}

void TestWholeRun::upgradeOfferStartsTheUpdaterAndEndsTheRun()
{
    WholeRun run;
    run.layOut();
    const QStringList before = run.productFiles();
    // Stands in for the updater that the wizard downloaded at an earlier start.
    const QString marker = run.dataDir() + QStringLiteral("/updater-ran");
    const QString updater = run.dataDir() + QStringLiteral("/updater/Demo Suite");
    QDir().mkpath(QFileInfo(updater).absolutePath());
    QFile script(updater);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

    QCOMPARE(run.run({startSwitch},
                     QStringLiteral("page:1;click:btnContinue_1;reason:2;click:btnContinue_2;"
                                    "click:btnUpdate")),
             0);
    QTRY_VERIFY(QFileInfo::exists(marker));
    QCOMPARE(run.productFiles(), before);
    QVERIFY(
        inOrder(run.usageLabels(), {"r_click_uninstall", "update programe!", "uninstall_c_stop"}));
    QVERIFY(!run.logTexts().contains(QStringLiteral("check App isRunning?")));
}

QTEST_GUILESS_MAIN(TestWholeRun)
#include "tst_wholerun.moc"

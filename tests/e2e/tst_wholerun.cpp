// Whole runs of the host stand-in and the library on throw-away installations, along the paths a
// user takes: through to the end, cancelled, refused, in test mode, upgraded.
#include "RemoteService.h"
#include "ReportService.h"
#include "WholeRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

using Report = ReportService::Report;

namespace {

const QString startSwitch = QStringLiteral("-start_uninstall");

QJsonObject jsonOf(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object();
}

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample product's pictures, by the name under which the wizard caches them.
QMap<QString, QString> kitPictures()
{
    const QString kit = TestEnvironment::sourceDir()
                        + QStringLiteral("/kit/resources/uninstallConfig/");
    return {{"banner_pic_en.png", kit + "banner_pic/en.png"},
            {"promotion_pic_en.png", kit + "promotion_pic/en.png"},
            {"a.png", kit + "recAppIcon/photo-editor.png"},
            {"b.png", kit + "recAppIcon/pdf-workshop.png"}};
}

// The configuration service serves them in download order: banner, promotion, the two icons.
void servePictures(RemoteService &service)
{
    const QStringList paths = RemoteService::imagePaths();
    const QStringList names{"banner_pic_en.png", "promotion_pic_en.png", "a.png", "b.png"};
    const QMap<QString, QString> pictures = kitPictures();
    for (int i = 0; i < paths.size(); ++i)
        service.setResponse(paths.at(i),
                            HttpTestServer::answer(200,
                                                   contentOf(pictures.value(names.at(i))),
                                                   "image/png"));
}

QString installRecord(const WholeRun &run)
{
    return QSettings(run.settingsFile(), QSettings::IniFormat)
        .value(QStringLiteral("Install/Path"))
        .toString();
}

QStringList openedUrls(const WholeRun &run)
{
    return run.autopilotLog().filter(QRegularExpression(QStringLiteral("^url ")));
}

} // namespace

class TestWholeRun : public QObject
{
    Q_OBJECT

private slots:
    void typicalUninstall();
    void cancelFromEachPage_data();
    void cancelFromEachPage();
    void refusedStarts_data();
    void refusedStarts();
    void testModeNeverCompletes_data();
    void testModeNeverCompletes();
    void upgradeOfferStartsTheUpdaterAndEndsTheRun();
};

void TestWholeRun::typicalUninstall()
{
    RemoteService configuration;
    servePictures(configuration);
    ReportService reports;
    WholeRun run;
    run.layOut({{QStringLiteral("uninstallConfigURL"), configuration.configUrl()},
                {QStringLiteral("uninstallReportUrl"), reports.url()}});
    // Enough files that the window manager's close comes while they are being removed: it
    // must change nothing.
    QVERIFY(QDir().mkpath(run.installDir() + QStringLiteral("/data")));
    for (int i = 0; i < 10000; ++i)
        QFile(run.installDir() + QStringLiteral("/data/%1").arg(i)).open(QIODevice::WriteOnly);
    const QString script = WholeRun::confirming + QStringLiteral(";closewindow:progressBar;")
                           + WholeRun::completing;
    QCOMPARE(run.run({startSwitch}, script), 512);
    QCOMPARE(run.hostExitCode(), 0);
    QCOMPARE(run.hostStandardError(), QByteArray());
    QVERIFY2(run.autopilotLog().contains(QStringLiteral("finished")),
             qPrintable(run.autopilotLog().join(QLatin1Char('\n'))));

    const QString cache = run.dataDir() + QStringLiteral("/uninstallRes/");
    const QStringList log = run.logTexts();
    QVERIFY(WholeRun::inOrder(log,
                              {"InitFramework!",
                               "uninstallTest is true",
                               "ceipg init!",
                               "skin setting!",
                               "change CurrentLanguage!",
                               "font setting!",
                               "Uninstall inint start!",
                               "Uninstall initData app dir: "
                                   + QFileInfo(run.installDir()).canonicalFilePath(),
                               "Uninstall inint ending!",
                               "start parse recJson!",
                               "downLoadResEmit",
                               "Uninstall bind purchase img :" + cache
                                   + "banner_pic_en.png || and promotion img:" + cache
                                   + "promotion_pic_en.png",
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
    QVERIFY(WholeRun::inOrder(log, {"Uninstall bind recApp!", "loading end!"}));
    QVERIFY(WholeRun::inOrder(log, {"bind uninstall cause!", "check App isRunning?"}));
    QCOMPARE(log.count(QStringLiteral("HTTP POST request successful and Response: ok")), 2);
    QVERIFY(!log.contains(QStringLiteral("load default res!")));

    // The deletion worker's event comes from its own thread, at some time after the start.
    QStringList events = run.usageEvents();
    QVERIFY(WholeRun::inOrder(events,
                              {"uninstall/uninstall_continue/u_click_uninstall",
                               "uninstall/uninstall_complete/",
                               "uninstall/uninstall_success/uninstall process success!"}));
    QVERIFY(events.removeOne(QStringLiteral("uninstall/uninstall_complete/")));
    QCOMPARE(events,
             (QStringList{"uninstall/uninstall_main/uninstall_c_start",
                          "uninstall/uninstall_init/init_success",
                          "uninstall/uninstall_main_show/",
                          "uninstall/uninstall_continue/d_click_uninstall",
                          "uninstall/uninstall_continue/r_click_uninstall",
                          "uninstall/uninstall_continue/u_click_uninstall",
                          "uninstall/uninstall_start/",
                          "uninstall/uninstall_success/uninstall process success!",
                          "uninstall/uninstall_main/uninstall_c_stop"}));

    // The documents one after the other, then the pictures one at a time, all into the cache.
    const QStringList documents{"/config", "/apps", "/chose", "/cause"};
    QCOMPARE(RemoteService::picked(configuration.requestedPaths(), documents), documents);
    QCOMPARE(RemoteService::picked(configuration.requestedPaths(), RemoteService::imagePaths()),
             RemoteService::imagePaths());
    QCOMPARE(QDir(cache).entryList(QDir::Files, QDir::Name), RemoteService::cachedNames());
    const QMap<QString, QString> pictures = kitPictures();
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        QVERIFY2(contentOf(cache + it.key()) == contentOf(it.value()), qPrintable(it.key()));

    const QList<QByteArray> first = reports.bodies(Report::First);
    const QList<QByteArray> second = reports.bodies(Report::Second);
    QCOMPARE(first.size(), 1);
    QCOMPARE(second.size(), 1);
    QVERIFY(reports.arrivals(Report::First).first() < reports.arrivals(Report::Second).first());
    const QJsonObject answers = jsonOf(first.first());
    // The survey showed the service's reasons; the second row was ticked.
    const QJsonArray causes = answers.value(QStringLiteral("uninstallCause")).toArray();
    QCOMPARE(causes.at(0).toObject(), (QJsonObject{{"slow", false}}));
    QCOMPARE(causes.at(1).toObject(), (QJsonObject{{"price", true}}));
    const QJsonObject closing = jsonOf(second.first());
    QCOMPARE(closing.value(QStringLiteral("userEmail")).toString(),
             QStringLiteral("someone@example.com"));
    QCOMPARE(closing.value(QStringLiteral("tid")), answers.value(QStringLiteral("tid")));
    QCOMPARE(closing.value(QStringLiteral("userId")), answers.value(QStringLiteral("userId")));
    QCOMPARE(closing.value(QStringLiteral("userId")).toString().size(), 38);

    // Accepted at once, the second report ends the run at the first 5-second tick, not later.
    QVERIFY2(reports.sinceClose() >= 4500 && reports.sinceClose() < 9000,
             qPrintable(QString::number(reports.sinceClose())));
    // Libraries, hidden entries and the uninstaller's own files stay.
    QCOMPARE(run.productFiles(), (QStringList{".settings", "DemoSuite.dll", "unins000"}));
    QCOMPARE(openedUrls(run), QStringList{"url https://www.example.com/goodbye?id=1001"});
    QSettings settings(run.settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.allKeys().filter(QStringLiteral("Install/")), QStringList());
    QCOMPARE(settings.value(QStringLiteral("ApplicationParam/uninstall_version")).toString(),
             QStringLiteral("v1"));
}

void TestWholeRun::cancelFromEachPage_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("label");
    const QString survey = QStringLiteral("page:1;click:btnContinue_1;");
    const QString upgrade = survey + QStringLiteral("reason:2;click:btnContinue_2;");
    QTest::newRow("discount offer, cancel") << "page:1;click:btnCancel_1"
                                            << "d_click_cancel";
    QTest::newRow("discount offer, close") << "page:1;click:btnClose"
                                           << "d_click_cancel";
    QTest::newRow("survey, cancel") << survey + "click:btnCancel_2"
                                    << "r_click_cancel";
    QTest::newRow("survey, close") << survey + "click:btnClose"
                                   << "r_click_cancel";
    QTest::newRow("upgrade offer, cancel") << upgrade + "click:btnCancel_3"
                                           << "u_click_cancel";
    QTest::newRow("upgrade offer, close") << upgrade + "click:btnClose"
                                          << "u_click_cancel";
}

void TestWholeRun::cancelFromEachPage()
{
    QFETCH(QString, script);
    QFETCH(QString, label);
    ReportService reports;
    WholeRun run;
    run.layOut({{QStringLiteral("uninstallReportUrl"), reports.url()}});
    const QStringList before = run.productFiles();
    QCOMPARE(run.run({startSwitch}, script), 0);
    QCOMPARE(run.hostExitCode(), 1);
    QVERIFY(run.autopilotLog().contains(QStringLiteral("finished")));

    QCOMPARE(run.productFiles(), before);
    QVERIFY(reports.bodies(Report::First).isEmpty());
    QVERIFY(reports.bodies(Report::Second).isEmpty());
    const QStringList events = run.usageEvents();
    QCOMPARE(events.mid(events.size() - 2),
             (QStringList{"uninstall/uninstall_cancel/" + label,
                          "uninstall/uninstall_main/uninstall_c_stop"}));
    QVERIFY(run.logTexts().contains(QStringLiteral("Uninstall close! PostData is empty")));
    QVERIFY(!run.logTexts().contains(QStringLiteral("unins000.exe running!")));
    QCOMPARE(openedUrls(run), QStringList());
    QCOMPARE(installRecord(run), run.installDir());
}

void TestWholeRun::refusedStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("productIni"); // "-" keeps the laid-out one, "!" removes it
    const QStringList started{startSwitch};
    QTest::newRow("no switch") << QStringList() << QByteArray("-");
    QTest::newRow("upper case") << QStringList{QStringLiteral("-START_UNINSTALL")}
                                << QByteArray("-");
    QTest::newRow("trailing blank")
        << QStringList{QStringLiteral("-start_uninstall ")} << QByteArray("-");
    QTest::newRow("second argument")
        << QStringList{QStringLiteral("/S"), startSwitch} << QByteArray("-");
    QTest::newRow("product.ini missing") << started << QByteArray("!");
    QTest::newRow("product.ini empty") << started << QByteArray();
    QTest::newRow("product.ini garbage") << started << QByteArray::fromHex("00ff5b5b3d0a3d3d5d1b");
    QTest::newRow("no product name") << started << QByteArray("[Product]\nBrand=Example\n");
    QTest::newRow("value of 1 MiB")
        << started << "[Product]\nName=Demo Suite\nBrand=" + QByteArray(1 << 20, 'x');
}

// Nothing is removed and no run is recorded.
void TestWholeRun::refusedStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, productIni);
    WholeRun run;
    run.layOut();
    const QString iniFile = run.installDir() + QStringLiteral("/product.ini");
    if (productIni == "!")
        QVERIFY(QFile::remove(iniFile));
    else if (productIni != "-") {
        QFile file(iniFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(productIni), qint64(productIni.size()));
    }
    const QStringList before = run.productFiles();
    QCOMPARE(run.run(arguments, WholeRun::throughToTheEnd(), 20000), 0);
    QCOMPARE(run.productFiles(), before);
    QCOMPARE(run.usageEvents(), QStringList());
}

void TestWholeRun::testModeNeverCompletes_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("savedLanguage");
    QTest::newRow("through to the end")
        << WholeRun::confirming + ";page:3;click:btnComplete;wait:emailEdit;click:btnClose"
        << QString();
    QTest::newRow("language on the discount offer") << "page:1;language:comboBox=1"
                                                    << "de";
    QTest::newRow("language on the progress page")
        << WholeRun::confirming + ";page:3;language:comboBox=7"
        << "zh_CN";
}

// No switch needed, nothing removed, never 512; a language change saves it and ends the run.
void TestWholeRun::testModeNeverCompletes()
{
    QFETCH(QString, script);
    QFETCH(QString, savedLanguage);
    ReportService reports;
    WholeRun run;
    run.layOut({{QStringLiteral("uninstallTest"), QStringLiteral("1")},
                {QStringLiteral("uninstallReportUrl"), reports.url()}});
    const QStringList before = run.productFiles();
    QCOMPARE(run.run({}, script), 0);
    QCOMPARE(run.hostExitCode(), 1);
    QVERIFY(run.autopilotLog().contains(QStringLiteral("finished")));

    QCOMPARE(run.productFiles(), before);
    const QStringList log = run.logTexts();
    QVERIFY(!log.contains(QStringLiteral("uninstallTest is true")));
    QVERIFY(!log.contains(QStringLiteral("FileDeletionThread start!")));
    QVERIFY(!log.contains(QStringLiteral("unins000.exe running!")));
    QVERIFY(!run.usageEvents().contains(QStringLiteral("uninstall/uninstall_start/")));
    QVERIFY(reports.bodies(Report::Second).isEmpty());
    QCOMPARE(openedUrls(run), QStringList());
    QCOMPARE(installRecord(run), run.installDir());
    QCOMPARE(QSettings(run.settingsFile(), QSettings::IniFormat)
                 .value(QStringLiteral("Language"))
                 .toString(),
             savedLanguage);
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
    QVERIFY(WholeRun::inOrder(run.usageLabels(),
                              {"r_click_uninstall", "update programe!", "uninstall_c_stop"}));
    QVERIFY(!run.logTexts().contains(QStringLiteral("check App isRunning?")));
}

QTEST_GUILESS_MAIN(TestWholeRun)
#include "tst_wholerun.moc"

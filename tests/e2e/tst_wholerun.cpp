// Whole runs of the host stand-in and the library on throw-away installations, along the paths a
// user takes and under the conditions around them, asserting what each run leaves behind.
#include "WholeRun.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTest>

namespace {

const QString startSwitch = QStringLiteral("-start_uninstall");
const QStringList kept{".settings", "DemoSuite.dll", "unins000"};
const QStringList loaded{"/config", "/apps", "/chose", "/cause"};
const QStringList report{"/report"};
const QStringList pictures{"/banner_pic_en.png", "/promotion_pic_en.png", "/a.png", "/b.png"};
const QStringList cachedPictures{"a.png", "b.png", "banner_pic_en.png", "promotion_pic_en.png"};
const QString throughToTheEnd = WholeRun::confirming + ';' + WholeRun::completing;

QJsonObject jsonOf(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object();
}

void row(const char *name,
         const QByteArray &setup,
         const QString &script,
         int result,
         const QStringList &requests,
         bool removed,
         const QStringList &arguments = {startSwitch})
{
    QTest::newRow(name) << setup << arguments << script << result << requests << removed;
}

void bulkFiles(const WholeRun &run)
{
    QDir().mkpath(run.installDir() + "/data");
    for (int i = 0; i < 10000; ++i)
        QFile(run.installDir() + QStringLiteral("/data/%1").arg(i)).open(QIODevice::WriteOnly);
}

} // namespace

class TestWholeRun : public QObject
{
    Q_OBJECT

private slots:
    void wholeRun_data();
    void wholeRun();
};

void TestWholeRun::wholeRun_data()
{
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<bool>("removed");
    const QString survey = QStringLiteral("page:1;click:btnContinue_1;");
    const QString upgrade = survey + "reason:2;click:btnContinue_2;";
    // A window manager's close during the removal changes nothing.
    row("typical",
        "bulk",
        WholeRun::confirming + ";closewindow:progressBar;" + WholeRun::completing,
        512,
        loaded + report + report,
        true);
    row("cancel on the offer", "", "page:1;click:btnCancel_1", 0, loaded, false);
    row("close on the offer", "", "page:1;click:btnClose", 0, loaded, false);
    row("cancel on the survey", "", survey + "click:btnCancel_2", 0, loaded, false);
    row("close on the survey", "", survey + "click:btnClose", 0, loaded, false);
    row("cancel on the upgrade offer", "", upgrade + "click:btnCancel_3", 0, loaded, false);
    row("close on the upgrade offer", "", upgrade + "click:btnClose", 0, loaded, false);
    row("no switch", "", throughToTheEnd, 0, {}, false, {});
    row("switch in upper case", "", throughToTheEnd, 0, {}, false, {"-START_UNINSTALL"});
    row("product.ini missing", "no ini", throughToTheEnd, 0, {}, false);
    row("product.ini empty", "ini:", throughToTheEnd, 0, {}, false);
    row("product.ini garbage",
        QByteArray::fromHex("696e693a00ff5b5b3d0a3d3d5d1b"),
        throughToTheEnd,
        0,
        {},
        false);
    row("no product name", "ini:[Product]\nBrand=Example\n", throughToTheEnd, 0, {}, false);
    row("value of 1 MiB",
        "ini:[Product]\nName=Demo Suite\nBrand=" + QByteArray(1 << 20, 'x'),
        throughToTheEnd,
        0,
        {},
        false);
    row("test mode",
        "test",
        WholeRun::confirming + ";page:3;click:btnComplete;click:btnClose",
        0,
        loaded + report,
        false,
        {});
    row("upgrade", "upgrade", upgrade + "click:btnUpdate", 0, loaded, false);
    for (const char *failure : {"garbage", "trickling", "silent"})
        row(failure, failure, throughToTheEnd, 512, {"/config", "/report", "/report"}, true);
    row("reports failing, then accepted",
        "failing reports",
        throughToTheEnd,
        512,
        loaded + report + report + report + report,
        true);
    row("product closed from the dialog",
        "product",
        WholeRun::confirming + ";wait:btnContinue;clicks:btnContinue;" + WholeRun::completing,
        512,
        loaded + report + report,
        true);
    row("second wizard refused", "second", throughToTheEnd, 512, loaded + report + report, true);
    row("records name another folder",
        "foreign root",
        WholeRun::confirming + ";page:3;click:btnClose",
        0,
        loaded + report + report,
        false);
    row("removal interrupted, then resumed",
        "resume",
        throughToTheEnd,
        512,
        loaded + report + loaded + report + report,
        true);
}

void TestWholeRun::wholeRun()
{
    QFETCH(QByteArray, setup);
    QFETCH(QStringList, arguments);
    QFETCH(QString, script);
    QFETCH(int, result);
    QFETCH(QStringList, requests);
    QFETCH(bool, removed);
    ProductService service([&setup](bool, int attempt) {
        const bool fails = setup == "failing reports" && attempt == 1;
        return HttpTestServer::answer(fails ? 500 : 200, "ok");
    });
    const QMap<QByteArray, HttpTestServer::Response>
        failures{{"garbage", HttpTestServer::answer(200, QByteArray("\x89PNG\r\n\x1a\n\0{", 10))},
                 {"trickling", HttpTestServer::trickle(200)},
                 {"silent", HttpTestServer::neverAnswer()}};
    if (failures.contains(setup))
        service.setResponse("/config", failures.value(setup));
    // Named after this test process, so that the close dialog ends no other run's product.
    const QString name = setup == "product"
                             ? QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid())
                             : QStringLiteral("Demo Suite");
    WholeRun run(name);
    QMap<QString, QString> extend = service.extend();
    const QString marker = run.dataDir() + "/updater-ran";
    const QByteArray updater = "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n";
    service.setResponse("/updater", HttpTestServer::answer(200, updater, "text/plain"));
    if (setup == "upgrade") {
        extend.insert("updateAppUrl", service.url("/updater").toString());
        extend.insert("updateAppSha256",
                      QCryptographicHash::hash(updater, QCryptographicHash::Sha256).toHex());
    }
    if (setup == "test")
        extend.insert("uninstallTest", "1");
    run.layOut(extend);
    QFile ini(run.installDir() + "/product.ini");
    if (setup == "no ini")
        QVERIFY(ini.remove());
    if (setup.startsWith("ini:") && ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ini.write(setup.mid(4));
    ini.close();
    const QString elsewhere = QFileInfo(run.installDir()).path() + "/elsewhere";
    if (setup == "foreign root") {
        QDir().mkpath(elsewhere);
        QSettings(run.settingsFile(), QSettings::IniFormat).setValue("Install/Path", elsewhere);
    }
    if (setup == "bulk" || setup == "resume")
        bulkFiles(run);
    QProcess product;
    if (setup == "product") {
        const QString program = run.installDir() + '/' + name;
        QVERIFY(QFile::copy(DEMO_PRODUCT, program));
        product.setProcessEnvironment(run.environment());
        product.start(program, {name});
        QVERIFY(product.waitForReadyRead(30000));
    }
    const QStringList before = run.productFiles();

    if (setup == "resume") {
        QCOMPARE(run.run({startSwitch}, WholeRun::confirming + ";halfway:progressBar"), -1);
        const int left = run.productFiles().size();
        QVERIFY2(left > kept.size() + 1 && left < before.size(), qPrintable(QString::number(left)));
    }
    if (setup == "second") {
        // The second host is refused while the first waits on its discount offer.
        const QString goOn = run.dataDir() + "/go-on";
        const auto first = run.start({startSwitch}, "page:1;file:" + goOn + ';' + script);
        QTRY_VERIFY_WITH_TIMEOUT(run.autopilotLog().contains("done page:1"), 30000);
        QCOMPARE(run.run({startSwitch}, QString(), 20000), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(run.productFiles(), before);
        QVERIFY(QFile(goOn).open(QIODevice::WriteOnly));
        QCOMPARE(run.finish(*first), result);
    } else {
        QCOMPARE(run.run(arguments, script, 60000), result);
    }

    // Refused product.ini files are named on standard error, and nothing else ever is.
    QCOMPARE(run.hostStandardError().isEmpty(), !setup.contains("ini"));
    // The documents and reports in order; the pictures, one at a time, and the updater beside them.
    QStringList documents;
    QStringList downloads;
    for (const QString &path : service.requestedPaths())
        (path.endsWith(".png") ? downloads : documents) << path;
    documents.removeAll("/updater");
    QCOMPARE(documents, requests);
    const bool downloaded = requests.contains("/apps");
    QCOMPARE(downloads, downloaded ? pictures : QStringList());
    QCOMPARE(run.productFiles(), removed ? kept : before);
    QSettings records(run.settingsFile(), QSettings::IniFormat);
    QCOMPARE(records.value("Install/Path").toString(),
             removed                   ? QString()
             : setup == "foreign root" ? elsewhere
                                       : run.installDir());
    QCOMPARE(run.autopilotLog().filter(QRegularExpression("^url ")),
             removed ? QStringList{"url https://www.example.com/goodbye?id=1001"} : QStringList());
    QTRY_COMPARE(product.state(), QProcess::NotRunning);
    QCOMPARE(QFileInfo::exists(marker), setup == "upgrade");

    // Each report posted again unchanged; the second names the first's transaction and user.
    const QList<QByteArray> first = service.reports(false);
    const QList<QByteArray> second = service.reports(true);
    for (const QByteArray &body : first) {
        QCOMPARE(body, first.first());
        QCOMPARE(jsonOf(body).keys(),
                 (QStringList{"brand",
                              "language",
                              "productId",
                              "productName",
                              "productVersion",
                              "tid",
                              "time",
                              "uninstallCause",
                              "userId"}));
    }
    for (const QByteArray &body : second) {
        QCOMPARE(body, second.first());
        QCOMPARE(jsonOf(body).keys(), (QStringList{"tid", "userEmail", "userId"}));
        QCOMPARE(jsonOf(body).value("tid"), jsonOf(first.last()).value("tid"));
        QCOMPARE(jsonOf(body).value("userId"), jsonOf(first.last()).value("userId"));
    }
    // The survey offered the served reasons, or the installed ones without the service.
    if (!first.isEmpty()) {
        const QJsonArray causes = jsonOf(first.first()).value("uninstallCause").toArray();
        QCOMPARE(causes.at(1).toObject().keys(),
                 QStringList{requests.contains("/chose") ? "price" : "q2"});
        QCOMPARE(causes.at(1).toObject().begin().value(), QJsonValue(true));
    }
    const QString cache = run.dataDir() + "/uninstallRes/";
    const QStringList cached = QDir(cache).entryList(QDir::Files);
    QCOMPARE(cached, downloaded ? cachedPictures : QStringList());
    for (const QString &picture : cached) {
        QFile file(cache + picture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), service.pictures.value('/' + picture));
    }
}

QTEST_GUILESS_MAIN(TestWholeRun)
#include "tst_wholerun.moc"

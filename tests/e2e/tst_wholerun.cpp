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

const QString confirm = WholeRun::confirming + ';';
const QString all = confirm + WholeRun::completing;
const QStringList kept{".settings", "Demo.dll", "unins000"};
const QStringList loaded{"/config", "/apps", "/chose", "/cause"};
const QStringList pictures{"/banner_pic_en.png", "/promotion_pic_en.png", "/a.png", "/b.png"};
const QStringList cachedPictures{"a.png", "b.png", "banner_pic_en.png", "promotion_pic_en.png"};

// requests: L the four documents, C the configuration alone, R a report.
void row(const char *name,
         const QByteArray &setup,
         const QString &script,
         int result,
         const QString &requests)
{
    QTest::newRow(name) << setup << script << result << requests;
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
    void wholeRun_data();
    void wholeRun();
};

void TestWholeRun::wholeRun_data()
{
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("requests");
    const QString survey = QStringLiteral("page:1;click:btnContinue_1;");
    const QString upgrade = survey + "reason:2;click:btnContinue_2;";
    // A window manager's close during the removal changes nothing.
    row("typical", "bulk", confirm + "closewindow:progressBar;" + WholeRun::completing, 512, "LRR");
    row("cancel on the offer", "", "page:1;click:btnCancel_1", 0, "L");
    row("close on the offer", "", "page:1;click:btnClose", 0, "L");
    row("cancel on the survey", "", survey + "click:btnCancel_2", 0, "L");
    row("close on the survey", "", survey + "click:btnClose", 0, "L");
    row("cancel on the upgrade offer", "", upgrade + "click:btnCancel_3", 0, "L");
    row("close on the upgrade offer", "", upgrade + "click:btnClose", 0, "L");
    row("no switch", "no switch", all, 0, "");
    row("switch in upper case", "upper case", all, 0, "");
    row("product.ini missing", "no ini", all, 0, "");
    row("product.ini empty", "ini:", all, 0, "");
    row("product.ini garbage", QByteArray::fromHex("696e693a00ff5b5b3d0a3d3d5d1b"), all, 0, "");
    row("no product name", "ini:[Product]\nBrand=Example\n", all, 0, "");
    row("value of 1 MiB", "ini:[Product]\nName=Demo\nBrand=" + QByteArray(1 << 20, 'x'), all, 0, "");
    row("test mode", "test", confirm + "page:3;click:btnComplete;click:btnClose", 0, "LR");
    row("upgrade", "upgrade", upgrade + "click:btnUpdate", 0, "L");
    for (const char *failure : {"garbage", "trickling", "silent"})
        row(failure, failure, all, 512, "CRR");
    row("reports failing, then accepted", "reports fail", all, 512, "LRRRR");
    row("product closed from the dialog",
        "product",
        confirm + "wait:btnContinue;clicks:btnContinue;" + WholeRun::completing,
        512,
        "LRR");
    row("second wizard refused", "second", all, 512, "LRR");
    row("records name another folder", "elsewhere", confirm + "page:3;click:btnClose", 0, "LRR");
    row("removal interrupted, then resumed", "resume", all, 512, "LRLRR");
}

void TestWholeRun::wholeRun()
{
    QFETCH(QByteArray, setup);
    QFETCH(QString, script);
    QFETCH(int, result);
    QFETCH(QString, requests);
    ProductService service([&setup](bool, int attempt) {
        return HttpTestServer::answer(setup == "reports fail" && attempt == 1 ? 500 : 200, "ok");
    });
    const QMap<QByteArray, HttpTestServer::Response>
        hostile{{"garbage", HttpTestServer::answer(200, QByteArray("\x89PNG\r\n\x1a\n\0{", 10))},
                {"trickling", HttpTestServer::trickle(200)},
                {"silent", HttpTestServer::neverAnswer()}};
    if (hostile.contains(setup))
        service.setResponse("/config", hostile.value(setup));
    // Named after this test process, so that the close dialog ends no other run's product.
    const QString name = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    WholeRun run(name);
    QMap<QString, QString> extend = service.extend();
    const QString marker = run.dataDir() + "/updater-ran";
    const QByteArray updater = "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n";
    service.setResponse("/updater", HttpTestServer::answer(200, updater, "text/plain"));
    const QByteArray sum = QCryptographicHash::hash(updater, QCryptographicHash::Sha256).toHex();
    if (setup == "upgrade")
        extend.insert(
            {{"updateAppUrl", service.url("/updater").toString()}, {"updateAppSha256", sum}});
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
    QDir().mkpath(elsewhere);
    if (setup == "elsewhere")
        QSettings(run.settingsFile(), QSettings::IniFormat).setValue("Install/Path", elsewhere);
    QDir().mkpath(run.installDir() + "/data");
    for (int i = 0; (setup == "bulk" || setup == "resume") && i < 10000; ++i)
        QFile(run.installDir() + QStringLiteral("/data/%1").arg(i)).open(QIODevice::WriteOnly);
    QProcess product;
    product.setProcessEnvironment(run.environment());
    if (setup == "product" && QFile::copy(DEMO_PRODUCT, run.installDir() + '/' + name)) {
        product.start(run.installDir() + '/' + name, {name});
        QVERIFY(product.waitForReadyRead(30000));
    }
    const QStringList before = run.productFiles();
    QStringList arguments{setup == "upper case" ? "-START_UNINSTALL" : "-start_uninstall"};
    if (setup == "no switch" || setup == "test")
        arguments.clear();

    if (setup == "resume") {
        QCOMPARE(run.run(arguments, confirm + "halfway:progressBar"), -1);
        const int left = run.productFiles().size();
        QVERIFY2(left > kept.size() + 1 && left < before.size(), qPrintable(QString::number(left)));
    }
    if (setup == "second") {
        // The second host is refused while the first waits on its discount offer.
        const QString goOn = run.dataDir() + "/go-on";
        const auto first = run.start(arguments, "page:1;file:" + goOn + ';' + script);
        QTRY_VERIFY_WITH_TIMEOUT(run.autopilotLog().contains("done page:1"), 30000);
        QCOMPARE(run.run(arguments, QString(), 20000), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(run.productFiles(), before);
        QVERIFY(QFile(goOn).open(QIODevice::WriteOnly));
        QCOMPARE(run.finish(*first), result);
    } else {
        QCOMPARE(run.run(arguments, script), result);
    }

    const bool removed = result == 512;
    QCOMPARE(run.productFiles(), removed ? kept : before);
    QTRY_COMPARE(product.state(), QProcess::NotRunning);
    QCOMPARE(QFileInfo::exists(marker), setup == "upgrade");
    const QString recorded = setup == "elsewhere" ? elsewhere : run.installDir();
    QSettings records(run.settingsFile(), QSettings::IniFormat);
    QCOMPARE(records.value("Install/Path").toString(), removed ? QString() : recorded);
    const QStringList goodbye{"url https://www.example.com/goodbye?id=1001"};
    QCOMPARE(run.autopilotLog().filter("url "), removed ? goodbye : QStringList());
    // Refused product.ini files are named on standard error, and nothing else ever is.
    QCOMPARE(run.hostStandardError().isEmpty(), !setup.contains("ini"));

    // The documents and reports in order; the pictures one at a time, the updater beside them.
    QStringList expected;
    for (const QChar code : requests)
        expected << (code == 'L' ? loaded : QStringList{code == 'C' ? "/config" : "/report"});
    QStringList documents;
    QStringList downloads;
    for (const QString &path : service.requestedPaths())
        (path.endsWith(".png") ? downloads : documents) << path;
    documents.removeAll("/updater");
    QCOMPARE(documents, expected);
    QCOMPARE(downloads, requests.contains('L') ? pictures : QStringList());
    const QString cache = run.dataDir() + "/uninstallRes/";
    const QStringList cached = QDir(cache).entryList(QDir::Files);
    QCOMPARE(cached, requests.contains('L') ? cachedPictures : QStringList());
    for (const QString &picture : cached) {
        QFile file(cache + picture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), service.pictures.value('/' + picture));
    }

    // Each report posted again unchanged; the second names the first's transaction and user.
    const QList<QByteArray> first = service.reports(false);
    const QList<QByteArray> second = service.reports(true);
    const QStringList firstKeys{"brand",
                                "language",
                                "productId",
                                "productName",
                                "productVersion",
                                "tid",
                                "time",
                                "uninstallCause",
                                "userId"};
    for (const QByteArray &body : first) {
        QCOMPARE(body, first.first());
        QCOMPARE(jsonOf(body).keys(), firstKeys);
    }
    for (const QByteArray &body : second) {
        QCOMPARE(body, second.first());
        QCOMPARE(jsonOf(body).keys(), (QStringList{"tid", "userEmail", "userId"}));
        QCOMPARE(jsonOf(body).value("tid"), jsonOf(first.last()).value("tid"));
        QCOMPARE(jsonOf(body).value("userId"), jsonOf(first.last()).value("userId"));
    }
    // The second reason ticked, of the served survey or else of the installed one.
    const QJsonObject reason = jsonOf(first.value(0)).value("uninstallCause")[1].toObject();
    const QJsonObject ticked{{requests.contains('L') ? "price" : "q2", true}};
    QCOMPARE(reason, first.isEmpty() ? QJsonObject() : ticked);
}

QTEST_GUILESS_MAIN(TestWholeRun)
#include "tst_wholerun.moc"

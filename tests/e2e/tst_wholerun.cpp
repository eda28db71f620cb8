// Whole runs of the host stand-in and the library on throw-away installations, along the paths a
// user takes and under the conditions around them, asserting what each run leaves behind.
#include "WholeRun.h"

#include "platform/ProcessEnvironment.h"

#include <QtTest>

#ifdef Q_OS_WIN
#include "SelfSignedCertificate.h"

#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// From the discount offer over a reason to "Continue" on the survey, the confirmation when no
// updater was proven (with one, setup "upgrade…", the upgrade offer comes first); and from the
// progress page to "Complete" with an e-mail address.
const QString survey = "page:1;click:btnContinue_1;";
const QString confirm = survey + "reason:2;click:btnContinue_2;";
const QString upgrade = confirm + "wait:btnUpdate;";
const QString complete = "page:3;wait:btnComplete;type:emailEdit=a@example.com;click:btnComplete";
const QString all = confirm + complete;

// requests: L the four documents, C the configuration alone, R a report.
void row(const char *name,
         const QByteArray &setup,
         const QString &script,
         int result,
         const QString &requests)
{
#ifdef Q_OS_WIN
    // Each run under Wine takes seconds: the rows whose paths differ on Windows.
    const QByteArrayList rows{"typical",
                              "cancel on the offer",
                              "product closed from the dialog",
                              "second wizard refused",
                              "no switch",
                              "links to outside",
                              "https, trusted",
                              "non-ASCII path"};
    if (!rows.contains(name))
        return;
#endif
    QTest::newRow(name) << setup << script << result << requests;
}

#ifdef Q_OS_WIN
const int bulkFiles = 1000;

// The run trusts the test's certificate as Windows does: in the user's root store.
bool trust(const QSslCertificate &certificate)
{
    const QByteArray der = certificate.toDer();
    return CertAddEncodedCertificateToSystemStoreW(L"Root",
                                                   reinterpret_cast<const BYTE *>(der.constData()),
                                                   DWORD(der.size()));
}

QString registryIdentifier()
{
    QProcess reg;
    reg.start("reg",
              {"query",
               "HKCU\\Software\\Classes\\CLSID\\{6F1B2C3D-0000-4000-8000-00000000DE30}",
               "/v",
               "CEIPIdentifier"});
    reg.waitForFinished(30000);
    return QString::fromLocal8Bit(reg.readAllStandardOutput()).section("REG_SZ", 1).trimmed();
}

const wchar_t *wide(const QString &nativePath)
{
    return reinterpret_cast<const wchar_t *>(nativePath.utf16());
}

bool symbolicLink(const QString &at, const QString &target)
{
    const DWORD folder = QFileInfo(target).isDir() ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0;
    return CreateSymbolicLinkW(wide(QDir::toNativeSeparators(at)),
                               wide(QDir::toNativeSeparators(target)),
                               folder | 0x2 /* without elevation */);
}

#else
// Enough that the removal still runs when the host is killed halfway through it.
const int bulkFiles = 50000;
#endif

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
    // A window manager's close during the removal changes nothing; one on a page cancels.
    row("typical", "bulk", confirm + "closewindow:progressBar;" + complete, 512, "LRR");
    row("cancel on the offer", "", "page:1;click:btnCancel_1", 0, "L");
    row("close on the survey", "", survey + "click:btnClose", 0, "L");
    row("cancel on the upgrade offer", "upgrade, cancelled", upgrade + "click:btnCancel_3", 0, "L");
    row("no switch", "no switch", all, 0, "");
    row("switch in upper case", "upper case", all, 0, "");
    row("product.ini missing", "ini:", all, 0, "");
    row("product.ini garbage", QByteArray::fromHex("696e693a00ff5b5b3d0a3d3d5d1b"), all, 0, "");
    row("no product name", "ini:[Product]\nBrand=Example\n", all, 0, "");
    const QByteArray demo = "ini:[Product]\nName=Demo\n";
    row("ID of 2,000 characters", demo + "ID=" + QByteArray(2000, '1'), all, 0, "");
    row("product.ini over 64 KiB", demo + QByteArray(64 << 10, '\n'), all, 0, "");
    row("product.ini a FIFO", "ini fifo", all, 0, "");
    row("product name a path", "ini:[Product]\nName=../../Demo\nBrand=Example\n", all, 0, "");
    row("test mode", "test", confirm + "page:3;click:btnComplete;click:btnClose", 0, "LR");
    row("upgrade", "upgrade", upgrade + "click:btnUpdate", 0, "L");
    for (const char *failure : {"garbage", "trickling", "silent"})
        row(failure, failure, all, 512, "CRR");
    row("reports failing, then accepted", "reports fail", all, 512, "LRRRRR");
    row("product closed from the dialog",
        "product",
        confirm + "wait:btnContinue;click:btnContinue;" + complete,
        512,
        "LRR");
    row("second wizard refused", "second", all, 512, "LRR");
    const QString refusedRoot = confirm + "page:3;click:btnClose";
    row("records name another folder", "elsewhere", refusedRoot, 0, "LRR");
    row("the same without a report address", "elsewhere, no address", refusedRoot, 0, "L");
    row("removal interrupted, then resumed", "resume", all, 512, "LRLRR");
    // Unattended runs, on a platform that cannot show a window here: no questions, no reports.
    row("unattended", "unattended", "", 512, "");
    row("unattended, the product running", "unattended product", "", 512, "");
    row("unattended, records name another folder", "unattended elsewhere", "", 0, "");
    row("unattended, switch in upper case", "unattended upper case", "", 0, "");
    row("unattended in test mode", "unattended test", "", 0, "");
    row("unattended while a wizard runs", "unattended second", all, 512, "LRR");
#ifdef Q_OS_WIN
    row("links to outside", "links", all, 512, "LRR");
    row("https, trusted", "https", all, 512, "LRR");
    row("non-ASCII path", "non-ascii", all, 512, "LRR");
#endif
}

void TestWholeRun::wholeRun()
{
    QFETCH(QByteArray, setup);
    QFETCH(QString, script);
    QFETCH(int, result);
    QFETCH(QString, requests);
#ifdef Q_OS_WIN
    const SelfSignedCertificate identity = setup == "https" ? SelfSignedCertificate::generate()
                                                            : SelfSignedCertificate();
    QVERIFY(setup != "https" || trust(identity.certificate));
    ProductService service(identity.certificate, identity.key);
#else
    ProductService service;
#endif
    // The first report is refused once, the second twice: the wizard stays until both arrive.
    int refusals[2] = {1, 2};
    if (setup == "reports fail")
        service.setHandler("/report", [&refusals](const HttpTestServer::Request &request) {
            const bool refused = refusals[request.body.contains("userEmail")]-- > 0;
            return HttpTestServer::answer(refused ? 500 : 200, "");
        });
    const HttpTestServer::Response hostile[]
        = {HttpTestServer::answer(200, QByteArray("\x89PNG\r\n\x1a\n\0{", 10)),
           HttpTestServer::trickle(200),
           HttpTestServer::neverAnswer()};
    if (const int at = QByteArrayList{"garbage", "trickling", "silent"}.indexOf(setup); at >= 0)
        service.setResponse("/config", hostile[at]);
    // Named after this test process and row, so that the close dialog ends no other run's
    // product and no run finds another's settings or cache.
    static int rowNumber = 0;
    const QString name = QStringLiteral("Demo Suite %1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(++rowNumber);
    WholeRun run(name, setup == "non-ascii" ? QString("C:/Program Files/Démo Suite ™") : QString());
    // Unattended hosts run without a display, where a window would end the host at once.
    const bool silent = setup.startsWith("unattended") && setup != "unattended second";
    if (silent)
        run.platform = "xcb";
    QMap<QString, QString> extend = service.extend();
    if (setup == "https")
        extend.insert("uninstallStrictTls", "1");
    const QString marker = run.dataDir() + "/updater-ran";
    const QByteArray updater = "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n";
    service.setResponse("/updater", HttpTestServer::answer(200, updater, "text/plain"));
    const QByteArray sum = QCryptographicHash::hash(updater, QCryptographicHash::Sha256).toHex();
    if (setup.startsWith("upgrade"))
        extend.insert(
            {{"updateAppUrl", service.url("/updater").toString()}, {"updateAppSha256", sum}});
    if (setup.endsWith("test"))
        extend.insert("uninstallTest", "1");
    if (setup.endsWith("no address"))
        extend.remove("uninstallReportUrl");
    run.layOut(extend);
    if (QFile ini(run.installDir() + "/product.ini"); setup.startsWith("ini:")) // none if empty
        QVERIFY(setup == "ini:" ? ini.remove()
                                : ini.open(QIODevice::WriteOnly) && ini.write(setup.mid(4)) > 0);
    const QByteArray iniPath = QFile::encodeName(run.installDir() + "/product.ini");
#ifndef Q_OS_WIN
    if (setup == "ini fifo") // opening it to read would wait for a writer
        QVERIFY(unlink(iniPath.data()) == 0 && mkfifo(iniPath.data(), 0600) == 0);
#endif
    const QString elsewhere = QFileInfo(run.installDir()).path() + "/elsewhere";
    if (setup.contains("elsewhere") && QDir().mkpath(elsewhere))
        QSettings(run.settingsFile(), QSettings::IniFormat).setValue("Install/Path", elsewhere);
    const QString recorded
        = QSettings(run.settingsFile(), QSettings::IniFormat).value("Install/Path").toString();
    QDir().mkpath(run.installDir() + "/data");
    for (int i = 0; (setup == "bulk" || setup == "resume") && i < bulkFiles; ++i)
        QFile(run.installDir() + QStringLiteral("/data/%1").arg(i)).open(QIODevice::WriteOnly);
    // Links inside the installation to a folder and a file outside it. (Wine 8 makes no
    // junctions: FSCTL_SET_REPARSE_POINT is not supported there.)
    const QString outside = QFileInfo(run.installDir()).path() + "/outside-" + name;
#ifdef Q_OS_WIN
    if (setup == "links") {
        QVERIFY(QDir().mkpath(outside));
        QVERIFY(QFile(outside + "/precious.txt").open(QIODevice::WriteOnly));
        QVERIFY(symbolicLink(run.installDir() + "/folder link", outside));
        QVERIFY(symbolicLink(run.installDir() + "/file link", outside + "/precious.txt"));
    }
#endif
    QProcess product;
    product.setProcessEnvironment(run.environment());
    const QString program = run.installDir() + '/' + name
                            + QString::fromStdString(platform::executableSuffix());
    if (setup.endsWith("product") && QFile::copy(DEMO_PRODUCT, program)) {
        product.start(program, {name, "64"}); // its end takes a while
        QVERIFY(product.waitForReadyRead(30000));
    }
    const QStringList before = run.productFiles();
    QStringList arguments{setup.endsWith("upper case") ? "-START_UNINSTALL" : "-start_uninstall"};
    if (setup == "no switch" || setup == "test")
        arguments.clear();
    const QStringList unattended = arguments + QStringList{"-silent"};

    if (setup == "resume") {
        QCOMPARE(run.run(arguments, confirm + "halfway:progressBar"), -1);
        QVERIFY(run.productFiles().size() > 4 && run.productFiles().size() < before.size());
        QTest::qWait(1100); // so that the resumed run's first report is another one
    }
    // A second host is refused while the first waits on its discount offer.
    const QString goOn = run.dataDir() + "/go-on";
#ifdef Q_OS_WIN
    // The refused wizard brings the first one back from the task bar.
    const QString waiting = "minimize:processPage";
    const QString secondGate = "page:1;" + waiting + ";file:" + goOn + ";restored:processPage;";
#else
    const QString waiting = "page:1";
    const QString secondGate = waiting + ";file:" + goOn + ';';
#endif
    const bool secondHost = setup.endsWith("second");
    QString gate = secondHost ? secondGate : QString();
    if (setup.startsWith("upgrade")) // the offer is made once the updater is proven
        gate = "file:" + run.dataDir() + "/updater/" + name + ';';
    const auto host = run.start(silent ? unattended : arguments, gate + script);
    if (secondHost) {
        QTRY_VERIFY_WITH_TIMEOUT(run.autopilotLog().contains("done " + waiting), 30000);
        const bool silentSecond = setup.startsWith("unattended");
        if (silentSecond)
            run.platform = "xcb";
        QCOMPARE(run.run(silentSecond ? unattended : arguments, QString(), 20000), 0);
        QVERIFY(QFile(goOn).open(QIODevice::WriteOnly));
    }
    // With nothing to deliver the run ends right after the close, not 30 s later.
    QCOMPARE(run.finish(*host, requests.contains('R') ? 60000 : 20000), result);

    const bool removed = result == 512;
#ifdef Q_OS_WIN
    const QStringList kept{".settings", "Demo.dll", "unins000.exe", "uninstall.dll"};
#else
    const QStringList kept{".settings", "Demo.dll", "unins000"};
#endif
    QCOMPARE(run.productFiles(), removed ? kept : before);
    QCOMPARE(QFileInfo::exists(outside + "/precious.txt"), setup == "links");
    QTRY_COMPARE(product.state(), QProcess::NotRunning);
    QCOMPARE(QFileInfo::exists(marker), setup == "upgrade");
    QCOMPARE(QSettings(run.settingsFile(), QSettings::IniFormat).value("Install/Path").toString(),
             removed ? QString() : recorded);
    const QStringList goodbye{"url https://www.example.com/goodbye?id=1001"};
    QCOMPARE(run.autopilotLog().filter("url "), removed && !silent ? goodbye : QStringList());
    // Refused product.ini files and refused unattended runs are named on standard error, and
    // nothing else ever is.
    const bool named = setup.contains("ini") || setup == "unattended elsewhere"
                       || setup == "unattended test";
    QCOMPARE(run.standardError.isEmpty(), !named);

    // The documents and reports in order; the pictures one at a time and as served in the cache.
    QStringList expected, documents, downloads;
    for (const QChar code : requests)
        expected << (code == 'L' ? QStringList{"/config", "/apps", "/chose", "/cause"}
                                 : QStringList{code == 'C' ? "/config" : "/report"});
    QList<QByteArray> first, second;
    for (const HttpTestServer::Request &request : service.requests()) {
        if (request.path == "/report")
            (request.body.contains("userEmail") ? second : first) << request.body;
        if (request.path != "/updater")
            (request.path.endsWith(".png") ? downloads : documents) << request.path;
    }
    QCOMPARE(documents, expected);
    const bool loaded = requests.contains('L');
    const QStringList pictures{"/banner_pic_en.png", "/promotion_pic_en.png", "/a.png", "/b.png"};
    QCOMPARE(downloads, loaded ? pictures : QStringList());
    QMap<QString, QByteArray> cached;
    const QString cache = run.dataDir() + "/uninstallRes/";
    for (const QString &picture : QDir(cache).entryList(QDir::Files))
        cached.insert('/' + picture, WholeRun::contentOf(cache + picture));
    QVERIFY(cached == (loaded ? service.pictures : decltype(cached)()));

    // Each report posted again unchanged; the second names the first's transaction and user.
    QCOMPARE(first.count(first.value(first.size() - 1)) + second.count(second.value(0)),
             requests.count('R') - (setup == "resume"));
    const QJsonObject one = QJsonDocument::fromJson(first.value(first.size() - 1)).object();
    const QJsonObject two = QJsonDocument::fromJson(second.value(0)).object();
    const QString keys = "brand language productId productName productVersion tid time "
                         "uninstallCause userId";
    QCOMPARE(one.keys().join(' '), first.isEmpty() ? QString() : keys);
    const QJsonObject link{{"tid", one["tid"]},
                           {"userId", one["userId"]},
                           {"userEmail", two["userEmail"]}};
    QCOMPARE(two, second.isEmpty() ? QJsonObject() : link);
    // The second reason ticked, of the served survey or else of the installed one.
    const QJsonObject ticked{{loaded ? "price" : "q2", true}};
    QCOMPARE(one["uninstallCause"][1].toObject(), first.isEmpty() ? QJsonObject() : ticked);
#ifdef Q_OS_WIN
    if (!first.isEmpty())
        QCOMPARE(registryIdentifier(), one["userId"].toString());
#endif
}

QTEST_GUILESS_MAIN(TestWholeRun)
#include "tst_wholerun.moc"

// Whole runs of the host stand-in and the library on throw-away installations, along the paths a
// user takes and under the conditions around them, asserting what each run leaves behind.
#include "WholeRun.h"

#include "platform/ProcessEnvironment.h"

#include <QtTest>

#include <functional>

#ifdef Q_OS_WIN
#include "SelfSignedCertificate.h"

#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

// Changes the laid-out installation before the run; false when it could not.
using Preparation = std::function<bool(WholeRun &)>;
Q_DECLARE_METATYPE(Preparation)

namespace {

const QString typedCause = QStringLiteral("Too slow on my old laptop");
const QString typedEmail = QStringLiteral("a@example.com");
const QStringList switched{"-start_uninstall"};
const QStringList unattended{"-start_uninstall", "-silent"};

// From the discount offer over reasons 1 and 2 and a typed cause to "Continue" on the survey, the
// confirmation when no updater was proven; and from the progress page, its last value noted, to
// "Complete" with an e-mail address.
QString answering(const QString &cause)
{
    return "page:1;click:btnContinue_1;reason:1;reason:2;type:causeEdit=" + cause
           + ";click:btnContinue_2;";
}
const QString confirm = answering(typedCause);
const QString complete = "page:3;wait:btnComplete;value:progressBar;type:emailEdit=" + typedEmail
                         + ";click:btnComplete";
const QString all = confirm + complete;

const QStringList documents{"/config", "/apps", "/chose", "/cause"};
#ifdef Q_OS_WIN
const QStringList keptFiles{".settings", "Demo.dll", "unins000.exe", "uninstall.dll"};
const int bulkFiles = 1000;
#else
const QStringList keptFiles{".settings", "Demo.dll", "unins000"};
// Enough that the removal still runs when the host is killed halfway through it.
const int bulkFiles = 50000;
#endif

// Named after this test process and a counter, so that the close dialog ends no other run's
// product and no run finds another's settings or cache.
QString uniqueProduct()
{
    static int count = 0;
    return QStringLiteral("Demo Suite %1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
}

QString recordedPath(const WholeRun &run)
{
    return QSettings(run.settingsFile(), QSettings::IniFormat).value("Install/Path").toString();
}

// Besides the path the layout records, the installer records the registration and the version.
void recordRegistration(const WholeRun &run)
{
    QSettings records(run.settingsFile(), QSettings::IniFormat);
    records.setValue("Install/Registered", 1);
    records.setValue("Install/Version", "3.2.1");
}

Preparation writingIni(const QByteArray &content, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    return [content, mode](WholeRun &run) {
        QFile ini(run.installDir() + "/product.ini");
        return ini.open(mode) && ini.write(content) == content.size();
    };
}

// The running product, which the run has to end: a copy of the sample product in the installation.
void startProduct(QProcess &product, const WholeRun &run, const QString &name)
{
    const QString program = run.installDir() + '/' + name
                            + QString::fromStdString(platform::executableSuffix());
    product.setProcessEnvironment(run.environment());
    QVERIFY(QFile::copy(DEMO_PRODUCT, program));
    product.start(program, {name, "64"}); // its end takes a while
    QVERIFY2(product.waitForReadyRead(30000), qPrintable(product.errorString()));
}

// Many files in a folder of the installation, for a removal that takes a while.
void addFiles(const WholeRun &run, int count)
{
    QDir().mkpath(run.installDir() + "/data");
    for (int i = 0; i < count; ++i)
        QFile(run.installDir() + QStringLiteral("/data/%1").arg(i)).open(QIODevice::WriteOnly);
}

QStringList documentsRequested(const ProductService &service)
{
    return service.requestedPaths().filter(QRegularExpression("^/(config|apps|chose|cause)$"));
}

// The bodies posted as the first report (with the survey's answers) or as the second, in order.
QList<QJsonObject> reports(const ProductService &service, bool first)
{
    QList<QJsonObject> bodies;
    for (const HttpTestServer::Request &request : service.requests()) {
        if (request.path == "/report" && request.body.contains("uninstallCause") == first)
            bodies << QJsonDocument::fromJson(request.body).object();
    }
    return bodies;
}

QStringList tickedReasons(const QJsonObject &firstReport)
{
    QStringList ticked;
    for (const QJsonValue &reason : firstReport["uninstallCause"].toArray()) {
        const QJsonObject object = reason.toObject();
        if (!object.isEmpty() && object.begin().value().toBool())
            ticked << object.begin().key();
    }
    return ticked;
}

#ifdef Q_OS_WIN
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

// A link to a folder and one to a file outside the installation. (Wine 8 makes no junctions:
// FSCTL_SET_REPARSE_POINT is not supported there.)
bool linkOutside(const WholeRun &run, const QString &outside)
{
    const DWORD withoutElevation = 0x2;
    const QString folderLink = QDir::toNativeSeparators(run.installDir() + "/folder link");
    const QString fileLink = QDir::toNativeSeparators(run.installDir() + "/file link");
    const QString folder = QDir::toNativeSeparators(outside);
    const QString file = QDir::toNativeSeparators(outside + "/precious.txt");
    return QDir().mkpath(outside) && QFile(file).open(QIODevice::WriteOnly)
           && CreateSymbolicLinkW(wide(folderLink),
                                  wide(folder),
                                  SYMBOLIC_LINK_FLAG_DIRECTORY | withoutElevation)
           && CreateSymbolicLinkW(wide(fileLink), wide(file), withoutElevation);
}
#endif

// What a completed removal leaves: the host, its library and what the product keeps.
void verifyCompleted(const WholeRun &run, int result)
{
    QCOMPARE(result, 512);
    QCOMPARE(run.productFiles(), keptFiles);
    const QStringList records = QSettings(run.settingsFile(), QSettings::IniFormat).allKeys();
    QCOMPARE(records.filter("Install/"), QStringList());
    QCOMPARE(run.standardError, QByteArray());
}

void verifyReports(const ProductService &service)
{
    const QList<QJsonObject> first = reports(service, true);
    const QList<QJsonObject> second = reports(service, false);
    QCOMPARE(first.size(), 1);
    QCOMPARE(second.size(), 1);
    const QJsonObject one = first.value(0);
    QCOMPARE(one.keys().join(' '),
             "brand language productId productName productVersion tid time uninstallCause userId");
    QCOMPARE(tickedReasons(one), (QStringList{"slow", "price"})); // the service's first two
    QCOMPARE(one["uninstallCause"].toArray().last().toString(), typedCause);
    // The second names the first's transaction and user, and the address typed.
    const QJsonObject two = second.value(0);
    QCOMPARE(two.keys().join(' '), "tid userEmail userId");
    QCOMPARE(two["tid"].toString(), one["tid"].toString());
    QCOMPARE(two["userId"].toString(), one["userId"].toString());
    QCOMPARE(two["userEmail"].toString(), typedEmail);
#ifdef Q_OS_WIN
    QCOMPARE(registryIdentifier(), one["userId"].toString());
#endif
}

} // namespace

class TestWholeRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void completedRun_data();
    void completedRun();
    void secondWizardRefused_data();
    void secondWizardRefused();
    void removalResumedAfterKill();
    void unattendedWithTheProductRunning();
    void refusedStart_data();
    void refusedStart();
#ifdef Q_OS_WIN
    void windowsPaths();
#endif
};

// Each run under Wine takes seconds: there, only the runs whose paths differ on Windows.
void TestWholeRun::init()
{
#ifdef Q_OS_WIN
    const QByteArrayList rows{"typical, closed by the window manager during the removal",
                              "the product closed from the close dialog",
                              "a second wizard refused",
                              "without the start switch"};
    const bool windowsOnly = QByteArray(QTest::currentTestFunction()) == "windowsPaths";
    if (!windowsOnly && !rows.contains(QTest::currentDataTag()))
        QSKIP("its path is the same on Windows");
#endif
}

void TestWholeRun::completedRun_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("productRunning");
    // A window manager's close while files are removed changes nothing.
    QTest::newRow("typical, closed by the window manager during the removal")
        << confirm + "closewindow:progressBar;" + complete << false;
    QTest::newRow("the product closed from the close dialog")
        << confirm + "wait:btnContinue;click:btnContinue;" + complete << true;
}

void TestWholeRun::completedRun()
{
    QFETCH(QString, script);
    QFETCH(bool, productRunning);
    ProductService service;
    const QString name = uniqueProduct();
    WholeRun run(name);
    run.layOut(service.extend());
    recordRegistration(run);
    addFiles(run, bulkFiles);
    QProcess product;
    if (productRunning)
        startProduct(product, run, name);
    if (QTest::currentTestFailed())
        return;
    verifyCompleted(run, run.run(switched, script));
    QTRY_COMPARE(product.state(), QProcess::NotRunning);
    QCOMPARE(run.autopilotLog().filter("value "), QStringList{"value progressBar 100"});
    const QStringList goodbye{"url https://www.example.com/goodbye?id=1001"};
    QCOMPARE(run.autopilotLog().filter("url "), goodbye);
    QCOMPARE(documentsRequested(service), documents);
    verifyReports(service);
}

void TestWholeRun::secondWizardRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("a second wizard refused") << switched;
    QTest::newRow("an unattended run refused while a wizard runs") << unattended;
}

// A second host is refused while the first waits on its discount offer.
void TestWholeRun::secondWizardRefused()
{
    QFETCH(QStringList, arguments);
    ProductService service;
    WholeRun run(uniqueProduct());
    run.layOut(service.extend());
    const QString goOn = run.dataDir() + "/go-on";
#ifdef Q_OS_WIN
    // The refused wizard brings the first one back from the task bar.
    const QString waiting = "minimize:processPage";
    const QString gate = "page:1;" + waiting + ";file:" + goOn + ";restored:processPage;";
#else
    const QString waiting = "page:1";
    const QString gate = waiting + ";file:" + goOn + ';';
#endif
    const auto first = run.start(switched, gate + all);
    QTRY_VERIFY_WITH_TIMEOUT(run.autopilotLog().contains("done " + waiting), 30000);
    // Unattended hosts run without a display, where a window would end the host at once.
    run.platform = arguments.contains("-silent") ? "xcb" : "offscreen";
    QCOMPARE(run.run(arguments, QString(), 20000), 0);
    QVERIFY(QFile(goOn).open(QIODevice::WriteOnly));
    verifyCompleted(run, run.finish(*first));
    verifyReports(service);
}

// The resumed run asks again, reports its own answers and removes the rest.
void TestWholeRun::removalResumedAfterKill()
{
    ProductService service;
    WholeRun run(uniqueProduct());
    run.layOut(service.extend());
    addFiles(run, bulkFiles);
    const int before = run.productFiles().size();
    const QString killedCause = "Asked before the kill";
    QCOMPARE(run.run(switched, answering(killedCause) + "halfway:progressBar"), -1);
    const int left = run.productFiles().size();
    QVERIFY(left < before);
    QVERIFY(left > keptFiles.size());
    verifyCompleted(run, run.run(switched, all));
    QCOMPARE(documentsRequested(service), documents + documents);
    QStringList causes;
    for (const QJsonObject &report : reports(service, true))
        causes << report["uninstallCause"].toArray().last().toString();
    QCOMPARE(causes, (QStringList{killedCause, typedCause}));
}

// Without a display, where a window would end the host at once: no questions, no reports.
void TestWholeRun::unattendedWithTheProductRunning()
{
    ProductService service;
    const QString name = uniqueProduct();
    WholeRun run(name);
    run.layOut(service.extend());
    recordRegistration(run);
    QProcess product;
    startProduct(product, run, name);
    if (QTest::currentTestFailed())
        return;
    run.platform = "xcb";
    verifyCompleted(run, run.run(unattended, QString()));
    QTRY_COMPARE(product.state(), QProcess::NotRunning);
    QCOMPARE(service.requestedPaths(), QStringList());
}

void TestWholeRun::refusedStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Preparation>("preparation");
    QTest::addColumn<bool>("namedOnStandardError");
    const Preparation asLaidOut = [](WholeRun &) { return true; };
    QTest::newRow("without the start switch") << QStringList() << asLaidOut << false;
    QTest::newRow("start switch in upper case")
        << QStringList{"-START_UNINSTALL"} << asLaidOut << false;
    QTest::newRow("product.ini missing") << switched << Preparation([](WholeRun &run) {
        return QFile::remove(run.installDir() + "/product.ini");
    }) << true;
    QTest::newRow("product.ini garbage")
        << switched << writingIni(QByteArray("\0\xff[[=\n==]\x1b", 10)) << true;
#ifndef Q_OS_WIN
    // Opening it to read would wait for a writer.
    QTest::newRow("product.ini a FIFO") << switched << Preparation([](WholeRun &run) {
        const QByteArray ini = QFile::encodeName(run.installDir() + "/product.ini");
        return unlink(ini.data()) == 0 && mkfifo(ini.data(), 0600) == 0;
    }) << true;
#endif
    // Refused unattended runs name why on standard error, but for a wrong switch.
    QTest::newRow("unattended, switch in upper case")
        << QStringList{"-START_UNINSTALL", "-silent"} << asLaidOut << false;
    QTest::newRow("unattended in test mode")
        << unattended << writingIni("uninstallTest=1\n", QIODevice::Append) << true;
    QTest::newRow("unattended, records name another folder")
        << unattended << Preparation([](WholeRun &run) {
               const QString elsewhere = QFileInfo(run.installDir()).path() + "/elsewhere";
               QSettings(run.settingsFile(), QSettings::IniFormat)
                   .setValue("Install/Path", elsewhere);
               return QDir().mkpath(elsewhere);
           })
        << true;
}

void TestWholeRun::refusedStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(Preparation, preparation);
    QFETCH(bool, namedOnStandardError);
    ProductService service;
    WholeRun run(uniqueProduct());
    run.layOut(service.extend());
    QVERIFY(preparation(run));
    const QStringList before = run.productFiles();
    const QString recorded = recordedPath(run);
    // Unattended hosts run without a display, where a window would end the host at once.
    if (arguments.contains("-silent"))
        run.platform = "xcb";
    QCOMPARE(run.run(arguments, all, 20000), 0);
    QCOMPARE(run.productFiles(), before);
    QCOMPARE(recordedPath(run), recorded);
    QCOMPARE(service.requestedPaths(), QStringList());
    QCOMPARE(!run.standardError.isEmpty(), namedOnStandardError);
}

#ifdef Q_OS_WIN
// Links to outside the installation, whose targets stay; services over https, trusted as the
// system trusts; an installation folder with a name beyond ASCII.
void TestWholeRun::windowsPaths()
{
    const SelfSignedCertificate identity = SelfSignedCertificate::generate();
    QVERIFY(trust(identity.certificate));
    ProductService service(identity.certificate, identity.key);
    WholeRun run(uniqueProduct(), "C:/Program Files/Démo Suite ™");
    QMap<QString, QString> extend = service.extend();
    extend.insert("uninstallStrictTls", "1");
    run.layOut(extend);
    const QString outside = run.dataDir() + "/outside";
    QVERIFY(linkOutside(run, outside));
    verifyCompleted(run, run.run(switched, all));
    QVERIFY(QFileInfo::exists(outside + "/precious.txt"));
    QCOMPARE(documentsRequested(service), documents);
    verifyReports(service);
}
#endif

QTEST_GUILESS_MAIN(TestWholeRun)
#include "tst_wholerun.moc"

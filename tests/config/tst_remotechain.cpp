// The remote documents and images fetched on the handler's thread, relayed to the GUI thread.
#include "LoaderTranscript.h"
#include "RemoteService.h"

#include "Framework.h"
#include "LmSettings.h"
#include "config/UrlHandler.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

QString storedVersion()
{
    return LmSettings::instance()->applicationParam("uninstall_version", QVariant()).toString();
}

QByteArray cached(const QString &name)
{
    QFile file(UrlHandler::cacheDirectory() + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList cachedNames()
{
    return QDir(UrlHandler::cacheDirectory()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class RemoteChainTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fetchesDocumentsThenImages();
    void versionRules_data();
    void versionRules();
    void stalledDocumentEndsAfterTenSeconds();

private:
    TestEnvironment m_env;
};

void RemoteChainTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    RemoteService::writeDefaultDocuments(m_env);
}

void RemoteChainTest::init()
{
    m_env.clearLogAndUsage();
    QDir(UrlHandler::cacheDirectory()).removeRecursively();
    LmSettings::instance()->setApplicationParam("uninstall_version", QVariant());
}

void RemoteChainTest::fetchesDocumentsThenImages()
{
    RemoteService service;
    // The banner waits until the document chain is through, so the relayed order is fixed.
    service.setResponse("/img/banner_en.png",
                        HttpTestServer::held(200,
                                             RemoteService::image("/img/banner_en.png"),
                                             "image/png"));
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});

    UninstallProfile loader;
    LoaderTranscript transcript(&loader);
    QList<bool> emittedInGuiThread;
    const auto recordThread = [&emittedInGuiThread] {
        emittedInGuiThread << (QThread::currentThread() == qApp->thread());
    };
    connect(&loader, &UninstallProfile::recAppEmit, this, recordThread, Qt::DirectConnection);
    connect(&loader, &UninstallProfile::uninstallCauseEmit, this, recordThread, Qt::DirectConnection);
    connect(&loader, &UninstallProfile::downLoadResEmit, this, recordThread, Qt::DirectConnection);

    QTRY_COMPARE(transcript.lines,
                 (QStringList{RemoteService::remoteApps, RemoteService::remoteReasons}));
    // Stored only once every download of the version is stored.
    QCOMPARE(storedVersion(), QString());
    QCOMPARE(cachedNames(), QStringList());

    service.releaseHeld();
    QTRY_COMPARE(transcript.lines,
                 (QStringList{RemoteService::remoteApps,
                              RemoteService::remoteReasons,
                              "downLoadResEmit"}));
    QCOMPARE(emittedInGuiThread, (QList<bool>{true, true, true}));

    const QStringList paths = service.requestedPaths();
    QCOMPARE(paths.mid(0, 2), (QStringList{"/config", "/apps"}));
    QCOMPARE(RemoteService::picked(paths, {"/apps", "/chose", "/cause"}),
             (QStringList{"/apps", "/chose", "/cause"}));
    QCOMPARE(RemoteService::picked(paths, RemoteService::imagePaths()), RemoteService::imagePaths());
    QCOMPARE(paths.size(), 8);

    QCOMPARE(cachedNames(), RemoteService::cachedNames());
    QCOMPARE(storedVersion(), QStringLiteral("v1"));
    QCOMPARE(cached("banner_pic_en.png"), RemoteService::image("/img/banner_en.png"));
    QCOMPARE(cached("promotion_pic_en.png"), RemoteService::image("/img/promotion_en.png"));
    QCOMPARE(cached("a.png"), RemoteService::image("/icons/a"));
    QCOMPARE(cached("b.png"), RemoteService::image("/icons/b"));
    QCOMPARE(m_env.logLines("error"), QStringList());
}

void RemoteChainTest::versionRules_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("downloads");

    QTest::newRow("first run") << QString() << "v1" << true;
    QTest::newRow("same version") << "v1"
                                  << "v1" << false;
    QTest::newRow("changed version") << "v1"
                                     << "v2" << true;
    QTest::newRow("version differs in case") << "v1"
                                             << "V1" << true;
    // An empty stored value never matches, so an empty version fetches on every run.
    QTest::newRow("empty version") << ""
                                   << "" << true;
}

void RemoteChainTest::versionRules()
{
    QFETCH(QString, stored);
    QFETCH(QString, version);
    QFETCH(bool, downloads);
    LmSettings::instance()->setApplicationParam("uninstall_version", stored);
    QDir().mkpath(UrlHandler::cacheDirectory());
    for (const QString &name : RemoteService::cachedNames()) {
        QFile earlier(UrlHandler::cacheDirectory() + name);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(RemoteService::image("earlier run"));
    }
    RemoteService service;
    service.setConfigValue("version", version);
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});

    UninstallProfile loader;
    LoaderTranscript transcript(&loader);

    QTRY_COMPARE(transcript.lines.size(), 3);
    const QStringList images = RemoteService::picked(service.requestedPaths(),
                                                     RemoteService::imagePaths());
    QCOMPARE(storedVersion(), version);
    if (downloads) {
        QCOMPARE(images, RemoteService::imagePaths());
        QCOMPARE(cached("a.png"), RemoteService::image("/icons/a"));
        QCOMPARE(transcript.lines.first(), RemoteService::remoteApps);
        QVERIFY(transcript.lines.contains(RemoteService::remoteReasons));
        QCOMPARE(transcript.lines.count("downLoadResEmit"), 1);
    } else {
        QCOMPARE(images, QStringList());
        QCOMPARE(cached("a.png"), RemoteService::image("earlier run"));
        // Nothing to wait for: the images are in place before the reasons have arrived.
        QCOMPARE(transcript.lines,
                 (QStringList{RemoteService::remoteApps,
                              "downLoadResEmit",
                              RemoteService::remoteReasons}));
    }
}

void RemoteChainTest::stalledDocumentEndsAfterTenSeconds()
{
    RemoteService service;
    service.setResponse("/chose", HttpTestServer::neverAnswer());
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});

    UninstallProfile loader;
    LoaderTranscript transcript(&loader);
    QSignalSpy reasons(&loader, &UninstallProfile::uninstallCauseEmit);
    QElapsedTimer clock;
    clock.start();

    QVERIFY(reasons.wait(14000));
    QVERIFY2(clock.elapsed() >= 9500, qPrintable(QString::number(clock.elapsed())));
    QTRY_COMPARE(transcript.lines.mid(transcript.lines.size() - 3), RemoteService::defaults);
    QCOMPARE(m_env.logLines("error"),
             QStringList{"NetworkError error:no complete answer within 10000 ms"});
}

QTEST_MAIN(RemoteChainTest)
#include "tst_remotechain.moc"

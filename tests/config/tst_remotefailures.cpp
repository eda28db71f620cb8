// Every remote document or download that fails: the defaults come, and the loading page ends.
#include "LoaderTranscript.h"
#include "RemoteService.h"

#include "Framework.h"
#include "LmSettings.h"
#include "config/UrlHandler.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

constexpr int transferTimeoutMs = 700;

} // namespace

class RemoteFailuresTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void documentFails_data();
    void documentFails();
    void downloadsFail();

private:
    TestEnvironment m_env;
};

void RemoteFailuresTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    RemoteService::writeDefaultDocuments(m_env);
    UrlHandler::setTransferTimeout(transferTimeoutMs);
}

void RemoteFailuresTest::init()
{
    m_env.clearLogAndUsage();
    QDir(UrlHandler::cacheDirectory()).removeRecursively();
}

void RemoteFailuresTest::documentFails_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("transcript");
    QTest::addColumn<QString>("errorLine");

    // The images are cached under this version already, so the handler's downLoadResEmit
    // follows its recAppEmit at once and the order of the relayed signals is fixed.
    const QStringList defaults = RemoteService::defaults;
    const QStringList remoteAppsThenDefaults = QStringList{RemoteService::remoteApps,
                                                           "downLoadResEmit"}
                                               + defaults;
    const QString parseError = QStringLiteral("JSON parsing error:");
    const QString networkError = QStringLiteral("NetworkError error:");
    const QString timedOut = QStringLiteral("NetworkError error:Operation canceled");

    const auto row = [](const QString &path, const char *failure) -> QTestData & {
        return QTest::newRow(qPrintable(path.mid(1) + QLatin1Char(' ') + failure))
               << path << QString::fromLatin1(failure);
    };
    row("/apps", "refused") << defaults << networkError;
    row("/apps", "404") << defaults << networkError;
    row("/apps", "stalled") << defaults << timedOut;
    // A document that does not parse still lets the version check and the downloads follow.
    row("/apps", "invalid") << defaults + QStringList{"downLoadResEmit"} << parseError;
    row("/apps", "other kind") << QStringList{"downLoadResEmit"} << QString();
    for (const QString &path : {QStringLiteral("/chose"), QStringLiteral("/cause")}) {
        row(path, "refused") << remoteAppsThenDefaults << networkError;
        row(path, "404") << remoteAppsThenDefaults << networkError;
        row(path, "stalled") << remoteAppsThenDefaults << timedOut;
        row(path, "invalid") << remoteAppsThenDefaults << parseError;
        row(path, "other kind") << QStringList{RemoteService::remoteApps, "downLoadResEmit"}
                                << QString();
    }
}

void RemoteFailuresTest::documentFails()
{
    QFETCH(QString, path);
    QFETCH(QString, failure);
    QFETCH(QStringList, transcript);
    QFETCH(QString, errorLine);
    LmSettings::instance()->setApplicationParam("uninstall_version", "v1");
    RemoteService service;
    HttpTestServer closed;
    closed.stop();
    const QString key = path == QLatin1String("/apps")    ? "recommendApp"
                        : path == QLatin1String("/chose") ? "uninstallChose"
                                                          : "uninstallCause";
    if (failure == QLatin1String("refused"))
        service.setConfigValue(key, closed.url(path).toString());
    else if (failure == QLatin1String("404"))
        service.setResponse(path, HttpTestServer::answer(404, "gone"));
    else if (failure == QLatin1String("stalled"))
        service.setResponse(path, HttpTestServer::neverAnswer());
    else if (failure == QLatin1String("invalid"))
        service.setResponse(path, HttpTestServer::answer(200, R"({"recommendApp": {"en": [)"));
    // Another kind of document: the reasons and reason texts steps get the kind of the step
    // before, which, taken for what it says, would request the same address again and again.
    else if (path == QLatin1String("/apps"))
        service.setResponse(path, HttpTestServer::answer(200, RemoteService::reasonTextsDocument));
    else if (path == QLatin1String("/chose"))
        service.setResponse(path, HttpTestServer::answer(200, service.recommendedAppsDocument()));
    else
        service.setResponse(path, HttpTestServer::answer(200, RemoteService::reasonsDocument));
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});

    // The chain stops at the failing step.
    const QStringList documents{"/config", "/apps", "/chose", "/cause"};
    QStringList requested = documents.mid(0, documents.indexOf(path) + 1);
    if (failure == QLatin1String("refused"))
        requested.removeLast();

    UninstallProfile loader;
    LoaderTranscript lines(&loader);

    QTRY_COMPARE_WITH_TIMEOUT(lines.lines, transcript, 5000);
    QTRY_COMPARE(RemoteService::picked(service.requestedPaths(), documents), requested);
    // Nothing more comes: no address is asked twice, no signal follows.
    QSignalSpy requests(&service, &HttpTestServer::requestReceived);
    QVERIFY(!requests.wait(transferTimeoutMs + 300));
    QCOMPARE(lines.lines, transcript);

    const QStringList errors = m_env.logLines("error");
    if (errorLine.isEmpty()) {
        QCOMPARE(errors, QStringList());
        QVERIFY(m_env.logLines("debug").contains("start parse Json ending!"));
    } else {
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith(errorLine), qPrintable(errors.first()));
    }
}

void RemoteFailuresTest::downloadsFail()
{
    const QStringList earlierNames{"banner_pic_en.png", "promotion_pic_en.png"};
    QDir().mkpath(UrlHandler::cacheDirectory());
    for (const QString &name : earlierNames) {
        QFile earlier(UrlHandler::cacheDirectory() + name);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(RemoteService::image("earlier run"));
    }
    // Cached by an earlier run, but too large to decode: dropped.
    QFile huge(UrlHandler::cacheDirectory() + "huge.png");
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(RemoteService::hugeImage());
    huge.close();
    LmSettings::instance()->setApplicationParam("uninstall_version", "v0");
    RemoteService service;
    service.setResponse("/img/banner_en.png", HttpTestServer::answer(404, "gone"));
    service.setResponse("/img/promotion_en.png", HttpTestServer::cutShort("\x89PNG half"));
    service.setResponse("/icons/b", HttpTestServer::neverAnswer());
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});
    QElapsedTimer clock;
    qint64 lastRequested = -1;
    connect(&service, &HttpTestServer::requestReceived, this, [&](const HttpTestServer::Request &r) {
        if (r.path == QLatin1String("/icons/b"))
            lastRequested = clock.elapsed();
    });
    clock.start();

    UninstallProfile loader;
    LoaderTranscript lines(&loader);
    QSignalSpy finished(&loader, &UninstallProfile::downLoadResEmit);

    QVERIFY(finished.wait(5000));
    // Only after the stalled last download has run out of time.
    QVERIFY(lastRequested >= 0);
    QVERIFY2(clock.elapsed() - lastRequested >= transferTimeoutMs - 100,
             qPrintable(QString::number(clock.elapsed() - lastRequested)));
    QVERIFY(!finished.wait(transferTimeoutMs + 300));
    QCOMPARE(lines.lines.count("downLoadResEmit"), 1);
    QVERIFY(lines.lines.contains(RemoteService::remoteReasons));

    QCOMPARE(RemoteService::picked(service.requestedPaths(), RemoteService::imagePaths()),
             RemoteService::imagePaths());
    QCOMPARE(m_env.logLines("error").size(), 4);
    // Fetched again at the next run.
    QCOMPARE(LmSettings::instance()->applicationParam("uninstall_version", QVariant()).toString(),
             QStringLiteral("v0"));
    const QStringList names = QDir(UrlHandler::cacheDirectory())
                                  .entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(names, (QStringList{"a.png", "banner_pic_en.png", "promotion_pic_en.png"}));
    for (const QString &name : earlierNames) {
        QFile file(UrlHandler::cacheDirectory() + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), RemoteService::image("earlier run"));
    }
}

QTEST_MAIN(RemoteFailuresTest)
#include "tst_remotefailures.moc"

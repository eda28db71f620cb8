// Certificate errors: ignored by default, fatal to every request with "uninstallStrictTls" = 1.
#include "LoaderTranscript.h"
#include "RemoteService.h"

#include "Framework.h"
#include "LmSettings.h"
#include "config/UrlHandler.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QtTest>

namespace {

QStringList cachedNames()
{
    return QDir(UrlHandler::cacheDirectory()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class RemoteTlsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void completesOverTls_data();
    void completesOverTls();
    void strictTlsRefusesUntrustedConfiguration();
    void strictTlsRefusesUntrustedResources_data();
    void strictTlsRefusesUntrustedResources();

private:
    // The configuration and the updater from service; strictTls sets "uninstallStrictTls".
    void configure(RemoteService &service, bool strictTls);
    int handshakeErrors() const;

    TestEnvironment m_env;
    SelfSignedCertificate m_certificate;
    QSslConfiguration m_defaultTls;
};

void RemoteTlsTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    QVERIFY2(QSslSocket::supportsSsl(), "Qt has no TLS backend");
    m_certificate = SelfSignedCertificate::generate();
    QVERIFY2(!m_certificate.isNull(), qPrintable(m_certificate.error));
    m_defaultTls = QSslConfiguration::defaultConfiguration();
    RemoteService::writeDefaultDocuments(m_env);
}

void RemoteTlsTest::init()
{
    m_env.clearLogAndUsage();
    QDir(UrlHandler::cacheDirectory()).removeRecursively();
    QFile::remove(UninstallProfile::updaterPath());
    LmSettings::instance()->setApplicationParam("uninstall_version", QVariant());
}

void RemoteTlsTest::cleanup()
{
    QSslConfiguration::setDefaultConfiguration(m_defaultTls);
}

void RemoteTlsTest::configure(RemoteService &service, bool strictTls)
{
    service.setResponse("/updater", HttpTestServer::answer(200, "program", "application/x-exe"));
    QMap<QString, QString> extend{{"uninstallConfigURL", service.configUrl()},
                                  {"updateAppUrl", service.url("/updater").toString()}};
    if (strictTls)
        extend.insert("uninstallStrictTls", "1");
    m_env.writeProductIni(extend);
}

int RemoteTlsTest::handshakeErrors() const
{
    return m_env.logLines("error").filter("NetworkError error:SSL handshake failed").size();
}

void RemoteTlsTest::completesOverTls_data()
{
    QTest::addColumn<bool>("strictTls");
    QTest::addColumn<bool>("trusted");

    QTest::newRow("untrusted, errors ignored") << false << false;
    QTest::newRow("trusted, strict") << true << true;
}

void RemoteTlsTest::completesOverTls()
{
    QFETCH(bool, strictTls);
    QFETCH(bool, trusted);
    if (trusted) {
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.addCaCertificate(m_certificate.certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    RemoteService service(&m_certificate);
    configure(service, strictTls);
    QVERIFY(service.configUrl().startsWith(QLatin1String("https:")));

    UninstallProfile loader;
    LoaderTranscript lines(&loader);

    QTRY_COMPARE(lines.lines.size(), 3);
    QCOMPARE(lines.lines.first(), RemoteService::remoteApps);
    QVERIFY(lines.lines.contains(RemoteService::remoteReasons));
    QCOMPARE(cachedNames(), RemoteService::cachedNames());
    QTRY_VERIFY(QFile::exists(UninstallProfile::updaterPath()));
    QCOMPARE(m_env.logLines("error"), QStringList());
}

void RemoteTlsTest::strictTlsRefusesUntrustedConfiguration()
{
    RemoteService service(&m_certificate);
    configure(service, true);

    UninstallProfile loader;
    LoaderTranscript lines(&loader);

    QTRY_COMPARE(lines.lines, RemoteService::defaults);
    // The configuration and the updater, each refused during the handshake.
    QTRY_COMPARE(handshakeErrors(), 2);
    QCOMPARE(service.requestedPaths(), QStringList());
    QVERIFY(!QFile::exists(UninstallProfile::updaterPath()));
}

void RemoteTlsTest::strictTlsRefusesUntrustedResources_data()
{
    QTest::addColumn<bool>("documents");
    QTest::addColumn<QStringList>("transcript");
    QTest::addColumn<int>("errors");

    // The recommended apps fail, so the defaults come and no image is fetched.
    QTest::newRow("documents") << true << RemoteService::defaults << 1;
    QTest::newRow("images") << false
                            << QStringList{RemoteService::remoteApps,
                                           RemoteService::remoteReasons,
                                           "downLoadResEmit"}
                            << 4;
}

void RemoteTlsTest::strictTlsRefusesUntrustedResources()
{
    QFETCH(bool, documents);
    QFETCH(QStringList, transcript);
    QFETCH(int, errors);
    RemoteService service;
    RemoteService secure(&m_certificate);
    if (documents)
        service.takeDocumentsFrom(secure);
    else
        service.takeImagesFrom(secure);
    configure(service, true);

    UninstallProfile loader;
    LoaderTranscript lines(&loader);
    QSignalSpy finished(&loader, &UninstallProfile::downLoadResEmit);

    QTRY_COMPARE(lines.lines.size(), transcript.size());
    QVERIFY(!finished.wait(300));
    QCOMPARE(lines.lines.first(), transcript.first());
    for (const QString &line : transcript)
        QVERIFY(lines.lines.contains(line));
    QCOMPARE(handshakeErrors(), errors);
    QCOMPARE(secure.requestedPaths(), QStringList());
    QCOMPARE(cachedNames(), QStringList());
}

QTEST_MAIN(RemoteTlsTest)
#include "tst_remotetls.moc"

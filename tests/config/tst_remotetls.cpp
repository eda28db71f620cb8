// Certificate errors: ignored by default, fatal to every request with "uninstallStrictTls" = 1,
// and fatal to the updater unless its checksum proves it.
#include "LoaderTranscript.h"
#include "RemoteService.h"

#include "Framework.h"
#include "LmSettings.h"
#include "config/UrlHandler.h"

#include <QCryptographicHash>
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
    void configure(RemoteService &service, bool strictTls, bool updaterChecksum = false);
    int handshakeErrors() const;

    TestEnvironment m_env;
    SelfSignedCertificate m_certificate;
    SelfSignedCertificate m_otherHost;
    QSslConfiguration m_defaultTls;
};

void RemoteTlsTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    QVERIFY2(QSslSocket::supportsSsl(), "Qt has no TLS backend");
    m_certificate = SelfSignedCertificate::generate();
    QVERIFY2(!m_certificate.isNull(), qPrintable(m_certificate.error));
    m_otherHost = SelfSignedCertificate::generate("other.example");
    QVERIFY2(!m_otherHost.isNull(), qPrintable(m_otherHost.error));
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

void RemoteTlsTest::configure(RemoteService &service, bool strictTls, bool updaterChecksum)
{
    service.setResponse("/updater", HttpTestServer::answer(200, "program", "application/x-exe"));
    QMap<QString, QString> extend{{"uninstallConfigURL", service.configUrl()},
                                  {"updateAppUrl", service.url("/updater").toString()}};
    if (strictTls)
        extend.insert("uninstallStrictTls", "1");
    if (updaterChecksum)
        extend.insert("updateAppSha256",
                      QCryptographicHash::hash("program", QCryptographicHash::Sha256).toHex());
    m_env.writeProductIni(extend);
}

int RemoteTlsTest::handshakeErrors() const
{
    return m_env.logLines("error").filter("NetworkError error:SSL handshake failed").size();
}

void RemoteTlsTest::completesOverTls_data()
{
    QTest::addColumn<bool>("strictTls");
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<bool>("updaterChecksum");
    QTest::addColumn<bool>("updaterStored");

    // The updater is kept only when a valid certificate or its checksum proves it.
    QTest::newRow("untrusted, errors ignored") << false << "untrusted" << false << false;
    QTest::newRow("untrusted, updater checksum") << false << "untrusted" << true << true;
    QTest::newRow("another host's") << false << "other host" << false << false;
    QTest::newRow("another host's, updater checksum") << false << "other host" << true << true;
    QTest::newRow("trusted, strict") << true << "trusted" << false << true;
}

void RemoteTlsTest::completesOverTls()
{
    QFETCH(bool, strictTls);
    QFETCH(QString, certificate);
    QFETCH(bool, updaterChecksum);
    QFETCH(bool, updaterStored);
    const SelfSignedCertificate &identity = certificate == "other host" ? m_otherHost
                                                                        : m_certificate;
    if (certificate != QLatin1String("untrusted")) {
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.addCaCertificate(identity.certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    RemoteService service(&identity);
    configure(service, strictTls, updaterChecksum);
    QVERIFY(service.configUrl().startsWith(QLatin1String("https:")));

    UninstallProfile loader;
    LoaderTranscript lines(&loader);

    QTRY_COMPARE(lines.lines.size(), 3);
    QCOMPARE(lines.lines.first(), RemoteService::remoteApps);
    QVERIFY(lines.lines.contains(RemoteService::remoteReasons));
    QCOMPARE(cachedNames(), RemoteService::cachedNames());
    QTRY_VERIFY(QFile::exists(UninstallProfile::updaterPath())
                || !m_env.logLines("error").isEmpty());
    QCOMPARE(QFile::exists(UninstallProfile::updaterPath()), updaterStored);
    QCOMPARE(m_env.logLines("error").size(), updaterStored ? 0 : 1);
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

// The loader against a local configuration service: every failure ends in the defaults, once.
#include "HttpTestServer.h"
#include "LoaderTranscript.h"
#include "TestEnvironment.h"

#include "Framework.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

const QStringList
    defaultsTranscript{"recAppEmit d.png|Default|https://d.example",
                       "uninstallCauseEmit check=false users=9 keys=slow texts=slow:Too slow",
                       "downLoadResEmit"};

} // namespace

class ConfigLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fallsBackToDefaults_data();
    void fallsBackToDefaults();
    void lateConfigurationIsIgnored();

private:
    bool logged(const QString &level, const QString &prefix) const;

    TestEnvironment m_env;
};

void ConfigLoaderTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    m_env.writeFile(
        QStringLiteral("resources/uninstallConfig/recommendApp.json"),
        R"({"recommendApp": {"en": [{"icon": "d.png", "name": "Default", "url": "https://d.example"}]}})");
    m_env.writeFile(QStringLiteral("resources/uninstallConfig/uninstallChose.json"),
                    R"({"users": "9", "uninstallChose": {"default": ["slow"]}})");
    m_env.writeFile(QStringLiteral("resources/uninstallConfig/uninstallCause.json"),
                    R"({"uninstallCause": {"en": {"slow": "Too slow"}}})");
}

void ConfigLoaderTest::init()
{
    m_env.clearLogAndUsage();
}

bool ConfigLoaderTest::logged(const QString &level, const QString &prefix) const
{
    const QStringList lines = m_env.logLines(level);
    return std::any_of(lines.cbegin(), lines.cend(), [&prefix](const QString &line) {
        return line.startsWith(prefix);
    });
}

void ConfigLoaderTest::fallsBackToDefaults_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("errorLine");
    QTest::addColumn<bool>("requestFailed");

    QTest::newRow("connection refused")
        << "closed" << 0 << QByteArray() << "NetworkError error:Connection refused" << true;
    // Only http and https are requested: a document that names this server's /apps is never
    // read from elsewhere.
    const QString refused = QStringLiteral("NetworkError error:refused address");
    QTest::newRow("address not set") << "" << 0 << QByteArray() << refused << true;
    QTest::newRow("file") << "file://%1" << 0 << QByteArray() << refused << true;
    QTest::newRow("data") << "data:application/json,%2" << 0 << QByteArray() << refused << true;
    QTest::newRow("ftp") << "ftp://127.0.0.1/config" << 0 << QByteArray() << refused << true;
    QTest::newRow("qrc") << "qrc:/config.json" << 0 << QByteArray() << refused << true;
    QTest::newRow("no scheme") << "127.0.0.1/config" << 0 << QByteArray() << refused << true;
    QTest::newRow("server error") << "running" << 500 << QByteArray("{}")
                                  << "NetworkError error:Error transferring" << true;
    QTest::newRow("connection dropped")
        << "dropped" << 0 << QByteArray() << "NetworkError error:" << true;
    QTest::newRow("invalid JSON")
        << "running" << 200 << QByteArray(R"({"version": })")
        << "JSON parsing error:object is missing after a comma\nError offset : 13" << false;
    QTest::newRow("not an object")
        << "running" << 200 << QByteArray("[1, 2]") << QString() << false;
}

void ConfigLoaderTest::fallsBackToDefaults()
{
    QFETCH(QString, service);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, errorLine);
    QFETCH(bool, requestFailed);
    HttpTestServer server;
    if (service == QLatin1String("dropped"))
        server.setResponse(QStringLiteral("/config"), HttpTestServer::closeConnection());
    else
        server.setResponse(QStringLiteral("/config"), HttpTestServer::answer(status, body));
    if (service == QLatin1String("closed"))
        server.stop();
    const QByteArray document = R"({"recommendApp": ")" + server.url("/apps").toEncoded() + "\"}";
    m_env.writeFile(QStringLiteral("config.json"), document);
    const bool served = QStringList{"closed", "running", "dropped"}.contains(service);
    const QString address = served ? server.url(QStringLiteral("/config")).toString()
                                   : service.arg(m_env.root() + QStringLiteral("/config.json"),
                                                 QString::fromLatin1(document.toPercentEncoding()));
    m_env.writeProductIni({{QStringLiteral("uninstallConfigURL"), address}});

    QElapsedTimer clock;
    clock.start();
    UninstallProfile loader;
    LoaderTranscript signalsSeen(&loader);

    QTRY_COMPARE_WITH_TIMEOUT(signalsSeen.lines, defaultsTranscript, 2000);
    QVERIFY(clock.elapsed() < 2500);
    if (errorLine.isEmpty())
        QCOMPARE(m_env.logLines(QStringLiteral("error")), QStringList());
    else
        QVERIFY2(logged(QStringLiteral("error"), errorLine),
                 qPrintable(m_env.logLines(QStringLiteral("error")).join(QLatin1Char('\n'))));
    QCOMPARE(logged(QStringLiteral("debug"), QStringLiteral("load default res!")), requestFailed);
    QVERIFY(!logged(QStringLiteral("debug"), QStringLiteral("readuninstallConfig faild!")));
    if (!served)
        QCOMPARE(server.requestedPaths(), QStringList());
}

void ConfigLoaderTest::lateConfigurationIsIgnored()
{
    HttpTestServer server;
    // Parsed, this answer would log a parse error and bring the defaults a second time.
    server.setResponse(QStringLiteral("/config"), HttpTestServer::answerAfter(3300, 200, "{"));
    m_env.writeProductIni(
        {{QStringLiteral("uninstallConfigURL"), server.url(QStringLiteral("/config")).toString()}});

    QElapsedTimer clock;
    clock.start();
    UninstallProfile loader;
    LoaderTranscript signalsSeen(&loader);
    QSignalSpy finished(&loader, &UninstallProfile::downLoadResEmit);

    QVERIFY(finished.wait(4000));
    QVERIFY2(clock.elapsed() >= 2800, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(signalsSeen.lines, defaultsTranscript);
    QVERIFY(logged(QStringLiteral("debug"), QStringLiteral("readuninstallConfig faild!")));

    QVERIFY(!finished.wait(800));
    QCOMPARE(signalsSeen.lines, defaultsTranscript);
    QCOMPARE(m_env.logLines(QStringLiteral("error")), QStringList());
    QCOMPARE(server.requestedPaths(), QStringList{QStringLiteral("/config")});
}

QTEST_MAIN(ConfigLoaderTest)
#include "tst_configloader.moc"

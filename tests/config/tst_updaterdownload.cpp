// The background download of the updater program.
#include "HttpTestServer.h"
#include "TestEnvironment.h"

#include "Framework.h"
#include "ProcessEnvironment.h"
#include "config/UninstallProfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// Binary: a NUL and a CR LF pair must arrive unchanged.
const QByteArray program = QByteArray::fromHex("7f454c4600010d0a0aff");

} // namespace

class UpdaterDownloadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void notRequestedWithoutAddress();
    void failedDownloadWritesNothing();
    void checksum_data();
    void checksum();

private:
    TestEnvironment m_env;
};

void UpdaterDownloadTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
}

void UpdaterDownloadTest::init()
{
    QDir(m_env.dataDir() + QStringLiteral("/updater")).removeRecursively();
    m_env.clearLogAndUsage();
}

void UpdaterDownloadTest::notRequestedWithoutAddress()
{
    HttpTestServer server;
    // The configuration answer comes late enough for an updater request to have arrived.
    server.setResponse(QStringLiteral("/config"), HttpTestServer::answerAfter(300, 200, "[]"));
    server.setResponse(QStringLiteral("/updater"), HttpTestServer::answer(200, "program"));
    m_env.writeProductIni(
        {{QStringLiteral("uninstallConfigURL"), server.url(QStringLiteral("/config")).toString()}});

    UninstallProfile loader;
    QSignalSpy finished(&loader, &UninstallProfile::downLoadResEmit);

    QVERIFY(finished.wait(2000));
    QCOMPARE(server.requestedPaths(), QStringList{QStringLiteral("/config")});
    QVERIFY(!QFile::exists(UninstallProfile::updaterPath()));
}

void UpdaterDownloadTest::failedDownloadWritesNothing()
{
    HttpTestServer server;
    const QString address = server.url(QStringLiteral("/updater")).toString();
    m_env.writeProductIni({{QStringLiteral("updateAppUrl"), address}});

    UninstallProfile loader;

    const QString expected = QStringLiteral("NetworkError error:Error transferring ") + address
                             + QStringLiteral(" - server replied: Not Found");
    QTRY_VERIFY_WITH_TIMEOUT(m_env.logLines(QStringLiteral("error")).contains(expected), 2000);
    QVERIFY(!QFile::exists(UninstallProfile::updaterPath()));
}

void UpdaterDownloadTest::checksum_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("maxBytes");
    QTest::addColumn<bool>("stored");

    const QByteArray sha256 = QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex();
    QTest::newRow("matching") << QString::fromLatin1(sha256) << "" << true;
    QTest::newRow("matching, upper case") << QString::fromLatin1(sha256.toUpper()) << "" << true;
    QTest::newRow("matching, within its size") << QString::fromLatin1(sha256) << "10" << true;
    QTest::newRow("matching, larger than its size") << QString::fromLatin1(sha256) << "9" << false;
    QTest::newRow("different") << QString::fromLatin1(
        QCryptographicHash::hash("other", QCryptographicHash::Sha256).toHex())
                               << "" << false;
    QTest::newRow("truncated") << QString::fromLatin1(sha256.left(32)) << "" << false;
    QTest::newRow("not hex") << "not a checksum"
                             << "" << false;
    // Over http nothing else can prove it.
    QTest::newRow("none") << ""
                          << "" << false;
}

void UpdaterDownloadTest::checksum()
{
    QFETCH(QString, expected);
    QFETCH(QString, maxBytes);
    QFETCH(bool, stored);
    HttpTestServer server;
    server.setResponse(QStringLiteral("/updater"),
                       HttpTestServer::answer(200, program, "application/octet-stream"));
    m_env.writeProductIni(
        {{QStringLiteral("updateAppUrl"), server.url(QStringLiteral("/updater")).toString()},
         {QStringLiteral("updateAppSha256"), expected},
         {QStringLiteral("updateAppMaxBytes"), maxBytes}});
    // A program of an earlier run does not count.
    QDir().mkpath(m_env.dataDir() + QStringLiteral("/updater"));
    QFile earlier(UninstallProfile::updaterPath());
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.close();

    UninstallProfile loader;

    const QString path = UninstallProfile::updaterPath();
    // Beside those of the configuration, which is not set.
    const auto updaterErrors = [this] {
        return m_env.logLines("error").filter(
            QRegularExpression("^(updater|NetworkError error:(?!refused))"));
    };
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path) || !updaterErrors().isEmpty(), 2000);
    QVERIFY2(QFile::exists(path) == stored, qPrintable(updaterErrors().join('\n')));
    QCOMPARE(updaterErrors().size(), stored ? 0 : 1);
    QCOMPARE(QDir(m_env.dataDir() + QStringLiteral("/updater")).entryList(QDir::Files),
             stored
                 ? QStringList{"Demo Suite" + QString::fromStdString(platform::executableSuffix())}
                 : QStringList());
    if (!stored)
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), program);
#ifndef Q_OS_WIN
    QVERIFY(QFileInfo(path).isExecutable());
#endif
}

QTEST_MAIN(UpdaterDownloadTest)
#include "tst_updaterdownload.moc"

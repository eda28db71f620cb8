#include "LMGA.h"
#include "TestEnvironment.h"
#include "Utility.h"

#include <QThread>
#include <QtTest>

class TestUsageLog : public QObject
{
    Q_OBJECT

private slots:
    void rotatedWholeLinesAndSilentAfterStop();

private:
    TestEnvironment m_env;
};

// Lines from several threads are never torn; each file is moved aside once at its limit, one
// older copy kept; no event after the stop.
void TestUsageLog::rotatedWholeLinesAndSilentAfterStop()
{
    m_env.clearLogAndUsage();
    const QString line = QStringLiteral("Größe \"q\", a=b; {x} ✓ ") + QString(1000, 'x');
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back(QThread::create([line] {
            for (int call = 0; call < 300; ++call) {
                Log("debug", 1, line);
                LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, line, call);
            }
        }));
        threads.back()->start();
    }
    for (const auto &thread : threads)
        QVERIFY(thread->wait(60000));
    LMGA::instance()->stopService();
    LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, "after the stop", 0);
    LMGA::instance()->startService(4, "uninstall");

    for (const QString &fileName : {m_env.logFile(), LMGA::usageFileName()}) {
        QFile current(fileName), older(fileName + ".1");
        QVERIFY(current.open(QIODevice::ReadOnly) && older.open(QIODevice::ReadOnly));
        QVERIFY(current.size() <= 1024 * 1024 && older.size() <= 1024 * 1024);
        const QByteArray text = older.readAll() + current.readAll();
        QCOMPARE(text.count('\n'), 1200);
        QCOMPARE(text.count(QByteArray(1000, 'x')), 1200);
    }
    QCOMPARE(m_env.logTexts().last(), line);
    QCOMPARE(m_env.usageLabels().last(), line);
}

QTEST_GUILESS_MAIN(TestUsageLog)
#include "tst_usagelog.moc"

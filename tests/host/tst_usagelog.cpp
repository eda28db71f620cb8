#include "LMGA.h"
#include "TestEnvironment.h"
#include "Utility.h"

#include <QSet>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

class TestUsageLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void wholeLinesFromSeveralThreads();
    void boundedAndSilentAfterStop();

private:
    TestEnvironment m_env;
};

void TestUsageLog::init()
{
    SetLogLevel(0);
    m_env.clearLogAndUsage();
}

// Quotes, commas and non-ASCII survive; no line is torn by another thread's.
void TestUsageLog::wholeLinesFromSeveralThreads()
{
    const auto text = [](int thread, int call) {
        return QStringLiteral("%1/%2 Größe \"q\", a=b; {x} ✓").arg(thread).arg(call);
    };
    std::vector<std::unique_ptr<QThread>> threads;
    QSet<QString> expected;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back(QThread::create([t, text] {
            for (int call = 0; call < 200; ++call) {
                Log("debug", 1, text(t, call));
                LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, text(t, call), 0);
            }
        }));
        threads.back()->start();
        for (int call = 0; call < 200; ++call)
            expected.insert(text(t, call));
    }
    for (const auto &thread : threads)
        QVERIFY(thread->wait(60000));

    QSet<QString> labels;
    for (const QJsonObject &event : m_env.usageEvents())
        labels.insert(event.value("label").toString());
    QCOMPARE(labels, expected);
    const QStringList texts = m_env.logTexts();
    QCOMPARE(QSet<QString>(texts.cbegin(), texts.cend()), expected);
}

// Each file is moved aside once at its limit, one older copy kept; no event after the stop.
void TestUsageLog::boundedAndSilentAfterStop()
{
    const QString line(1000, QLatin1Char('x'));
    constexpr int calls = 1200;
    for (int call = 0; call < calls; ++call) {
        Log("debug", 1, line);
        LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, line, call);
    }
    LMGA::instance()->stopService();
    LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, "after the stop", 0);
    LMGA::instance()->startService(4, "uninstall");

    for (const QString &fileName : {m_env.logFile(), LMGA::usageFileName()}) {
        QFile current(fileName), older(fileName + ".1");
        QVERIFY(current.open(QIODevice::ReadOnly) && older.open(QIODevice::ReadOnly));
        QVERIFY(current.size() <= 1024 * 1024 && older.size() <= 1024 * 1024);
        const QByteArray text = older.readAll() + current.readAll();
        QCOMPARE(text.count('\n'), calls);
        QVERIFY(!text.contains("after the stop"));
    }
}

QTEST_GUILESS_MAIN(TestUsageLog)
#include "tst_usagelog.moc"

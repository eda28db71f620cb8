#include "LMGA.h"
#include "TestEnvironment.h"
#include "Utility.h"

#include <QDateTime>
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
    void eventsAndLinesFromSeveralThreads();
    void levelOneKeepsOnlyErrors();
    void boundedAndSilentAfterStop();

private:
    TestEnvironment m_env;
};

namespace {

// Quotes, commas and non-ASCII must survive; tabs would split a log line's fields.
QString text(int thread, int call)
{
    return QStringLiteral("%1/%2 Größe \"q\", a=b; {x} ✓").arg(thread).arg(call);
}

bool isTimestamp(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODateWithMs).isValid();
}

} // namespace

void TestUsageLog::init()
{
    SetLogLevel(0);
    m_env.clearLogAndUsage();
}

void TestUsageLog::eventsAndLinesFromSeveralThreads()
{
    constexpr int threadCount = 4;
    constexpr int callsPerThread = 200;
    std::vector<std::unique_ptr<QThread>> threads;
    QSet<QString> expected;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([t] {
            for (int call = 0; call < callsPerThread; ++call) {
                Log("debug", 1, text(t, call));
                LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, text(t, call), 0);
            }
        }));
        threads.back()->setObjectName(QStringLiteral("worker-%1").arg(t));
        threads.back()->start();
        for (int call = 0; call < callsPerThread; ++call)
            expected.insert(text(t, call));
    }
    for (const auto &thread : threads)
        QVERIFY(thread->wait(60000));

    const QList<QJsonObject> events = m_env.usageEvents();
    QCOMPARE(events.size(), threadCount * callsPerThread);
    QSet<QString> labels;
    for (QJsonObject event : events) {
        QVERIFY(isTimestamp(event.take("time").toString()));
        labels.insert(event.take("label").toString());
        const QJsonObject rest{{"category", "uninstall"},
                               {"action", "action"},
                               {"type", 1},
                               {"value", 0}};
        QCOMPARE(event, rest);
    }
    QCOMPARE(labels, expected);

    QFile log(m_env.logFile()); // read while the log still has it open: each line is flushed
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split('\n');
    QCOMPARE(lines.size(), threadCount * callsPerThread + 1);
    QCOMPARE(lines.last(), QString());
    QSet<QString> texts;
    for (const QString &line : lines.mid(0, lines.size() - 1)) {
        const QStringList fields = line.split('\t');
        QCOMPARE(fields.size(), 4);
        QVERIFY(isTimestamp(fields[0]));
        QCOMPARE(fields[1], "debug");
        QCOMPARE(fields[2], "worker-" + fields[3].section('/', 0, 0));
        texts.insert(fields[3]);
    }
    QCOMPARE(texts, expected);
}

void TestUsageLog::levelOneKeepsOnlyErrors()
{
    SetLogLevel(1);
    Log("debug", 1, "hidden");
    Log("error", 1, "NetworkError error: refused");
    SetLogLevel(0);
    Log("debug", 1, "shown");
    QCOMPARE(m_env.logTexts(), QStringList({"NetworkError error: refused", "shown"}));
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
        QVERIFY(text.endsWith(line.toUtf8() + '\n') || text.endsWith(",\"value\":1199}\n"));
        QVERIFY(!text.contains("after the stop"));
    }
}

QTEST_GUILESS_MAIN(TestUsageLog)
#include "tst_usagelog.moc"

// The wizard guard between real processes (guardprobe): one wizard per product, whatever the
// order, the timing or the way an earlier one ended; and no start without a display.
#include "TestEnvironment.h"

#include <QProcess>
#include <QSharedMemory>
#include <QtEndian>
#include <QtTest>

#include <deque>
#include <memory>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void oneWizardPerProduct();
    void killedWizardsSegmentIsTakenOver();
    void simultaneousStarts();
    void startsOnlyWithADisplay_data();
    void startsOnlyWithADisplay();

private:
    QProcess *launch(const QString &ini, const QStringList &more = {});
    // Whether the probe may run, and the window it then published.
    std::pair<bool, quint64> start(const QString &ini);
    quint64 published() const;

    TestEnvironment m_env;
    QString m_product;
    QString m_ini;
    std::deque<std::unique_ptr<QProcess>> m_probes;
};

void TestSingleInstance::initTestCase()
{
    // The segments' key files live in the temporary directory: keep them apart from other runs.
    qputenv("TMPDIR", QFile::encodeName(m_env.root()));
    m_product = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    m_env.writeProductIni({{"uninstallTest", "1"}}, {{"Name", m_product}});
    m_ini = m_env.installDir() + "/product.ini";
}

void TestSingleInstance::cleanup()
{
    for (const auto &probe : m_probes) {
        probe->closeWriteChannel();
        if (!probe->waitForFinished(10000))
            probe->kill();
    }
    m_probes.clear();
}

QProcess *TestSingleInstance::launch(const QString &ini, const QStringList &more)
{
    m_probes.push_back(std::make_unique<QProcess>());
    m_probes.back()->start(GUARDPROBE, QStringList{ini} + more);
    return m_probes.back().get();
}

std::pair<bool, quint64> TestSingleInstance::start(const QString &ini)
{
    QProcess *process = launch(ini);
    const QByteArray runnable = TestEnvironment::nextLine(process);
    const bool runs = runnable == "runnable=1";
    return {runs, runs ? TestEnvironment::nextLine(process).mid(10).toULongLong() : 0};
}

quint64 TestSingleInstance::published() const
{
    QSharedMemory memory(m_product + "_uninstall");
    if (!memory.attach(QSharedMemory::ReadOnly) || !memory.lock())
        return ~quint64(0);
    const quint64 handle = qFromLittleEndian<quint64>(memory.constData());
    memory.unlock();
    return handle;
}

void TestSingleInstance::oneWizardPerProduct()
{
    const auto first = start(m_ini);
    QVERIFY(first.first && first.second != 0);
    QCOMPARE(published(), first.second);
    QVERIFY(!start(m_ini).first);

    m_env.writeFile("other/product.ini",
                    "[Product]\nName=" + m_product.toUtf8() + " Pro\n[Extend]\nuninstallTest=1\n");
    QVERIFY(start(m_env.installDir() + "/other/product.ini").first);

    m_probes.front()->closeWriteChannel();
    QVERIFY(m_probes.front()->waitForFinished(10000));
    QVERIFY(start(m_ini).first);
}

// A killed wizard leaves its segment; the next one takes it over and publishes its window there,
// so that a third start finds it.
void TestSingleInstance::killedWizardsSegmentIsTakenOver()
{
    QSharedMemory leftOver(m_product + "_uninstall");
    QVERIFY(leftOver.create(64));
    QVERIFY(start(m_ini).first);
    m_probes.back()->kill();
    QVERIFY(m_probes.back()->waitForFinished(10000));
    const auto next = start(m_ini);
    QVERIFY(next.first);
    QCOMPARE(published(), next.second);
    QVERIFY(!start(m_ini).first);
}

void TestSingleInstance::simultaneousStarts()
{
    for (int i = 0; i < 10; ++i)
        launch(m_ini, {"--late"});
    int runnable = 0;
    for (const auto &probe : m_probes)
        runnable += TestEnvironment::nextLine(probe.get()) == "runnable=1";
    QCOMPARE(runnable, 1);
}

void TestSingleInstance::startsOnlyWithADisplay_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("nothing set") << QStringList() << QByteArray("init=0");
    QTest::newRow("stale wayland display")
        << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-gone"}
        << QByteArray("init=0");
    QTest::newRow("fallback list")
        << QStringList{"QT_QPA_PLATFORM=wayland;offscreen"} << QByteArray("runnable=1");
}

void TestSingleInstance::startsOnlyWithADisplay()
{
    QFETCH(QStringList, variables);
    QFETCH(QByteArray, answer);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(name);
    for (const QString &variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(GUARDPROBE, {m_ini, "--late"});
    QCOMPARE(TestEnvironment::nextLine(&probe), answer);
    probe.closeWriteChannel();
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit); // Qt aborts when it cannot start
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

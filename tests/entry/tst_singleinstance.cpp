// The wizard guard between real processes (guardprobe): one wizard per product, whatever the
// order, the timing or the way an earlier one ended.
#include "NamedProcesses.h"
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
    void killedWizardLeavesNothingBehind();
    void simultaneousStarts();

private:
    QProcess *launch(const QString &ini, bool late = false);
    // The probe's "runnable" answer and, when it runs, the window it published.
    std::pair<bool, quint64> start(const QString &ini);
    quint64 published() const;

    TestEnvironment m_env;
    QString m_product;
    QString m_ini;
    std::deque<std::unique_ptr<QProcess>> m_probes;
};

namespace {

QByteArray readValue(QProcess *process, const QByteArray &key)
{
    const QByteArray line = NamedProcesses::nextLine(process);
    return line.startsWith(key + '=') ? line.mid(key.size() + 1) : QByteArray();
}

} // namespace

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
        if (!NamedProcesses::endsWhenAsked(probe.get()))
            probe->kill();
        probe->waitForFinished(10000);
    }
    m_probes.clear();
}

QProcess *TestSingleInstance::launch(const QString &ini, bool late)
{
    m_probes.push_back(std::make_unique<QProcess>());
    m_probes.back()->start(GUARDPROBE, late ? QStringList{ini, "--late"} : QStringList{ini});
    return m_probes.back().get();
}

std::pair<bool, quint64> TestSingleInstance::start(const QString &ini)
{
    QProcess *process = launch(ini);
    const bool runnable = readValue(process, "runnable") == "1";
    return {runnable, runnable ? readValue(process, "published").toULongLong() : 0};
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

    QVERIFY(NamedProcesses::endsWhenAsked(m_probes.front().get()));
    QVERIFY(start(m_ini).first);
}

// A killed wizard leaves its segment; the next one takes it over and publishes its window there,
// so that a third start finds it.
void TestSingleInstance::killedWizardLeavesNothingBehind()
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
        launch(m_ini, true);
    int runnable = 0;
    for (const auto &probe : m_probes)
        runnable += readValue(probe.get(), "runnable").toInt();
    QCOMPARE(runnable, 1);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

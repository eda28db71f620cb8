// The wizard guard between real processes (guardprobe), on a private X server when there is
// one, where this test stands in for the window manager and sees which window gets activated.
#include "NamedLock.h"
#include "NamedProcesses.h"
#include "TestDisplay.h"
#include "TestEnvironment.h"

#include <QProcess>
#include <QSharedMemory>
#include <QtEndian>
#include <QtTest>

#include <deque>
#include <memory>

using Request = TestDisplay::Request;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void secondStartActivatesTheFirst();
    void productsRunSideBySide();
    void startAfterTheFirstEnded();
    void startBeforeTheWindowIsPublished();
    void segmentLeftWithoutLockIsTakenOver();
    void handleOfNoWindowIsIgnored();
    void simultaneousStarts();

private:
    struct Probe
    {
        std::unique_ptr<QProcess> process;
        bool runnable = false;
        quint64 window = 0;
    };

    QString writeProduct(const QString &name);
    QProcess *launch(const QString &ini, const QString &mode);
    Probe &start(const QString &ini, const QString &mode = {});
    static QByteArray readValue(QProcess *process, const QByteArray &key);
    quint64 published(const QString &product) const;
    QStringList requests();
    static QStringList activation(quint64 window);

    TestEnvironment m_env;
    TestDisplay m_display;
    QString m_probe;
    QString m_product;
    QString m_ini;
    std::deque<Probe> m_probes; // references stay valid while probes are added
};

void TestSingleInstance::initTestCase()
{
    // The segments' key files live in the temporary directory: keep them apart from other runs.
    qputenv("TMPDIR", QFile::encodeName(m_env.root()));
    m_product = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    m_env.writeProductIni({{QStringLiteral("uninstallTest"), QStringLiteral("1")}},
                          {{QStringLiteral("Name"), m_product}});
    m_ini = m_env.installDir() + QStringLiteral("/product.ini");
    m_probe = m_env.root() + QStringLiteral("/guardprobe");
    QVERIFY(QFile::copy(QStringLiteral(GUARDPROBE), m_probe));
    if (m_display.isValid())
        QVERIFY(m_display.becomeWindowManager());
    else
        qWarning("no Xvfb: activation is not observed");
}

void TestSingleInstance::cleanup()
{
    for (Probe &probe : m_probes) {
        if (!NamedProcesses::endsWhenAsked(probe.process.get()))
            probe.process->kill();
        probe.process->waitForFinished(10000);
    }
    m_probes.clear();
    m_display.takeRequests();
}

QString TestSingleInstance::writeProduct(const QString &name)
{
    const QString ini = QStringLiteral("products/%1/product.ini").arg(name);
    m_env.writeFile(ini,
                    "[Product]\nName=" + name.toUtf8()
                        + "\nBrand=Example Works\n[Extend]\nuninstallTest=1\n");
    return m_env.installDir() + QLatin1Char('/') + ini;
}

QProcess *TestSingleInstance::launch(const QString &ini, const QString &mode)
{
    auto process = std::make_unique<QProcess>();
    if (m_display.isValid()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), m_display.name());
        process->setProcessEnvironment(environment);
    }
    process->start(m_probe, mode.isEmpty() ? QStringList{ini} : QStringList{ini, mode});
    m_probes.push_back({std::move(process)});
    return m_probes.back().process.get();
}

// Starts a probe and waits for its answer, and for its window unless it is late or refused.
TestSingleInstance::Probe &TestSingleInstance::start(const QString &ini, const QString &mode)
{
    QProcess *process = launch(ini, mode);
    Probe &probe = m_probes.back();
    probe.runnable = readValue(process, "runnable") == "1";
    if (probe.runnable && mode.isEmpty())
        probe.window = readValue(process, "published").toULongLong();
    return probe;
}

QByteArray TestSingleInstance::readValue(QProcess *process, const QByteArray &key)
{
    const QByteArray line = NamedProcesses::nextLine(process);
    return line.startsWith(key + '=') ? line.mid(key.size() + 1) : QByteArray();
}

// The handle in the product's segment, as a later wizard reads it.
quint64 TestSingleInstance::published(const QString &product) const
{
    QSharedMemory memory(product + QStringLiteral("_uninstall"));
    if (!memory.attach(QSharedMemory::ReadOnly) || !memory.lock())
        return ~quint64(0);
    const quint64 handle = qFromLittleEndian<quint64>(memory.constData());
    memory.unlock();
    return handle;
}

// What other clients asked of the window manager since the last call.
QStringList TestSingleInstance::requests()
{
    QStringList texts;
    for (const Request &request : m_display.takeRequests()) {
        texts << (request.kind == Request::Map ? QStringLiteral("map %1").arg(request.window)
                                               : QStringLiteral("activate %1, source %2, time %3")
                                                     .arg(request.window)
                                                     .arg(request.source)
                                                     .arg(request.timestamp));
    }
    return texts;
}

// Restored and raised as a pager would ask for it.
QStringList TestSingleInstance::activation(quint64 window)
{
    return {QStringLiteral("activate %1, source 2, time 0").arg(window),
            QStringLiteral("map %1").arg(window)};
}

void TestSingleInstance::secondStartActivatesTheFirst()
{
    const Probe &first = start(m_ini);
    QVERIFY(first.runnable);
    QVERIFY(first.window != 0);
    QCOMPARE(published(m_product), first.window);

    QProcess *second = launch(m_ini, QStringLiteral("--wizard"));
    QCOMPARE(readValue(second, "result"), QByteArray("0"));
    QVERIFY(NamedProcesses::endsWhenAsked(second));
    QVERIFY(m_env.logTexts().contains(QStringLiteral("uninstall is runnabled!")));
    if (m_display.isValid())
        QCOMPARE(requests(), activation(first.window));
}

void TestSingleInstance::productsRunSideBySide()
{
    const QString other = m_product + QStringLiteral(" Pro");
    const Probe &first = start(m_ini);
    const Probe &second = start(writeProduct(other));
    QVERIFY(first.runnable && second.runnable);
    QCOMPARE(published(m_product), first.window);
    QCOMPARE(published(other), second.window);
}

// The segment goes with the last wizard, so the next one creates and writes it again.
void TestSingleInstance::startAfterTheFirstEnded()
{
    QVERIFY(NamedProcesses::endsWhenAsked(start(m_ini).process.get()));
    const Probe &next = start(m_ini);
    QVERIFY(next.runnable);
    QCOMPARE(published(m_product), next.window);
}

void TestSingleInstance::startBeforeTheWindowIsPublished()
{
    Probe &first = start(m_ini, QStringLiteral("--late"));
    QVERIFY(first.runnable);
    QCOMPARE(published(m_product), quint64(0));
    const Probe &refused = start(m_ini);
    QVERIFY(!refused.runnable);
    QVERIFY(NamedProcesses::endsWhenAsked(refused.process.get()));
    QVERIFY(requests().isEmpty());

    first.process->write("publish\n");
    first.window = readValue(first.process.get(), "published").toULongLong();
    QCOMPARE(published(m_product), first.window);
    QVERIFY(!start(m_ini).runnable);
    if (m_display.isValid())
        QCOMPARE(requests(), activation(first.window));
}

// A segment without its lock is what a killed wizard leaves: the next one takes it over, so that
// a third start still finds the running wizard's window.
void TestSingleInstance::segmentLeftWithoutLockIsTakenOver()
{
    QSharedMemory leftOver(m_product + QStringLiteral("_uninstall"));
    QVERIFY(leftOver.create(64));
    const Probe &first = start(m_ini);
    QVERIFY(first.runnable);
    QVERIFY(first.window != 0);
    QCOMPARE(published(m_product), first.window);
    QVERIFY(!start(m_ini).runnable);
    if (m_display.isValid())
        QCOMPARE(requests(), activation(first.window));
}

// A wizard whose window is gone, or a segment with garbage: refused all the same.
void TestSingleInstance::handleOfNoWindowIsIgnored()
{
    const QString key = m_product + QStringLiteral("_uninstall");
    QSharedMemory segment(key);
    QVERIFY(segment.create(64));
    qToLittleEndian(quint64(0x7ffffff0), segment.data());
    platform::NamedLock wizard(key.toStdString());
    QCOMPARE(wizard.tryAcquire(), platform::NamedLock::Result::Acquired);
    QVERIFY(!start(m_ini).runnable);
    QVERIFY(requests().isEmpty());
}

void TestSingleInstance::simultaneousStarts()
{
    for (int i = 0; i < 10; ++i)
        launch(m_ini, QStringLiteral("--late"));
    int runnable = 0;
    for (Probe &probe : m_probes) {
        const QByteArray answer = readValue(probe.process.get(), "runnable");
        QVERIFY(answer == "0" || answer == "1");
        runnable += answer.toInt();
    }
    QCOMPARE(runnable, 1);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

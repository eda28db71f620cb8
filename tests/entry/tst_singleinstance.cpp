// The wizard guard between real processes (guardprobe): one wizard per product, whatever the
// timing or the way an earlier one ended; and no start without a display.
#include "TestEnvironment.h"

#include <QSharedMemory>
#include <QtEndian>
#include <QtTest>

#include <deque>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void oneWizardPerProduct();
    void simultaneousStarts();
    void startsOnlyWithADisplay();

private:
    // The probe's first line, and then the window it published when it runs.
    QByteArray start(const QString &ini, const QStringList &more = {}, quint64 *window = nullptr)
    {
        m_probes.emplace_back().start(GUARDPROBE, QStringList{ini} + more);
        const QByteArray answer = TestEnvironment::nextLine(&m_probes.back());
        if (window)
            *window = TestEnvironment::nextLine(&m_probes.back()).mid(10).toULongLong();
        return answer;
    }

    TestEnvironment m_env;
    std::deque<QProcess> m_probes;
    const QString m_product = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    const QString m_ini = m_env.installDir() + QStringLiteral("/product.ini");
};

// A killed wizard leaves its segment; the next one takes it over and publishes its window there.
void TestSingleInstance::oneWizardPerProduct()
{
    // The segments' key files live in the temporary directory: keep them apart from other runs.
    qputenv("TMPDIR", QFile::encodeName(m_env.root()));
    m_env.writeProductIni({{"uninstallTest", "1"}}, {{"Name", m_product}});
    m_env.writeFile("other/product.ini", "[Product]\nName=" + m_product.toUtf8() + " Pro\n");
    QSharedMemory segment(m_product + "_uninstall");
    const auto published = [&segment] {
        return segment.attach(QSharedMemory::ReadOnly)
                   ? qFromLittleEndian<quint64>(segment.constData())
                   : 0;
    };
    quint64 window = 0;
    QCOMPARE(start(m_ini, {}, &window), "runnable=1");
    QVERIFY(window != 0 && published() == window);
    segment.detach();
    QCOMPARE(start(m_ini), "runnable=0");
    QCOMPARE(start(m_env.installDir() + "/other/product.ini", {"--late"}), "runnable=1");
    m_probes.front().kill();
    QVERIFY(m_probes.front().waitForFinished());
    QCOMPARE(start(m_ini, {}, &window), "runnable=1");
    QCOMPARE(published(), window);
    QCOMPARE(start(m_ini), "runnable=0");
    m_probes.clear();
}

void TestSingleInstance::simultaneousStarts()
{
    for (int i = 0; i < 10; ++i)
        m_probes.emplace_back().start(GUARDPROBE, {m_ini, "--late"});
    int runnable = 0;
    for (QProcess &probe : m_probes)
        runnable += TestEnvironment::nextLine(&probe) == "runnable=1";
    QCOMPARE(runnable, 1);
    m_probes.clear();
}

void TestSingleInstance::startsOnlyWithADisplay()
{
    const QList<std::pair<QStringList, QByteArray>>
        rows{{{}, "init=0"},
             {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-gone"}, "init=0"},
             {{"QT_QPA_PLATFORM=wayland;offscreen"}, "runnable=1"}};
    for (const auto &[variables, answer] : rows) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(name);
        for (const QString &variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QProcess probe; // Qt aborts when it cannot start: then no line at all
        probe.setProcessEnvironment(environment);
        probe.start(GUARDPROBE, {m_ini, "--late"});
        QCOMPARE(TestEnvironment::nextLine(&probe), answer);
    }
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

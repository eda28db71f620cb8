#include "TestEnvironment.h"

#include <QProcess>
#include <QtTest>

class TestFramework : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initWithOrWithoutDisplay_data();
    void initWithOrWithoutDisplay();

private:
    TestEnvironment m_env;
};

void TestFramework::initTestCase()
{
    // Beside the product.ini, as the host executable is.
    QVERIFY(QFile::copy(FRAMEWORKPROBE, m_env.installDir() + "/frameworkprobe"));
}

void TestFramework::initWithOrWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<bool>("started");
    QTest::newRow("nothing set") << QStringList() << false;
    QTest::newRow("x11 session") << QStringList{"XDG_SESSION_TYPE=x11"} << false;
    QTest::newRow("wayland session")
        << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-gone"} << false;
    QTest::newRow("stale wayland display")
        << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-gone"} << false;
    QTest::newRow("offscreen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << true;
    QTest::newRow("fallback list") << QStringList{"QT_QPA_PLATFORM=wayland;offscreen"} << true;
}

void TestFramework::initWithOrWithoutDisplay()
{
    QFETCH(QStringList, variables);
    QFETCH(bool, started);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(name);
    for (const QString &variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(m_env.installDir() + "/frameworkprobe", QStringList());
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit); // Qt aborts when it cannot start
    QCOMPARE(probe.exitCode(), 0);
    const QList<QByteArray> lines = probe.readAllStandardOutput().split('\n');
    QCOMPARE(lines.value(0), started ? "init=1" : "init=0");
    // The organisation (brand) and application (product name) make up the data directory.
    if (started)
        QCOMPARE(QString::fromUtf8(lines.value(1)), m_env.root() + "/data/Example Works/Demo Suite");
}

QTEST_GUILESS_MAIN(TestFramework)
#include "tst_framework.moc"

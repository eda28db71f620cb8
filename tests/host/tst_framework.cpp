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
    QTest::newRow("stale wayland display")
        << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-gone"} << false;
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
    QCOMPARE(probe.readAllStandardOutput(), started ? "init=1\n" : "init=0\n");
}

QTEST_GUILESS_MAIN(TestFramework)
#include "tst_framework.moc"

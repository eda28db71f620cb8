#include "entry/WizardMain.h"

#include <QProcess>
#include <QTest>

class TestEntryPoint : public QObject
{
    Q_OBJECT

private slots:
    void exportsOnlyTheEntryFunction();
    void fontFollowsTheScreenZoom_data();
    void fontFollowsTheScreenZoom();
};

void TestEntryPoint::exportsOnlyTheEntryFunction()
{
    QProcess nm;
    nm.start(QStringLiteral("nm"),
             {QStringLiteral("-D"),
              QStringLiteral("--defined-only"),
              QStringLiteral(UNINSTALL_LIBRARY)});
    QVERIFY(nm.waitForFinished(30000));
    QCOMPARE(nm.exitCode(), 0);
    QStringList symbols;
    const QStringList lines = QString::fromLatin1(nm.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        symbols << line.section(QLatin1Char(' '), 2);
    QCOMPARE(symbols, QStringList{QStringLiteral("main_entry")});
}

void TestEntryPoint::fontFollowsTheScreenZoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("150 %") << 144.0 << 15;
    QTest::newRow("125 %, truncated") << 120.0 << 12;
    QTest::newRow("100 %") << 96.0 << 10;
    QTest::newRow("175 %, truncated") << 168.0 << 17;
}

void TestEntryPoint::fontFollowsTheScreenZoom()
{
    QFETCH(double, zoom);
    QFETCH(int, pointSize);
    QCOMPARE(applicationFontPointSize(zoom, 96.0), pointSize);
}

QTEST_GUILESS_MAIN(TestEntryPoint)
#include "tst_entrypoint.moc"

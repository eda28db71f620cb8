#include <QProcess>
#include <QTest>

class TestEntryPoint : public QObject
{
    Q_OBJECT

private slots:
    void exportsOnlyTheEntryFunction();
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

QTEST_GUILESS_MAIN(TestEntryPoint)
#include "tst_entrypoint.moc"

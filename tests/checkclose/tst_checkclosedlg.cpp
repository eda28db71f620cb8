// The close-product dialog on its own, against real processes named after the product. The
// product name carries this test's process id, so nothing else on the machine matches.
#include "NamedProcesses.h"
#include "ProcessEnvironment.h"
#include "TestEnvironment.h"
#include "checkclose/CheckCloseDlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestCheckCloseDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsWhatToDo();
    void continueEndsEveryProcessOfTheProduct();
    void continueSparesItsOwnProcess();

private:
    QProcess *startHolder(const QString &fileName);
    void click(const char *button);

    TestEnvironment m_env;
    QString m_product;
    NamedProcesses m_processes{m_env.installDir() + QStringLiteral("/bin")};
    std::unique_ptr<QWidget> m_parent;
    CheckCloseDlg *m_dialog = nullptr;
};

void TestCheckCloseDlg::initTestCase()
{
    m_product = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    m_env.writeProductIni({}, {{QStringLiteral("Name"), m_product}});
}

void TestCheckCloseDlg::init()
{
    m_env.clearLogAndUsage();
    m_parent = std::make_unique<QWidget>();
    m_dialog = new CheckCloseDlg(m_parent.get());
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestCheckCloseDlg::cleanup()
{
    m_parent.reset();
    m_processes.killAll();
}

QProcess *TestCheckCloseDlg::startHolder(const QString &fileName)
{
    QProcess *process = m_processes.startHolder(QStringLiteral(LOCKHOLDER), fileName);
    if (!process)
        qFatal("%s did not start", qPrintable(fileName));
    return process;
}

void TestCheckCloseDlg::click(const char *button)
{
    auto *widget = m_dialog->findChild<QAbstractButton *>(QString::fromLatin1(button));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void TestCheckCloseDlg::showsWhatToDo()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("CheckCloseDlg"));
    QVERIFY(m_dialog->isWindow());
    QCOMPARE(m_dialog->windowTitle(), QString());
    QCOMPARE(m_dialog->size(), QSize(400, 300));
    QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("productName"))->text(),
             QStringLiteral("Uninstall ") + m_product);
    m_parent.reset();
    QCOMPARE(m_env.logTexts(),
             (QStringList{QStringLiteral("CheckCloseDlg init!"),
                          QStringLiteral("CheckCloseDlg ~CheckCloseDlg!")}));
}

void TestCheckCloseDlg::continueEndsEveryProcessOfTheProduct()
{
    const QList<QProcess *> products{startHolder(m_product),
                                     startHolder(m_product.toUpper()),
                                     startHolder(m_product.toLower())};
    QProcess *tool = startHolder(m_product + QStringLiteral(" Tool"));
    QSignalSpy completed(m_dialog, &CheckCloseDlg::completeKill);

    click("btnContinue");
    QCOMPARE(completed.count(), 1);
    QVERIFY(m_dialog->isHidden());
    QVERIFY(m_env.logTexts().contains(QStringLiteral("kill program:") + m_product
                                      + QString::fromStdString(platform::executableSuffix())));
    for (QProcess *product : products)
        QVERIFY(NamedProcesses::wasKilled(product));
    QVERIFY(NamedProcesses::endsWhenAsked(tool));
}

void TestCheckCloseDlg::continueSparesItsOwnProcess()
{
    QProcess *product = startHolder(m_product);
    QProcess *dialog = m_processes.start(QStringLiteral(DIALOGHOST),
                                         m_product,
                                         {m_env.installDir() + QStringLiteral("/product.ini")});
    QCOMPARE(NamedProcesses::nextLine(dialog), QByteArray("survived"));
    QVERIFY(NamedProcesses::endsWhenAsked(dialog));
    QVERIFY(NamedProcesses::wasKilled(product));
}

QTEST_MAIN(TestCheckCloseDlg)
#include "tst_checkclosedlg.moc"

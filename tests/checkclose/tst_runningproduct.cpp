// Confirming the uninstall while the product runs: the sample product's program, named and
// locked after a product name that carries this test's process id. Test mode only: in normal
// mode the window would remove the test binary's own directory.
#include "Framework.h"
#include "LmSingleInstance.h"
#include "NamedProcesses.h"
#include "TestEnvironment.h"
#include "WindowDriver.h"
#include "checkclose/CheckCloseDlg.h"

#include <QAbstractButton>
#include <QStackedWidget>
#include <QtTest>

class TestRunningProduct : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void continueEndsTheProductAndGoesOn();
    void productLeftRunningAsksAgain();
    void cancelAndCloseKeepTheWizardWaiting_data();
    void cancelAndCloseKeepTheWizardWaiting();

private:
    QProcess *startProduct(const QString &fileName);
    void confirm();
    QList<CheckCloseDlg *> visibleDialogs() const;
    int page() const;
    void click(QWidget *parent, const char *button);

    TestEnvironment m_env;
    QString m_product;
    NamedProcesses m_processes{m_env.installDir() + QStringLiteral("/bin")};
    WindowDriver m_driver;
};

void TestRunningProduct::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    m_product = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    m_env.writeProductIni({{QStringLiteral("uninstallTest"), QStringLiteral("1")}},
                          {{QStringLiteral("Name"), m_product}});
    m_env.installKitResources();
}

void TestRunningProduct::init()
{
    m_env.clearLogAndUsage();
    m_driver.open();
}

void TestRunningProduct::cleanup()
{
    m_driver.close();
    LmSingleInstance::release();
    m_processes.killAll();
}

// The product's program under fileName, holding the product's lock.
QProcess *TestRunningProduct::startProduct(const QString &fileName)
{
    QProcess *product = m_processes.start(QStringLiteral(DEMO_PRODUCT), fileName, {m_product});
    if (NamedProcesses::nextLine(product) != m_product.toUtf8() + " is running")
        qFatal("the product did not start");
    return product;
}

// From the discount offer over the survey to the upgrade offer's "Continue".
void TestRunningProduct::confirm()
{
    m_driver.goToPage(2);
    QCOMPARE(page(), 21);
    m_driver.click("btnContinue_3");
}

QList<CheckCloseDlg *> TestRunningProduct::visibleDialogs() const
{
    QList<CheckCloseDlg *> dialogs;
    for (CheckCloseDlg *dialog : m_driver.window()->findChildren<CheckCloseDlg *>()) {
        if (dialog->isVisible())
            dialogs << dialog;
    }
    return dialogs;
}

// Main page times ten, plus the inner page on page 2: 21 is the upgrade offer, 30 the progress
// page.
int TestRunningProduct::page() const
{
    const int main = m_driver.child<QStackedWidget>("processPage")->currentIndex();
    const int inner = m_driver.child<QStackedWidget>("causePage_2")->currentIndex();
    return main * 10 + (main == 2 ? inner : 0);
}

void TestRunningProduct::click(QWidget *parent, const char *button)
{
    auto *widget = parent->findChild<QAbstractButton *>(QString::fromLatin1(button));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void TestRunningProduct::continueEndsTheProductAndGoesOn()
{
    QProcess *product = startProduct(m_product);
    confirm();
    QCOMPARE(page(), 21);
    const QList<CheckCloseDlg *> dialogs = visibleDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs.first()->windowModality(), Qt::WindowModal);

    click(dialogs.first(), "btnContinue");
    QVERIFY(NamedProcesses::wasKilled(product));
    QVERIFY(dialogs.first()->isHidden());
    // The check follows the kill at once and may still find the product; then it asks again.
    if (page() != 30) {
        QCOMPARE(visibleDialogs().size(), 1);
        click(visibleDialogs().first(), "btnContinue");
    }
    QCOMPARE(page(), 30);
    QVERIFY(visibleDialogs().isEmpty());
    QVERIFY(m_env.logTexts().contains(QStringLiteral("start first report!")));
}

void TestRunningProduct::productLeftRunningAsksAgain()
{
    QProcess *product = startProduct(m_product + QStringLiteral(" Launcher"));
    confirm();
    CheckCloseDlg *first = visibleDialogs().value(0);
    QVERIFY(first);
    click(first, "btnContinue");
    QVERIFY(first->isHidden());
    const QList<CheckCloseDlg *> dialogs = visibleDialogs();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(dialogs.first() != first);
    QCOMPARE(page(), 21);
    QCOMPARE(product->state(), QProcess::Running);
    QCOMPARE(m_env.usageLabels().count(QStringLiteral("u_click_uninstall")), 2);
    QCOMPARE(m_env.logTexts().count(QStringLiteral("check App isRunning?")), 2);
}

void TestRunningProduct::cancelAndCloseKeepTheWizardWaiting_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("cancel") << QByteArray("btnCancel");
    QTest::newRow("close") << QByteArray("btnClose");
}

void TestRunningProduct::cancelAndCloseKeepTheWizardWaiting()
{
    QFETCH(QByteArray, button);
    startProduct(m_product);
    confirm();
    CheckCloseDlg *dialog = visibleDialogs().value(0);
    QVERIFY(dialog);
    click(dialog, button.constData());
    QVERIFY(visibleDialogs().isEmpty());
    QCOMPARE(page(), 21);
    QVERIFY(!uninstallCancelled);
    QVERIFY(!m_env.logTexts().join(QLatin1Char('\n')).contains(QStringLiteral("kill program:")));

    // The product still runs, so the next try asks again.
    m_driver.click("btnContinue_3");
    QCOMPARE(visibleDialogs().size(), 1);
    QCOMPARE(page(), 21);
}

QTEST_MAIN(TestRunningProduct)
#include "tst_runningproduct.moc"

// The wizard window driven by keyboard, in test mode: in normal mode it would remove the test
// binary's own directory. Every document text is markup, which must show as plain text.
#include "Framework.h"
#include "LmSingleInstance.h"
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "WindowDriver.h"
#include "config/UninstallProfile.h"

#include <QtTest>
#include <QtWidgets>

class TestUninstallWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pagesAndWaysOut_data();
    void pagesAndWaysOut();

private:
    void writeUpdater();
    void verifyAccessible() const;

    TestEnvironment env;
    UrlRecorder urlRecorder;
    WindowDriver driver;
    const QByteArray text = "<img src=/dev/zero><b>x</b>";
};

void TestUninstallWindow::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    // Two tile positions: the recommended apps are shown.
    qApp->setStyleSheet("ClickedStackedWidget { qproperty-FrameRecBg: \"a.png*b.png\"; }");
    env.writeProductIni({{"uninstallTest", "1"}});
    const QByteArray app = "{\"icon\": \"a.png\", \"url\": \"https://a.example.com\", \"name\": \""
                           + text + "\"}";
    env.writeFile("resources/uninstallConfig/recommendApp.json",
                  "{\"recommendApp\": {\"en\": [" + app + "," + app + "," + app + "]}}");
    env.writeFile("resources/uninstallConfig/uninstallCause.json",
                  "{\"uninstallCause\": {\"en\": {\"q1\": \"" + text + "\", \"q2\": \"a\"}}}");
}

void TestUninstallWindow::cleanup()
{
    driver.window.reset();
    LmSingleInstance::release();
    uninstallCancelled = false;
}

// Stands in for the downloaded updater: each start adds a line to updater-runs.
void TestUninstallWindow::writeUpdater()
{
    QDir().mkpath(QFileInfo(UninstallProfile::updaterPath()).absolutePath());
    QFile script(UninstallProfile::updaterPath());
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho run >> '" + QFile::encodeName(env.root()) + "/updater-runs'\n");
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

// Every visible control has a name, every picture a description.
void TestUninstallWindow::verifyAccessible() const
{
    for (QWidget *widget : driver.window->findChildren<QWidget *>()) {
        if ((qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
             || qobject_cast<QTextEdit *>(widget) || qobject_cast<QComboBox *>(widget))
            && widget->isVisible())
            QVERIFY2(!QAccessible::queryAccessibleInterface(widget)
                          ->text(QAccessible::Name)
                          .isEmpty(),
                     qPrintable(widget->objectName()));
    }
    for (const char *picture : {"loadingLab", "purchaseImg", "discountBg"})
        QVERIFY(!QAccessible::queryAccessibleInterface(driver.child(picture))
                     ->text(QAccessible::Description)
                     .isEmpty());
}

void TestUninstallWindow::pagesAndWaysOut_data()
{
    QTest::addColumn<QByteArray>("reasons");
    QTest::addColumn<int>("steps");     // pages moved on by keyboard from the discount offer
    QTest::addColumn<bool>("updater");  // proven by this run; one from an earlier run is not
    QTest::addColumn<QString>("way");   // a key, the window manager's close or a button's click
    QTest::addColumn<int>("after");     // page * 10 + inner page, or -1: the run ended
    QTest::addColumn<QString>("label"); // the usage event it sends, if any
    const QByteArray two = "\"q1\", \"q2\"";
    QTest::newRow("discount offer, close")
        << two << 0 << false << "close" << -1 << "d_click_cancel";
    QTest::newRow("discount offer, Escape") << two << 0 << false << "Esc" << -1 << "d_click_cancel";
    QTest::newRow("survey, close") << two << 1 << false << "close" << -1 << "r_click_cancel";
    QTest::newRow("survey, none ticked, Enter") << two << 1 << false << "Enter" << 20 << "";
    QTest::newRow("survey without reasons, Enter")
        << QByteArray() << 1 << false << "Enter" << 21 << "r_click_uninstall";
    QTest::newRow("upgrade offer, Escape") << two << 2 << false << "Esc" << -1 << "u_click_cancel";
    QTest::newRow("upgrade offer, Upgrade Now")
        << two << 2 << true << "btnUpdate" << -1 << "update programe!";
    QTest::newRow("upgrade offer, Upgrade Now while dragged")
        << two << 2 << true << "dragged btnUpdate" << 21 << "";
    QTest::newRow("progress, Escape") << two << 3 << false << "Esc" << 31 << "";
    // The finish text is shown before the run ends.
    QTest::newRow("progress, close") << two << 3 << false << "close" << -1 << "";
    QTest::newRow("finish, close") << two << 4 << false << "close" << -1 << "";
}

void TestUninstallWindow::pagesAndWaysOut()
{
    QFETCH(QByteArray, reasons);
    QFETCH(int, steps);
    QFETCH(bool, updater);
    QFETCH(QString, way);
    QFETCH(int, after);
    QFETCH(QString, label);
    env.writeFile("resources/uninstallConfig/uninstallChose.json",
                  "{\"uninstallChose\": {\"en\": [" + reasons + "]}, \"users\": \"" + text + "\"}");
    QFile::remove(env.root() + "/updater-runs");
    writeUpdater();
    driver.open();
    if (updater)
        writeUpdater();
    QWidget *window = driver.window.get();
    QVERIFY(QTest::qWaitForWindowActive(window));
    int shownAsText = 0;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const bool plain = label->textFormat() == Qt::PlainText;
        QVERIFY2(plain || !label->text().contains(text), qPrintable(label->objectName()));
        shownAsText += plain && label->text() == text;
    }
    QCOMPARE(shownAsText, 3);
    QVERIFY(driver.child<QLabel>("hintLab")->text().contains(QString(text).toHtmlEscaped()));

    const auto keyClick = [window](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key);
    };
    for (int step = 0; step <= steps; ++step) {
        verifyAccessible();
        for (int tabs = 0; step == 1 && step < steps; ++tabs) { // tick the second reason
            QVERIFY(tabs < 20);
            if (QApplication::focusWidget() == driver.reasonBox(2)) {
                keyClick(Qt::Key_Space);
                break;
            }
            keyClick(Qt::Key_Tab);
        }
        if (step < steps)
            keyClick(step == 2 ? Qt::Key_Enter : Qt::Key_Return);
    }
    QCOMPARE(driver.child("btnUpdate")->isVisible(), updater);
    const auto where = [this] {
        return driver.page() * 10 + driver.child<QStackedWidget>("causePage_2")->currentIndex();
    };
    QCOMPARE(where(), QList<int>({10, 20, 21, 31, 31}).at(steps));
    const QPoint surface(5, window->height() - 5);
    if (way.startsWith("dragged")) {
        QTest::mousePress(window, Qt::LeftButton, {}, surface);
        QMouseEvent move(QEvent::MouseMove,
                         surface + QPoint(3, 0),
                         Qt::LeftButton,
                         Qt::LeftButton,
                         {});
        QApplication::sendEvent(window, &move);
    }
    env.clearLogAndUsage();

    QTimer::singleShot(0, window, [&] {
        if (way == "close")
            window->windowHandle()->close();
        else if (way.endsWith("btnUpdate"))
            driver.child<QAbstractButton>("btnUpdate")->click();
        else
            QTest::keyClick(window, Qt::Key(QKeySequence::fromString(way)[0]));
    });
    QTimer deadline; // stopped with the function, so it cannot end a later run
    connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    deadline.start(300);
    QCOMPARE(QCoreApplication::exec() == 0, after < 0);
    QCOMPARE(uninstallCancelled, after < 0 && steps < 3);
    QCOMPARE(env.usageLabels(), label.isEmpty() ? QStringList() : QStringList{label});
    QCOMPARE(driver.child("frameEmail")->isVisible(), steps == 4 || (after < 0 && steps == 3));
    if (after >= 0)
        QCOMPARE(where(), after);
    const auto runs = [this] {
        QFile file(env.root() + "/updater-runs");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE(runs(), QByteArray(way == "btnUpdate" ? "run\n" : ""));
}

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

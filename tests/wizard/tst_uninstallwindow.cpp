// The wizard window driven by keyboard, in test mode: in normal mode it would remove the test
// binary's own directory. Every document text is markup, which must show as plain text.
#include "DataDirectory.h"
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
    void pagesAndWaysOut_data();
    void pagesAndWaysOut();

private:
    void writeUpdater(); // each start of it adds a line to updater-runs

    TestEnvironment env;
    UrlRecorder urlRecorder;
    const QByteArray text = "<img src=/dev/zero><b>x</b>";
};

void TestUninstallWindow::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    // Two tile positions: the recommended apps are shown.
    qApp->setStyleSheet("ClickedStackedWidget { qproperty-FrameRecBg: \"a.png*b.png\"; }");
    env.writeProductIni({{"uninstallTest", "1"}});
    const QByteArray app = "{\"icon\": \"a.png\", \"url\": \"https://a.example.com\", \"name\": \""
                           + text + "\"},";
    env.writeFile("resources/uninstallConfig/recommendApp.json",
                  "{\"recommendApp\": {\"en\": [" + app + app + app.chopped(1) + "]}}");
    env.writeFile("resources/uninstallConfig/uninstallCause.json",
                  "{\"uninstallCause\": {\"en\": {\"q1\": \"" + text + "\", \"q2\": \"a\"}}}");
}

void TestUninstallWindow::writeUpdater()
{
    QDir().mkpath(QFileInfo(DataDirectory::updaterFile()).absolutePath());
    QFile script(DataDirectory::updaterFile());
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho run >> '" + QFile::encodeName(env.root()) + "/updater-runs'\n");
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

void TestUninstallWindow::pagesAndWaysOut_data()
{
    QTest::addColumn<QByteArray>("reasons");
    QTest::addColumn<int>("steps");   // pages moved on by keyboard from the discount offer
    QTest::addColumn<QString>("way"); // a key, the window manager's close or a button's click
    QTest::addColumn<int>("after");   // page * 10 + inner page, or -1: the run ended
    const QByteArray two = "\"q1\", \"q2\"";
    QTest::newRow("discount offer, close") << two << 0 << "close" << -1;
    QTest::newRow("discount offer, Escape") << two << 0 << "Esc" << -1;
    QTest::newRow("survey, close") << two << 1 << "close" << -1;
    QTest::newRow("survey, none ticked, Enter") << two << 1 << "Enter" << 20;
    QTest::newRow("survey without reasons, Enter") << QByteArray() << 1 << "Enter" << 21;
    // Upgrade Now is offered only for an updater this run proved, not one an earlier run left.
    QTest::newRow("upgrade offer, Escape") << two << 2 << "Esc" << -1;
    QTest::newRow("upgrade offer, Upgrade Now") << two << 2 << "btnUpdate" << -1;
    QTest::newRow("upgrade offer, Upgrade Now while dragged")
        << two << 2 << "dragged btnUpdate" << 21;
    QTest::newRow("progress, Escape") << two << 3 << "Esc" << 31;
    // The finish text is shown before the run ends.
    QTest::newRow("progress, close") << two << 3 << "close" << -1;
    QTest::newRow("finish, close") << two << 4 << "close" << -1;
}

void TestUninstallWindow::pagesAndWaysOut()
{
    QFETCH(QByteArray, reasons);
    QFETCH(int, steps);
    QFETCH(QString, way);
    QFETCH(int, after);
    env.writeFile("resources/uninstallConfig/uninstallChose.json",
                  "{\"uninstallChose\": {\"en\": [" + reasons + "]}, \"users\": \"" + text + "\"}");
    QFile::remove(env.root() + "/updater-runs");
    writeUpdater();
    WindowDriver driver;
    driver.open();
    const auto release = qScopeGuard([] { LmSingleInstance::release(); });
    if (way.contains("btnUpdate"))
        writeUpdater();
    QWidget *window = driver.window.get();
    QVERIFY(QTest::qWaitForWindowActive(window));
    int shownAsText = 0;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        QVERIFY(label->textFormat() == Qt::PlainText || !label->text().contains(text));
        shownAsText += label->textFormat() == Qt::PlainText && label->text() == text;
    }
    QCOMPARE(shownAsText, 3);

    for (int step = 0; step <= steps; ++step) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            const bool control = widget->inherits("QAbstractButton")
                                 || widget->inherits("QLineEdit") || widget->inherits("QTextEdit")
                                 || widget->inherits("QComboBox");
            if (control && widget->isVisible())
                QVERIFY2(!QAccessible::queryAccessibleInterface(widget)
                              ->text(QAccessible::Name)
                              .isEmpty(),
                         qPrintable(widget->objectName()));
        }
        for (int tabs = 0; step == 1 && step < steps && !driver.reasonBox(2)->isChecked(); ++tabs) {
            QVERIFY(tabs < 20); // Tab reaches the second reason, Space ticks it
            const bool there = QApplication::focusWidget() == driver.reasonBox(2);
            QTest::keyClick(QApplication::focusWidget(), there ? Qt::Key_Space : Qt::Key_Tab);
        }
        if (step < steps)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                            step == 2 ? Qt::Key_Enter : Qt::Key_Return);
    }
    QCOMPARE(driver.page(), QList<int>({10, 20, 21, 31, 31}).at(steps));
    QCOMPARE(driver.child("btnUpdate")->isVisible(), steps == 2 && way.contains("btnUpdate"));
    if (way.startsWith("dragged")) { // pressed on the window's surface and moved
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(5, window->height() - 5));
        QMouseEvent move(QEvent::MouseMove,
                         QPoint(8, window->height() - 5),
                         Qt::LeftButton,
                         Qt::LeftButton,
                         {});
        QApplication::sendEvent(window, &move);
    }

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
    uninstallCancelled = false;
    QCOMPARE(driver.child("frameEmail")->isVisible(), steps == 4 || (after < 0 && steps == 3));
    QCOMPARE(driver.page(), after < 0 ? driver.page() : after);
    QFile runs(env.root() + "/updater-runs");
    QTRY_VERIFY(runs.exists() == (way == "btnUpdate"));
}

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

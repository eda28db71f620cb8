// The wizard window driven by keyboard, in test mode (else it would remove the test's directory).
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "WindowDriver.h"
#include "checkclose/CheckCloseDlg.h"
#include "config/UninstallProfile.h"
#include "host/DataDirectory.h"
#include "host/Framework.h"
#include "host/LmSingleInstance.h"

#include <QtTest>
#include <QtWidgets>

class TestUninstallWindow : public QObject
{
    Q_OBJECT
    TestEnvironment env;
    UrlRecorder urlRecorder;
    const QByteArray text = "<img src=/dev/zero><b>x</b>";

    void writeUpdater()
    {
        QFile script(DataDirectory::updaterFile());
        QVERIFY(QDir().mkpath(QFileInfo(script).path()) && script.open(QIODevice::WriteOnly)
                && script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    // Tab goes round every button shown, over shown and named widgets only, back to the start.
    void tabAround(QWidget *window)
    {
        QWidget *start = QApplication::focusWidget();
        QVERIFY(start && start->window() == window);
        // The buttons shown now: late pictures may rebuild the carousel's tiles meanwhile.
        QList<QPointer<QAbstractButton>> shown;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->isVisible() && button->isEnabled() && !qobject_cast<QCheckBox *>(button)
                && button->objectName() != "purchaseImg") // the picture, not a control
                shown << button;
        QSet<QWidget *> reached;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
            QVERIFY2(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name) != "",
                     qPrintable(focus->objectName()));
            reached << focus;
        } while (QApplication::focusWidget() != start && reached.size() < 40);
        QCOMPARE(QApplication::focusWidget(), start);
        for (const QPointer<QAbstractButton> &button : shown)
            if (button)
                QVERIFY2(reached.contains(button), qPrintable(button->objectName()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Framework::init(0, 0, nullptr));
        qApp->setStyleSheet("ClickedStackedWidget { qproperty-FrameRecBg: \"a.png*b.png\"; }");
        env.writeProductIni({{"uninstallTest", "1"}});
        const QByteArray app
            = "{\"icon\": \"a.png\", \"url\": \"https://a.example.com\", \"name\": \"" + text
              + "\"}";
        env.writeFile("resources/uninstallConfig/recommendApp.json",
                      "{\"recommendApp\": {\"en\": [" + app + ',' + app + ',' + app + "]}}");
        env.writeFile("resources/uninstallConfig/uninstallCause.json",
                      "{\"uninstallCause\": {\"en\": {\"q1\": \"" + text + "\", \"q2\": \"a\"}}}");
    }

    void pagesAndWaysOut_data()
    {
        QTest::addColumn<QByteArray>("reasons");
        QTest::addColumn<bool>("updater");  // one proven in this run: the upgrade offer is made
        QTest::addColumn<int>("steps");     // pages moved on by keyboard from the discount offer
        QTest::addColumn<int>("reached");   // page * 10 + inner page after those steps
        QTest::addColumn<QString>("way");   // a key, the window manager's close or a button's click
        QTest::addColumn<int>("after");     // page * 10 + inner page, or -1: the run ended
        QTest::addColumn<bool>("finished"); // the finish page with its e-mail line shown
        const QByteArray two = "\"q1\", \"q2\"";
        QTest::newRow("survey, none ticked, Enter")
            << two << false << 1 << 20 << "Enter" << 20 << false;
        // Without an updater the survey's Continue is the confirmation.
        QTest::newRow("survey without reasons, Enter")
            << QByteArray() << false << 1 << 20 << "Enter" << 30 << false;
        // Upgrade Now is offered only for an updater this run proved, not one an earlier run left;
        // the ways out named after a button are Return with that button focused.
        QTest::newRow("upgrade offer, Upgrade Now")
            << two << true << 2 << 21 << "btnUpdate" << -1 << false;
        // Return answers for the button that has the focus: on Cancel it does not go on.
        QTest::newRow("upgrade offer, Return on Cancel")
            << two << true << 2 << 21 << "btnCancel_3" << -1 << false;
        QTest::newRow("finish, Escape is Done") << two << false << 2 << 30 << "Esc" << 30 << true;
        QTest::newRow("finish, close") << two << false << 2 << 30 << "close" << -1 << true;
    }

    void pagesAndWaysOut()
    {
        QFETCH(QByteArray, reasons);
        QFETCH(bool, updater);
        QFETCH(int, steps);
        QFETCH(int, reached);
        QFETCH(QString, way);
        QFETCH(int, after);
        QFETCH(bool, finished);
        env.writeFile("resources/uninstallConfig/uninstallChose.json",
                      "{\"uninstallChose\": {\"en\": [" + reasons + "]}, \"users\": \"" + text
                          + "\"}");
        writeUpdater(); // left by an earlier run
        WindowDriver driver;
        driver.open();
        const auto release = qScopeGuard([] { LmSingleInstance::release(); });
        if (updater)
            writeUpdater();
        QWidget *window = driver.window.get();
        QVERIFY(QTest::qWaitForWindowActive(window));
        int shownAsText = 0; // 3 texts; markup shown as such counts 99
        for (const QLabel *l : window->findChildren<QLabel *>())
            shownAsText += l->text().contains(text) * (l->textFormat() == Qt::PlainText ? 1 : 99);
        QCOMPARE(shownAsText, 3);

        for (int step = 0; step <= steps; ++step) {
            tabAround(window);
            for (int tab = 0; step == 1 && step < steps && !driver.reasonBox(2)->isChecked();
                 ++tab) {
                QVERIFY(tab < 20); // Tab reaches the second reason, Space ticks it
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus, focus == driver.reasonBox(2) ? Qt::Key_Space : Qt::Key_Tab);
            }
            if (step < steps)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                                step == 1 ? Qt::Key_Enter : Qt::Key_Return);
        }
        QCOMPARE(driver.page(), reached);
        QCOMPARE(driver.child("btnUpdate")->isVisible(), updater && reached == 21);

        QTimer::singleShot(0, window, [&] {
            if (way == "close") {
                window->windowHandle()->close();
            } else if (QWidget *button = driver.child(qPrintable(way))) {
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Return);
            } else {
                QTest::keyClick(window, Qt::Key(QKeySequence::fromString(way)[0]));
            }
        });
        QTimer::singleShot(300, window, [] { QCoreApplication::exit(1); }); // gone with the window
        QCOMPARE(QCoreApplication::exec() == 0, after < 0);
        QCOMPARE(driver.child("frameEmail")->isVisible(), finished);
        QVERIFY(after < 0 || driver.page() == after);
    }

    // The close-product dialog by keyboard: Tab reaches its named buttons, Escape is Cancel,
    // Return Continue (or the button that has the focus).
    void closeProductDialog_data()
    {
        QTest::addColumn<QString>("focused"); // the button given the focus, or none
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("processesEnded");
        QTest::newRow("Return") << "" << int(Qt::Key_Return) << true;
        QTest::newRow("Escape") << "" << int(Qt::Key_Escape) << false;
        QTest::newRow("Return on Cancel") << "btnCancel" << int(Qt::Key_Return) << false;
    }

    void closeProductDialog()
    {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(bool, processesEnded);
        QWidget parent;
        auto *dialog = new CheckCloseDlg(&parent);
        QSignalSpy ended(dialog, &CheckCloseDlg::completeKill);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        tabAround(dialog);
        if (!focused.isEmpty())
            dialog->findChild<QWidget *>(focused)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(ended.count(), processesEnded ? 1 : 0);
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

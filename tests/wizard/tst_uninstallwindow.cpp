// The wizard window driven by keyboard, in test mode (else it would remove the test's directory).
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "WindowDriver.h"
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
        QTest::addColumn<int>("steps");   // pages moved on by keyboard from the discount offer
        QTest::addColumn<QString>("way"); // a key, the window manager's close or a button's click
        QTest::addColumn<int>("after");   // page * 10 + inner page, or -1: the run ended
        const QByteArray two = "\"q1\", \"q2\"";
        QTest::newRow("survey, none ticked, Enter") << two << 1 << "Enter" << 20;
        QTest::newRow("survey without reasons, Enter") << QByteArray() << 1 << "Enter" << 21;
        // Upgrade Now is offered only for an updater this run proved, not one an earlier run left;
        // the finish text is shown before the run ends.
        QTest::newRow("upgrade offer, Upgrade Now") << two << 2 << "btnUpdate" << -1;
        QTest::newRow("progress, Escape") << two << 3 << "Esc" << 31;
        QTest::newRow("progress, close") << two << 3 << "close" << -1;
    }

    void pagesAndWaysOut()
    {
        QFETCH(QByteArray, reasons);
        QFETCH(int, steps);
        QFETCH(QString, way);
        QFETCH(int, after);
        env.writeFile("resources/uninstallConfig/uninstallChose.json",
                      "{\"uninstallChose\": {\"en\": [" + reasons + "]}, \"users\": \"" + text
                          + "\"}");
        writeUpdater(); // left by an earlier run
        WindowDriver driver;
        driver.open();
        const auto release = qScopeGuard([] { LmSingleInstance::release(); });
        if (way.contains("btnUpdate"))
            writeUpdater();
        QWidget *window = driver.window.get();
        QVERIFY(QTest::qWaitForWindowActive(window));
        int shownAsText = 0; // 3 texts; markup shown as such counts 99
        for (const QLabel *l : window->findChildren<QLabel *>())
            shownAsText += l->text().contains(text) * (l->textFormat() == Qt::PlainText ? 1 : 99);
        QCOMPARE(shownAsText, 3);

        for (int step = 0; step <= steps; ++step) {
            for (QWidget *w : window->findChildren<QWidget *>()) // every visible control is named
                if (w->isVisible() && w->focusPolicy() & Qt::TabFocus)
                    QVERIFY2(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) != "",
                             qPrintable(w->objectName()));
            for (int tab = 0; step == 1 && step < steps && !driver.reasonBox(2)->isChecked();
                 ++tab) {
                QVERIFY(tab < 20); // Tab reaches the second reason, Space ticks it
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus, focus == driver.reasonBox(2) ? Qt::Key_Space : Qt::Key_Tab);
            }
            if (step < steps)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                                step == 2 ? Qt::Key_Enter : Qt::Key_Return);
        }
        QCOMPARE(driver.page(), QList<int>({10, 20, 21, 31}).at(steps));
        QCOMPARE(driver.child("btnUpdate")->isVisible(), steps == 2 && way.contains("btnUpdate"));

        QTimer::singleShot(0, window, [&] {
            if (way == "close")
                window->windowHandle()->close();
            else if (way.endsWith("btnUpdate"))
                driver.child<QAbstractButton>("btnUpdate")->click();
            else
                QTest::keyClick(window, Qt::Key(QKeySequence::fromString(way)[0]));
        });
        QTimer::singleShot(300, window, [] { QCoreApplication::exit(1); }); // gone with the window
        QCOMPARE(QCoreApplication::exec() == 0, after < 0);
        QCOMPARE(driver.child("frameEmail")->isVisible(), after < 0 && steps == 3);
        QVERIFY(after < 0 || driver.page() == after);
    }
};

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

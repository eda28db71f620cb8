// The wizard window driven by keyboard in test mode, and by clicks through a real removal of a
// scratch installation.
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "WindowDriver.h"
#include "checkclose/CheckCloseDlg.h"
#include "checkclose/ProcessEnder.h"
#include "host/DataDirectory.h"
#include "host/Framework.h"
#include "host/LmSettings.h"
#include "wizard/ReasonSurvey.h"

#include <QtTest>
#include <QtWidgets>

// The product is not running here: there is nothing to end.
struct EndsNothing : ProcessEnder
{
    platform::EndedProcesses endProduct(const QString &, const QString &) override { return {}; }
};

class TestUninstallWindow : public QObject
{
    Q_OBJECT
    TestEnvironment env;
    UrlRecorder urlRecorder;
    const QByteArray text = "<img src=/dev/zero><b>x</b>";

    // Once started, the updater leaves the file updaterRan() beside itself.
    void writeUpdater()
    {
        QFile script(DataDirectory::updaterFile());
        QFile::remove(updaterRan());
        QVERIFY(QDir().mkpath(QFileInfo(script).path()) && script.open(QIODevice::WriteOnly)
                && script.write("#!/bin/sh\ntouch '" + QFile::encodeName(updaterRan()) + "'\n")
                && script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    static QString updaterRan() { return QFileInfo(DataDirectory::updaterFile()).path() + "/ran"; }

    void writeReasons(const QByteArray &keys, bool singleChoice = false)
    {
        env.writeFile("resources/uninstallConfig/uninstallChose.json",
                      "{\"uninstallChose\": {\"en\": [" + keys + "]}, \"users\": \"" + text
                          + "\", \"uninstallCuaseCheck\": " + (singleChoice ? "true" : "false")
                          + "}");
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

    // Tab reaches the second reason, Space ticks it.
    static void tickSecondReason(const WindowDriver &driver)
    {
        for (int tab = 0; !driver.reasonBox(2)->isChecked(); ++tab) {
            QVERIFY(tab < 20);
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus, focus == driver.reasonBox(2) ? Qt::Key_Space : Qt::Key_Tab);
        }
    }

    // Whether this act ends the run: the window asks the application to quit at once, or never.
    static bool endsRun(const std::function<void()> &act)
    {
        QObject stopper;
        QTimer::singleShot(0, &stopper, [&] {
            act();
            QTimer::singleShot(0, &stopper, [] { QCoreApplication::exit(1); });
        });
        return QCoreApplication::exec() == 0;
    }

    // A run out of test mode on the installation "app" in scratch, with the installed documents
    // in its own resources: nothing else is named to it, and no report goes anywhere.
    RunContext scratchRun(const QTemporaryDir &scratch)
    {
        const QString app = scratch.filePath("app");
        for (const QString name : {"uninstallChose.json", "uninstallCause.json"}) {
            const QString document = "/uninstallConfig/" + name;
            QDir().mkpath(QFileInfo(app + "/resources" + document).path());
            QFile::copy(env.resourceRoot() + document, app + "/resources" + document);
        }
        RunContext run = RunContext::fromHost();
        run.installRoot = QDir(app);
        run.resourceRoot = app + "/resources";
        run.updaterFile = app + "/no updater";
        run.testMode = false;
        run.reportUrl.clear();
        return run;
    }

    void removeInstallation(WindowDriver &driver, const QTemporaryDir &scratch)
    {
        QVERIFY(scratch.isValid());
        writeReasons("\"q1\"");
        driver.open(scratchRun(scratch));
        driver.child<QAbstractButton>("btnContinue_1")->click();
        QTRY_VERIFY(!driver.reasonBox(1)->isHidden());
        driver.reasonBox(1)->click();
        driver.child<QAbstractButton>("btnContinue_2")->click();
        QTRY_VERIFY(driver.child("frameEmail")->isVisible());
    }

    static void writePicture(const QString &file, Qt::GlobalColor colour)
    {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(colour);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && picture.save(file));
    }

    static QColor centreColour(QWidget *widget)
    {
        const QImage shown = widget->grab().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
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
        QTest::addColumn<bool>("updater");    // one proven in this run: the upgrade offer is made
        QTest::addColumn<int>("steps");       // pages moved on by keyboard from the discount offer
        QTest::addColumn<QString>("reached"); // the page shown after those steps
        QTest::addColumn<QString>("way");   // a key, the window manager's close or a button's name
        QTest::addColumn<bool>("ended");    // the way out ended the run
        QTest::addColumn<QString>("after"); // the page shown after the way out
        QTest::addColumn<bool>("finished"); // the finish page with its e-mail line shown
        const QByteArray two = "\"q1\", \"q2\"";
        QTest::newRow("survey, none ticked, Enter") << two << false << 1 << "causePage"
                                                    << "Enter" << false << "causePage" << false;
        // Without an updater the survey's Continue is the confirmation.
        QTest::newRow("survey without reasons, Enter")
            << QByteArray() << false << 1 << "causePage"
            << "Enter" << false << "uninstallPag" << false;
        // Upgrade Now is offered only for an updater this run proved, not one an earlier run left;
        // the ways out named after a button are Return with that button focused.
        QTest::newRow("upgrade offer, Upgrade Now") << two << true << 2 << "updatePage"
                                                    << "btnUpdate" << true << "updatePage" << false;
        // Return answers for the button that has the focus: on Cancel it does not go on.
        QTest::newRow("upgrade offer, Return on Cancel")
            << two << true << 2 << "updatePage"
            << "btnCancel_3" << true << "updatePage" << false;
        QTest::newRow("finish, Escape is Done") << two << false << 2 << "uninstallPag"
                                                << "Esc" << false << "uninstallPag" << true;
        QTest::newRow("finish, close") << two << false << 2 << "uninstallPag"
                                       << "close" << true << "uninstallPag" << true;
    }

    void pagesAndWaysOut()
    {
        QFETCH(QByteArray, reasons);
        QFETCH(bool, updater);
        QFETCH(int, steps);
        QFETCH(QString, reached);
        QFETCH(QString, way);
        QFETCH(bool, ended);
        QFETCH(QString, after);
        QFETCH(bool, finished);
        writeReasons(reasons);
        writeUpdater(); // left by an earlier run
        WindowDriver driver;
        driver.open();
        if (updater)
            writeUpdater();
        QWidget *window = driver.window.get();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // The documents' texts are shown as they stand, markup and all: in the carousel's tiles.
        int plainTexts = 0, richTexts = 0;
        for (const QLabel *label : window->findChildren<QLabel *>())
            if (label->text().contains(text))
                ++(label->textFormat() == Qt::PlainText ? plainTexts : richTexts);
        QCOMPARE(plainTexts, 3);
        QCOMPARE(richTexts, 0);

        for (int step = 0; step < steps; ++step) {
            tabAround(window);
            if (driver.page() == "causePage")
                tickSecondReason(driver);
            QWidget *focus = QApplication::focusWidget();
            // Return and the keypad's Enter both move on.
            QTest::keyClick(focus ? focus : window, step == 1 ? Qt::Key_Enter : Qt::Key_Return);
        }
        tabAround(window);
        QCOMPARE(driver.page(), reached);
        QCOMPARE(driver.child("btnUpdate")->isVisible(), updater && reached == "updatePage");

        uninstallCancelled = false;
        const bool runEnded = endsRun([&] {
            if (way == "close") {
                window->windowHandle()->close();
            } else if (QWidget *button = driver.child(qPrintable(way))) {
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Return);
            } else {
                QTest::keyClick(window, Qt::Key(QKeySequence::fromString(way)[0]));
            }
        });
        QCOMPARE(runEnded, ended);
        QTRY_COMPARE(QFileInfo::exists(updaterRan()), way == "btnUpdate");
        // Leaving for the updater, or from its offer, is no uninstall.
        QCOMPARE(uninstallCancelled, after == "updatePage");
        QCOMPARE(driver.page(), after);
        QCOMPARE(driver.child("frameEmail")->isVisible(), finished);
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
        RunContext run = RunContext::fromHost();
        run.processEnder = std::make_shared<EndsNothing>();
        auto *dialog = new CheckCloseDlg(run, &parent);
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

    // The removal empties the installation and leaves its folder; the pictures shown still show
    // when they are decoded again, as on a page shown for the first time.
    void removalInProcess()
    {
        QTemporaryDir scratch;
        const QString app = scratch.filePath("app");
        writePicture(app + "/resources/uninstallConfig/banner_pic/en.png", Qt::red);
        writePicture(app + "/resources/uninstallConfig/promotion_pic/en.png", Qt::blue);
        writePicture(app + "/resources/skins/default/logo.png", Qt::green);
        const QStringList skins = QDir::searchPaths("skin");
        const auto restore = qScopeGuard([&] { QDir::setSearchPaths("skin", skins); });
        QDir::setSearchPaths("skin", {app + "/resources/skins/default"});
        WindowDriver driver;
        removeInstallation(driver, scratch);
        QVERIFY(QFileInfo(app).isDir());
        QCOMPARE(QDir(app).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        QPixmapCache::clear();
        driver.window->setStyleSheet("#titleLogo { image: url(skin:logo.png); }");
        QCOMPARE(centreColour(driver.child("discountBg")), QColor(Qt::red));
        QCOMPARE(centreColour(driver.child("purchaseImg")), QColor(Qt::blue));
        QCOMPARE(centreColour(driver.child("titleLogo")), QColor(Qt::green));
    }

    // Out of test mode, leaving before the confirmation ends the run as a cancel and removes
    // nothing.
    void leavingBeforeTheConfirmationRemovesNothing_data()
    {
        QTest::addColumn<bool>("onSurvey"); // else on the discount offer
        QTest::newRow("Cancel on the discount offer") << false;
        QTest::newRow("window closed on the survey") << true;
    }

    void leavingBeforeTheConfirmationRemovesNothing()
    {
        QFETCH(bool, onSurvey);
        QTemporaryDir scratch;
        const QString app = scratch.filePath("app");
        writePicture(app + "/kept.png", Qt::red);
        uninstallCancelled = false;
        WindowDriver driver;
        driver.open(scratchRun(scratch));
        if (onSurvey)
            driver.child<QAbstractButton>("btnContinue_1")->click();
        QVERIFY(endsRun([&] {
            if (onSurvey)
                driver.window->windowHandle()->close();
            else
                driver.child<QAbstractButton>("btnCancel_1")->click();
        }));
        QCOMPARE(uninstallCancelled, true);
        QVERIFY(QFileInfo::exists(app + "/kept.png"));
    }

    void languageBoxOffersTheSettingsLanguages()
    {
        WindowDriver driver;
        driver.open();
        const auto *box = driver.child<QComboBox>("comboBox");
        QStringList listed;
        for (int i = 0; i < box->count(); ++i)
            listed << box->itemText(i);
        QCOMPARE(listed, LmSettings::offeredLanguages());
    }

    void singleChoiceSurveyAndTypedCause()
    {
        writeReasons("\"q1\", \"q2\"", true);
        WindowDriver driver;
        driver.open();
        driver.child<QAbstractButton>("btnContinue_1")->click();
        QTRY_VERIFY(driver.child("causeEdit")->isEnabled());
        driver.reasonBox(1)->click();
        driver.reasonBox(2)->click();
        QCOMPARE(driver.reasonBox(1)->isChecked(), false);
        QCOMPARE(driver.reasonBox(2)->isChecked(), true);
        QTest::keyClicks(driver.child("causeEdit"), "too slow");
        const auto *survey = driver.window->findChild<ReasonSurvey *>();
        QCOMPARE(survey->answers().causeText, QString("too slow"));
    }
};

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

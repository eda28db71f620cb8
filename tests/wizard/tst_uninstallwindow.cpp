// The wizard window driven as a user would. Every run is in test mode: in normal mode the
// window would remove the test binary's own directory.
#include "Framework.h"
#include "HttpTestServer.h"
#include "LmSingleInstance.h"
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "WindowDriver.h"
#include "config/UninstallProfile.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

// Whether the action ends the application's event loop, as the wizard ends its run.
bool endsTheRun(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer deadline; // stopped with the function, so it cannot end a later run
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    deadline.start(300);
    return QCoreApplication::exec() == 0;
}

} // namespace

class TestUninstallWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keyboardAndWaysOut_data();
    void keyboardAndWaysOut();
    void documentTextsShowAsText();
    void emptySurveyLetsTheUserOn();
    void upgradeOnlyWithThisRunsUpdater();

private:
    void open(const QByteArray &reasons,
              const QByteArray &text = "Too slow",
              const QString &reportUrl = {});
    void pressKey(Qt::Key key) const;
    void verifyAccessible() const;

    TestEnvironment env;
    UrlRecorder urlRecorder;
    WindowDriver driver;
};

void TestUninstallWindow::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    // Two tile positions: the recommended apps are shown.
    qApp->setStyleSheet("ClickedStackedWidget { qproperty-FrameRecBg: \"a.png*b.png\"; }");
}

void TestUninstallWindow::init()
{
    uninstallCancelled = false;
    env.clearLogAndUsage();
}

void TestUninstallWindow::cleanup()
{
    driver.window.reset();
    LmSingleInstance::release();
}

// The survey offers the reasons (q1 and q2, quoted), each with the text; five apps are shown.
void TestUninstallWindow::open(const QByteArray &reasons,
                               const QByteArray &text,
                               const QString &reportUrl)
{
    QByteArray apps;
    for (int i = 0; i < 5; ++i)
        apps += QByteArray(i ? "," : "")
                + "{\"icon\": \"a.png\", \"url\": \"https://a.example.com\", \"name\": \"" + text
                + "\"}";
    const QByteArray causes = "\"q1\": \"" + text + "\", \"q2\": \"" + text + "\"";
    env.writeFile("resources/uninstallConfig/recommendApp.json",
                  "{\"recommendApp\": {\"en\": [" + apps + "]}}");
    env.writeFile("resources/uninstallConfig/uninstallChose.json",
                  "{\"uninstallChose\": {\"en\": [" + reasons + "]}, \"users\": \"" + text + "\"}");
    env.writeFile("resources/uninstallConfig/uninstallCause.json",
                  "{\"uninstallCause\": {\"en\": {" + causes + "}}}");
    env.writeProductIni({{"uninstallTest", "1"}, {"uninstallReportUrl", reportUrl}});
    driver.open();
}

// Keys go where a keyboard's would: to the focused widget, else to the window.
void TestUninstallWindow::pressKey(Qt::Key key) const
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : driver.window.get(), key);
}

// Every visible control has a name, every picture a description.
void TestUninstallWindow::verifyAccessible() const
{
    for (QWidget *widget : driver.window->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(widget)
                             || qobject_cast<QLineEdit *>(widget)
                             || qobject_cast<QTextEdit *>(widget)
                             || qobject_cast<QComboBox *>(widget);
        if (control && widget->isVisible())
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

void TestUninstallWindow::keyboardAndWaysOut_data()
{
    QTest::addColumn<int>("steps"); // pages moved on by keyboard from the discount offer
    QTest::addColumn<int>("way");   // a key, or 0: the window manager's close
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("label"); // the usage event it sends, if any
    QTest::newRow("discount offer, close") << 0 << 0 << true << "d_click_cancel";
    QTest::newRow("discount offer, Escape") << 0 << int(Qt::Key_Escape) << true << "d_click_cancel";
    QTest::newRow("survey, close") << 1 << 0 << true << "r_click_cancel";
    QTest::newRow("survey, no reason, Enter") << 1 << int(Qt::Key_Enter) << false << QString();
    QTest::newRow("upgrade offer, Escape") << 2 << int(Qt::Key_Escape) << true << "u_click_cancel";
    QTest::newRow("progress, Escape") << 3 << int(Qt::Key_Escape) << false << QString();
    // The finish text is shown before the run ends.
    QTest::newRow("progress, close") << 3 << 0 << true << QString();
    QTest::newRow("finish, close") << 4 << 0 << true << QString();
}

void TestUninstallWindow::keyboardAndWaysOut()
{
    QFETCH(int, steps);
    QFETCH(int, way);
    QFETCH(bool, ends);
    QFETCH(QString, label);
    open("\"q1\", \"q2\"");
    QVERIFY(QTest::qWaitForWindowActive(driver.window.get()));
    for (int step = 0; step < steps; ++step) {
        verifyAccessible();
        if (step == 1) {
            for (int tabs = 0; tabs < 20 && QApplication::focusWidget() != driver.reasonBox(2);
                 ++tabs)
                pressKey(Qt::Key_Tab);
            pressKey(Qt::Key_Space);
            QVERIFY(driver.reasonBox(2)->isChecked());
        }
        pressKey(step == 2 ? Qt::Key_Enter : Qt::Key_Return);
    }
    const QList<int> pages{10, 20, 21, 31, 31}; // page * 10 + inner page
    const auto where = [this] {
        return driver.page() * 10 + driver.child<QStackedWidget>("causePage_2")->currentIndex();
    };
    QCOMPARE(where(), pages.at(steps));
    QCOMPARE(driver.child("frameEmail")->isVisible(), steps == 4);
    verifyAccessible();
    env.clearLogAndUsage();

    QWidget *window = driver.window.get();
    QCOMPARE(endsTheRun([window, way] {
                 if (way)
                     QTest::keyClick(window, Qt::Key(way));
                 else
                     window->windowHandle()->close();
             }),
             ends);
    QCOMPARE(uninstallCancelled, ends && steps < 3);
    QCOMPARE(env.usageLabels(), label.isEmpty() ? QStringList() : QStringList{label});
    QCOMPARE(driver.child("frameEmail")->isVisible(), steps == 4 || (ends && steps == 3));
    if (!ends)
        QCOMPARE(where(), pages.at(steps));
}

void TestUninstallWindow::documentTextsShowAsText()
{
    const QByteArray markup = "<img src=/dev/zero><b>x</b>";
    open("\"q1\"", markup);
    const QString text = QString::fromUtf8(markup);
    QCOMPARE(driver.reasonBox(1)->text(), text);
    QVERIFY(driver.child<QLabel>("hintLab")->text().contains(text.toHtmlEscaped()));
    int shownAsText = 0;
    for (const QLabel *label : driver.window->findChildren<QLabel *>()) {
        const bool plain = label->textFormat() == Qt::PlainText;
        QVERIFY2(plain || !label->text().contains(text), qPrintable(label->objectName()));
        shownAsText += plain && label->text() == text;
    }
    QCOMPARE(shownAsText, 5);
}

// With no reason to choose, Continue must not hold the user on the survey.
void TestUninstallWindow::emptySurveyLetsTheUserOn()
{
    HttpTestServer server;
    server.setResponse("/report", HttpTestServer::answer(200, "thanks"));
    open("", "", server.url("/report").toString());
    driver.goToPage(1);
    for (int row = 1; row <= 6; ++row)
        QVERIFY(!driver.reasonBox(row)->isVisible());
    driver.click("btnContinue_2");
    driver.click("btnContinue_3");
    QCOMPARE(driver.page(), 3);
    QTRY_COMPARE(server.requests().size(), 1);
    QCOMPARE(QJsonDocument::fromJson(server.requests().first().body)["uninstallCause"],
             QJsonValue(QJsonArray{""}));
}

// Only an updater this run has proven is offered; one left by an earlier run is not.
void TestUninstallWindow::upgradeOnlyWithThisRunsUpdater()
{
    const QString updater = UninstallProfile::updaterPath();
    const QString marker = env.root() + "/updater-runs";
    const auto writeUpdater = [&] {
        QDir().mkpath(QFileInfo(updater).absolutePath());
        QFile script(updater);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho run >> '" + marker.toUtf8() + "'\n");
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    };
    writeUpdater();
    open("\"q1\"");
    driver.goToPage(2);
    QVERIFY(driver.child("btnUpdate")->isHidden());
    cleanup();

    open("\"q1\"");
    writeUpdater();
    driver.goToPage(2);
    // While the window is dragged no offer acts.
    const QPoint surface(5, driver.window->height() - 5);
    QTest::mousePress(driver.window.get(), Qt::LeftButton, {}, surface);
    QMouseEvent move(QEvent::MouseMove, surface + QPoint(3, 0), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(driver.window.get(), &move);
    driver.child<QAbstractButton>("btnUpdate")->click();
    QVERIFY(!uninstallCancelled);
    QTest::mouseRelease(driver.window.get(), Qt::LeftButton, {}, surface);
    QVERIFY(endsTheRun([this] { driver.child<QAbstractButton>("btnUpdate")->click(); }));
    QVERIFY(uninstallCancelled);
    const auto runs = [&marker] {
        QFile file(marker);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE(runs(), QByteArray("run\n"));
}

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

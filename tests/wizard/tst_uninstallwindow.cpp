// The wizard window driven as a user would, by object name. Confirmation paths run in test
// mode only: in normal mode the window would remove the test binary's own directory.
#include "Framework.h"
#include "HttpTestServer.h"
#include "LmProductInfo.h"
#include "LmSettings.h"
#include "LmSingleInstance.h"
#include "SelfSignedCertificate.h"
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "WindowDriver.h"
#include "wizard/UserIdentifier.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <functional>

#include <algorithm>

namespace {

const char fullSkin[] = "Uninstall { qproperty-textColor: \"gray*orange*red\";"
                        " qproperty-textWeight: \"400*700*800\"; qproperty-lineHeight: \"150%\";"
                        " qproperty-editTextHeight: 31; }"
                        " ClickedStackedWidget { qproperty-FrameRecBg: \"a.png*b.png\"; }";

QByteArray reasonsDocument(bool singleChoice, const QByteArray &keys)
{
    return "{\"uninstallChose\": {\"en\": [" + keys
           + "], \"default\": [\"q1\"]},"
             " \"uninstallCuaseCheck\": "
           + QByteArray(singleChoice ? "true" : "false") + ", \"users\": \"1,000,000\"}";
}

// Five apps named so: the carousel shows its arrows.
QByteArray appsDocument(const QByteArray &name)
{
    QByteArray apps;
    for (int i = 0; i < 5; ++i)
        apps += QByteArray(i ? "," : "") + "{\"icon\": \"a.png\", \"name\": \"" + name
                + "\", \"url\": \"https://a.example.com\"}";
    return "{\"recommendApp\": {\"en\": [" + apps + "]}}";
}

// Whether the action ends the application's event loop, as the wizard ends its run.
bool endsTheRun(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer deadline; // stopped with the function, so it cannot end a later run
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    deadline.start(300);
    return QCoreApplication::exec() == 0;
}

// Keys go where a keyboard's would: to the focused widget, else to the window.
void pressKey(QWidget *window, Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window, key);
}

} // namespace

class TestUninstallWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsOnLoadingPageAndLeavesIt();
    void skinPropertiesStyleTheOfferTexts();
    void singleWeightSkinLeavesOfferTextsAlone();
    void surveyMultipleChoice();
    void surveySingleChoice();
    void surveyWithFewReasons_data();
    void surveyWithFewReasons();
    void documentTextsShowAsText();
    void waysOutOfEachPage_data();
    void waysOutOfEachPage();
    void keyboardAloneThroughEveryPage();
    void firstReportPostedAtConfirmation();
    void reportsFollowTheCertificateRule_data();
    void reportsFollowTheCertificateRule();

private:
    void writeDocuments(bool singleChoice, const QByteArray &keys);
    void openWindow(const QMap<QString, QString> &extend = {}, const char *skin = fullSkin);
    void goToSurvey();
    void verifyAccessibleNames() const;

    TestEnvironment env;
    UrlRecorder urlRecorder;
    WindowDriver driver;
};

void TestUninstallWindow::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
}

void TestUninstallWindow::init()
{
    uninstallCancelled = false;
    env.clearLogAndUsage();
    writeDocuments(false, "\"q1\", \"q2\", \"q3\", \"q4\", \"q15\", \"q6\"");
    urlRecorder.urls.clear();
}

void TestUninstallWindow::cleanup()
{
    driver.close();
    LmSingleInstance::release();
    qApp->setStyleSheet(QString());
}

void TestUninstallWindow::writeDocuments(bool singleChoice, const QByteArray &keys)
{
    env.writeFile(QStringLiteral("resources/uninstallConfig/recommendApp.json"), appsDocument("A"));
    env.writeFile(QStringLiteral("resources/uninstallConfig/uninstallChose.json"),
                  reasonsDocument(singleChoice, keys));
    env.writeFile(QStringLiteral("resources/uninstallConfig/uninstallCause.json"),
                  "{\"uninstallCause\": {\"en\": {\"q1\": \"Too slow\", \"q2\": \"Crashes\","
                  " \"q3\": \"Too hard\", \"q4\": \"Missing feature\", \"q15\": \"Too expensive\","
                  " \"q6\": \"Other\"}}}");
}

void TestUninstallWindow::openWindow(const QMap<QString, QString> &extend, const char *skin)
{
    env.writeProductIni(extend);
    qApp->setStyleSheet(QString::fromLatin1(skin));
    driver.open();
}

void TestUninstallWindow::goToSurvey()
{
    driver.goToPage(1);
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 2);
    QCOMPARE(driver.child<QStackedWidget>("causePage_2")->currentIndex(), 0);
}

void TestUninstallWindow::startsOnLoadingPageAndLeavesIt()
{
    env.writeProductIni();
    driver.create();
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 0);
    QCOMPARE(driver.window()->objectName(), QStringLiteral("UnInstallWindow"));
    QCOMPARE(driver.child<QLabel>("titleLab")->text(), QStringLiteral("Uninstall Demo Suite"));
    QVERIFY(driver.child<QWidget>("changeLangFrame")->isHidden());
    QVERIFY(driver.child<QWidget>("btnComplete")->isHidden());
    QVERIFY(!driver.child<QWidget>("btnContinue_2")->isEnabled());
    const auto *box = driver.child<QComboBox>("comboBox");
    QStringList languages;
    for (int i = 0; i < box->count(); ++i)
        languages.append(box->itemText(i));
    QCOMPARE(languages, LmSettings::offeredLanguages()); // a code it offers is kept when saved
    QCOMPARE(languages.size(), 23);
    QCOMPARE(env.usageLabels(), QStringList{QStringLiteral("init_success")});

    QTRY_COMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 1);
    QVERIFY(driver.child<QWidget>("loadingLab")->isHidden());
    const QStringList log = env.logTexts();
    QVERIFY(log.indexOf(QStringLiteral("Uninstall inint start!"))
            < log.indexOf(QStringLiteral("Uninstall inint ending!")));
    QVERIFY(log.indexOf(QStringLiteral("Uninstall bind recApp!"))
            < log.indexOf(QStringLiteral("loading end!")));
}

void TestUninstallWindow::skinPropertiesStyleTheOfferTexts()
{
    openWindow();
    QVERIFY(env.logTexts().contains(QStringLiteral("initUI labInit!")));
    QVERIFY(env.logTexts().contains(QStringLiteral("bind TextColor:gray*orange*red")));
    QVERIFY(driver.child<QLabel>("purchaseLab")
                ->text()
                .contains(QStringLiteral("<p style='line-height: 150%'>")));
    QVERIFY(driver.child<QLabel>("purchaseLab")
                ->text()
                .contains(QStringLiteral("font-weight: 400; color:gray;'>Special Discount")));
    QVERIFY(
        driver.child<QLabel>("updateTipLab")->text().contains(QStringLiteral("line-height: 150%")));
    QVERIFY(driver.child<QLabel>("hintLab")->text().contains(
        QStringLiteral("font-weight:700; color:orange;'>1,000,000</span> users")));
}

void TestUninstallWindow::singleWeightSkinLeavesOfferTextsAlone()
{
    openWindow({}, "Uninstall { qproperty-textWeight: \"400\"; qproperty-textColor: \"a*b\"; }");
    QVERIFY(driver.child<QLabel>("purchaseLab")->text().isEmpty());
    QVERIFY(
        driver.child<QLabel>("updateTipLab")->text().contains(QStringLiteral("line-height: %1")));
    QVERIFY(!env.logTexts().contains(QStringLiteral("initUI labInit!")));
}

void TestUninstallWindow::surveyMultipleChoice()
{
    openWindow();
    goToSurvey();
    const QStringList keys{"q1", "q2", "q3", "q4", "q15", "q6"};
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(driver.reasonBox(i + 1)->objectName(), keys.at(i));
        QVERIFY(driver.reasonBox(i + 1)->isVisible());
    }
    QCOMPARE(driver.reasonBox(4)->text(), QStringLiteral("Missing feature"));
    QVERIFY(env.logTexts().contains(QStringLiteral("uninstall cause size: 6")));
    auto *featureLine = driver.child<QLineEdit>("optionLineEdit_1");
    auto *priceLine = driver.child<QLineEdit>("optionLineEdit_2");
    QVERIFY(!featureLine->isVisible());

    QTest::mouseClick(driver.reasonBox(4), Qt::LeftButton);
    QVERIFY(featureLine->isVisible());
    QCOMPARE(featureLine->height(), 31);
    QVERIFY(driver.child<QWidget>("btnContinue_2")->isEnabled());
    QTest::mouseClick(driver.reasonBox(5), Qt::LeftButton);
    QVERIFY(priceLine->isVisible());

    QTest::mouseClick(driver.reasonBox(4), Qt::LeftButton);
    QTest::mouseClick(driver.reasonBox(5), Qt::LeftButton);
    QVERIFY(!featureLine->isVisible());
    QVERIFY(!priceLine->isVisible());
    QVERIFY(!driver.child<QWidget>("btnContinue_2")->isEnabled());
}

void TestUninstallWindow::surveySingleChoice()
{
    writeDocuments(true, "\"q4\", \"q2\", \"Q4\"");
    openWindow();
    goToSurvey();
    auto *featureLine = driver.child<QLineEdit>("optionLineEdit_1");
    QTest::mouseClick(driver.reasonBox(1), Qt::LeftButton); // "q4" in the first row
    QVERIFY(featureLine->isVisible());
    QTest::mouseClick(driver.reasonBox(2), Qt::LeftButton);
    QVERIFY(!driver.reasonBox(1)->isChecked());
    QVERIFY(!featureLine->isVisible());
    QVERIFY(driver.child<QWidget>("btnContinue_2")->isEnabled());
    QTest::mouseClick(driver.reasonBox(2), Qt::LeftButton); // an exclusive box stays checked
    QVERIFY(driver.child<QWidget>("btnContinue_2")->isEnabled());
    QTest::mouseClick(driver.reasonBox(3), Qt::LeftButton); // "Q4" has no answer line
    QVERIFY(!featureLine->isVisible());
}

void TestUninstallWindow::surveyWithFewReasons_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("shown");
    QTest::newRow("three") << QByteArray("\"q1\", \"q2\", \"q3\"") << 3;
    QTest::newRow("none") << QByteArray() << 0;
}

void TestUninstallWindow::surveyWithFewReasons()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, shown);
    HttpTestServer server;
    server.setResponse(QStringLiteral("/report"), HttpTestServer::answer(200, "thanks"));
    writeDocuments(false, keys);
    openWindow(
        {{QStringLiteral("uninstallTest"), QStringLiteral("1")},
         {QStringLiteral("uninstallReportUrl"), server.url(QStringLiteral("/report")).toString()}});
    goToSurvey();
    for (int row = shown + 1; row <= 6; ++row) {
        QVERIFY(!driver.reasonBox(row)->isVisible());
        QCOMPARE(driver.reasonBox(row)->objectName(), QStringLiteral("option_%1").arg(row));
    }
    // Without a reason to choose, Continue must not hold the user on the survey.
    QCOMPARE(driver.child<QWidget>("btnContinue_2")->isEnabled(), shown == 0);
    if (shown > 0)
        QTest::mouseClick(driver.reasonBox(1), Qt::LeftButton);
    driver.click("btnContinue_2");
    driver.click("btnContinue_3");
    QTRY_COMPARE(server.requests().size(), 1);
    const QJsonArray causes = QJsonDocument::fromJson(server.requests().first().body)
                                  .object()
                                  .value(QStringLiteral("uninstallCause"))
                                  .toArray();
    QCOMPARE(causes.size(), shown > 0 ? 7 : 1); // the six boxes and the free text, or the text
}

void TestUninstallWindow::documentTextsShowAsText()
{
    const QByteArray markup = "<img src=/dev/zero><b>x</b>";
    env.writeFile(QStringLiteral("resources/uninstallConfig/recommendApp.json"),
                  appsDocument(markup));
    env.writeFile(QStringLiteral("resources/uninstallConfig/uninstallChose.json"),
                  "{\"uninstallChose\": {\"en\": [\"q1\"]}, \"users\": \"" + markup + "\"}");
    env.writeFile(QStringLiteral("resources/uninstallConfig/uninstallCause.json"),
                  "{\"uninstallCause\": {\"en\": {\"q1\": \"" + markup + "\"}}}");
    openWindow();
    const QString text = QString::fromUtf8(markup);
    QCOMPARE(driver.reasonBox(1)->text(), text);
    QVERIFY(driver.child<QLabel>("hintLab")->text().contains(text.toHtmlEscaped()));
    int shownAsText = 0;
    for (const QLabel *label : driver.window()->findChildren<QLabel *>()) {
        const bool plain = label->textFormat() == Qt::PlainText;
        QVERIFY2(plain || !label->text().contains(text), qPrintable(label->objectName()));
        shownAsText += plain && label->text() == text;
    }
    QCOMPARE(shownAsText, 5);
}

void TestUninstallWindow::waysOutOfEachPage_data()
{
    QTest::addColumn<int>("continues");
    QTest::addColumn<int>("key"); // 0: the window manager's close
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("label"); // the usage event it sends, if any
    QTest::newRow("discount offer, close") << 0 << 0 << true << "d_click_cancel";
    QTest::newRow("discount offer, Escape") << 0 << int(Qt::Key_Escape) << true << "d_click_cancel";
    QTest::newRow("survey, close") << 1 << 0 << true << "r_click_cancel";
    QTest::newRow("survey, no reason, Enter") << 1 << int(Qt::Key_Enter) << false << QString();
    QTest::newRow("upgrade offer, close") << 2 << 0 << true << "u_click_cancel";
    QTest::newRow("upgrade offer, Escape") << 2 << int(Qt::Key_Escape) << true << "u_click_cancel";
    // Test mode: the progress page offers "Done" at once and removes nothing.
    QTest::newRow("progress page, Escape") << 3 << int(Qt::Key_Escape) << false << QString();
    QTest::newRow("finish page, close") << 3 << 0 << true << QString();
}

void TestUninstallWindow::waysOutOfEachPage()
{
    QFETCH(int, continues);
    QFETCH(int, key);
    QFETCH(bool, ends);
    QFETCH(QString, label);
    const bool onProgressPage = continues == 3;
    openWindow({{QStringLiteral("uninstallTest"), onProgressPage ? "1" : "0"}});
    driver.goToPage(continues);
    env.clearLogAndUsage();
    QWidget *window = driver.window();
    QCOMPARE(endsTheRun([window, key] {
                 if (key)
                     QTest::keyClick(window, Qt::Key(key));
                 else
                     window->windowHandle()->close(); // as the window manager asks
             }),
             ends);
    QVERIFY(window->isVisible());
    QCOMPARE(uninstallCancelled, ends && !onProgressPage);
    QCOMPARE(env.usageLabels(), label.isEmpty() ? QStringList() : QStringList{label});
    // The finish page is left through "Done": the finish text is shown first.
    QCOMPARE(driver.child<QWidget>("frameEmail")->isVisible(), onProgressPage && ends);
}

void TestUninstallWindow::verifyAccessibleNames() const
{
    for (QWidget *widget : driver.window()->findChildren<QWidget *>()) {
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
}

void TestUninstallWindow::keyboardAloneThroughEveryPage()
{
    openWindow({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    QWidget *window = driver.window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (const char *picture : {"loadingLab", "purchaseImg", "discountBg"}) {
        QVERIFY(!QAccessible::queryAccessibleInterface(driver.child<QWidget>(picture))
                     ->text(QAccessible::Description)
                     .isEmpty());
    }
    QVERIFY(driver.child<QWidget>("changeLangFrame")->isVisible());
    QVERIFY(!driver.child<QWidget>("btnComplete")->isHidden());
    verifyAccessibleNames();
    pressKey(window, Qt::Key_Return);
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 2);
    verifyAccessibleNames();
    for (int tabs = 0; tabs < 20 && QApplication::focusWidget() != driver.reasonBox(2); ++tabs)
        pressKey(window, Qt::Key_Tab);
    pressKey(window, Qt::Key_Space);
    QVERIFY(driver.reasonBox(2)->isChecked());
    pressKey(window, Qt::Key_Return);
    QCOMPARE(driver.child<QStackedWidget>("causePage_2")->currentIndex(), 1);
    verifyAccessibleNames();
    pressKey(window, Qt::Key_Enter);
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 3);
    QVERIFY(driver.child<QWidget>("btnClose")->isVisible()); // no deletion in test mode
    verifyAccessibleNames();

    pressKey(window, Qt::Key_Return);
    QVERIFY(driver.child<QLabel>("thinkLab")
                ->text()
                .contains(QStringLiteral("font-weight:800;'>Uninstalled Successfully!")));
    QVERIFY(driver.child<QWidget>("frameEmail")->isVisible());
    QVERIFY(!driver.child<QWidget>("frameBar")->isVisible());
    QVERIFY(driver.window()->isVisible());
    verifyAccessibleNames();

    driver.click("btnClose");
    QVERIFY(!uninstallCancelled);
    const QStringList log = env.logTexts();
    QVERIFY(log.contains(QStringLiteral("check App isRunning?")));
    QVERIFY(log.contains(QStringLiteral("start first report!")));
    QCOMPARE(env.logLines(QStringLiteral("error")).last(),
             QStringLiteral("Uninstall close! PostData is empty"));
    QCOMPARE(env.usageLabels(),
             (QStringList{"init_success",
                          "d_click_uninstall",
                          "r_click_uninstall",
                          "u_click_uninstall"}));
}

void TestUninstallWindow::reportsFollowTheCertificateRule_data()
{
    QTest::addColumn<QString>("strictTls");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("errors ignored") << "0"
                                    << "HTTP POST request successful and Response: thanks";
    QTest::newRow("strict") << "1"
                            << "HTTP POST request failed: ";
}

void TestUninstallWindow::reportsFollowTheCertificateRule()
{
    QFETCH(QString, strictTls);
    QFETCH(QString, outcome);
    const SelfSignedCertificate identity = SelfSignedCertificate::generate();
    if (identity.isNull())
        QSKIP(qPrintable(identity.error));
    HttpTestServer server;
    server.useTls(identity.certificate, identity.key);
    server.setResponse(QStringLiteral("/report"), HttpTestServer::answer(200, "thanks"));
    openWindow(
        {{QStringLiteral("uninstallTest"), QStringLiteral("1")},
         {QStringLiteral("uninstallStrictTls"), strictTls},
         {QStringLiteral("uninstallReportUrl"), server.url(QStringLiteral("/report")).toString()}});
    driver.goToPage(3);
    const auto logged = [this, &outcome] {
        const QStringList lines = env.logTexts();
        return std::any_of(lines.cbegin(), lines.cend(), [&outcome](const QString &line) {
            return line.startsWith(outcome);
        });
    };
    QTRY_VERIFY(logged());
}

void TestUninstallWindow::firstReportPostedAtConfirmation()
{
    HttpTestServer server;
    server.setResponse(QStringLiteral("/report"), HttpTestServer::answer(200, "thanks"));
    openWindow(
        {{QStringLiteral("uninstallTest"), QStringLiteral("1")},
         {QStringLiteral("uninstallReportUrl"), server.url(QStringLiteral("/report")).toString()}});
    goToSurvey();
    QTest::mouseClick(driver.reasonBox(1), Qt::LeftButton);
    QTest::mouseClick(driver.reasonBox(4), Qt::LeftButton); // "q4" has an answer line
    QTest::keyClicks(driver.child<QLineEdit>("optionLineEdit_1"), QStringLiteral("abc"));
    QTest::keyClicks(driver.child<QWidget>("causeEdit"), QStringLiteral("slow start"));
    driver.click("btnContinue_2");
    driver.click("btnContinue_3");

    QTRY_COMPARE(server.requests().size(), 1);
    const HttpTestServer::Request request = server.requests().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.headers.value("content-type"), QByteArray("application/json"));
    const QJsonObject report = QJsonDocument::fromJson(request.body).object();
    const QString time = report.value(QStringLiteral("time")).toString();
    const QDateTime moment = QDateTime::fromString(time, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(qAbs(moment.secsTo(QDateTime::currentDateTime())) < 60);
    const QString tid = moment.toString(QStringLiteral("MMddyyyyhhmmss"));
    const QString userId = UserIdentifier::forCurrentUser(
        LmProductInfo::instance()->GUID(QString()));
    QVERIFY(!userId.isEmpty());
    QCOMPARE(request.body,
             "{\"brand\":\"Example Works\",\"language\":\"en\",\"productId\":\"1001\","
             "\"productName\":\"Demo Suite\",\"productVersion\":\"3.2.1\",\"tid\":\""
                 + tid.toLatin1() + "\",\"time\":\"" + time.toLatin1()
                 + "\",\"uninstallCause\":[{\"q1\":true},{\"q2\":false},{\"q3\":false},"
                   "{\"q4\":true},{\"q15\":false},{\"q6\":false},\"slow start\"],"
                   "\"uninstallLineEdit\":[{\"q4\":\"abc\"}],\"userId\":\""
                 + userId.toLatin1() + "\"}");
    QTRY_VERIFY(env.logTexts().contains(
        QStringLiteral("HTTP POST request successful and Response: thanks")));

    // Test mode ends at the close button without a second report.
    driver.click("btnComplete");
    driver.click("btnClose");
    QCOMPARE(server.requests().size(), 1);
}

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

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
#include <QApplication>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

#include <algorithm>

namespace {

const char fullSkin[] = "Uninstall { qproperty-textColor: \"gray*orange*red\";"
                        " qproperty-textWeight: \"400*700*800\"; qproperty-lineHeight: \"150%\";"
                        " qproperty-editTextHeight: 31; }";

QByteArray reasonsDocument(bool singleChoice, const QByteArray &keys)
{
    return "{\"uninstallChose\": {\"en\": [" + keys
           + "], \"default\": [\"q1\"]},"
             " \"uninstallCuaseCheck\": "
           + QByteArray(singleChoice ? "true" : "false") + ", \"users\": \"1,000,000\"}";
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
    void surveyWithThreeReasons();
    void flowThroughEveryPageInTestMode();
    void firstReportPostedAtConfirmation();
    void reportsFollowTheCertificateRule_data();
    void reportsFollowTheCertificateRule();

private:
    void writeDocuments(bool singleChoice, const QByteArray &keys);
    void openWindow(const QMap<QString, QString> &extend = {}, const char *skin = fullSkin);
    void goToSurvey();

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
    env.writeFile(QStringLiteral("resources/uninstallConfig/recommendApp.json"),
                  "{\"recommendApp\": {\"en\": [{\"icon\": \"a.png\", \"name\": \"A\","
                  " \"url\": \"https://a.example.com\"}]}}");
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
    const auto *languages = driver.child<QComboBox>("comboBox");
    QCOMPARE(languages->count(), 23);
    QCOMPARE(languages->itemText(0), QStringLiteral("en"));
    QCOMPARE(languages->itemText(22), QStringLiteral("ko"));
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

void TestUninstallWindow::surveyWithThreeReasons()
{
    writeDocuments(false, "\"q1\", \"q2\", \"q3\"");
    openWindow();
    goToSurvey();
    for (int row = 4; row <= 6; ++row) {
        QVERIFY(!driver.reasonBox(row)->isVisible());
        QCOMPARE(driver.reasonBox(row)->objectName(), QStringLiteral("option_%1").arg(row));
    }
}

void TestUninstallWindow::flowThroughEveryPageInTestMode()
{
    openWindow({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    QVERIFY(driver.child<QWidget>("changeLangFrame")->isVisible());
    QVERIFY(!driver.child<QWidget>("btnComplete")->isHidden());
    goToSurvey();
    QTest::mouseClick(driver.reasonBox(2), Qt::LeftButton);
    driver.click("btnContinue_2");
    QCOMPARE(driver.child<QStackedWidget>("causePage_2")->currentIndex(), 1);
    driver.click("btnContinue_3");
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 3);
    QVERIFY(driver.child<QWidget>("btnClose")->isVisible()); // no deletion in test mode

    driver.click("btnComplete");
    QVERIFY(driver.child<QLabel>("thinkLab")
                ->text()
                .contains(QStringLiteral("font-weight:800;'>Uninstalled Successfully!")));
    QVERIFY(driver.child<QWidget>("frameEmail")->isVisible());
    QVERIFY(!driver.child<QWidget>("frameBar")->isVisible());
    QVERIFY(driver.window()->isVisible());

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

// The wizard window driven as a user would, by object name. Confirmation paths run in test
// mode only: in normal mode the window would remove the test binary's own directory.
#include "Framework.h"
#include "HttpTestServer.h"
#include "LmProductInfo.h"
#include "LmSettings.h"
#include "LmSingleInstance.h"
#include "NamedLock.h"
#include "SelfSignedCertificate.h"
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "wizard/Uninstall.h"
#include "wizard/UserIdentifier.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

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
    void runningProductHoldsTheWizardBack();
    void cancelPaths_data();
    void cancelPaths();
    void draggingBlocksUserSlots();
    void offerPictureActsAsItsButton();
    void languageChangeEndsTheRun();

private:
    void writeDocuments(bool singleChoice, const QByteArray &keys);
    void openWindow(const QMap<QString, QString> &extend = {}, const char *skin = fullSkin);
    template<typename T>
    T *child(const char *name) const;
    QWidget *reasonBox(int index) const;
    void clickAndWait(const char *button);
    void goToSurvey();

    TestEnvironment env;
    UrlRecorder urlRecorder;
    std::unique_ptr<Uninstall> window;
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
    window.reset();
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
    window = std::make_unique<Uninstall>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_COMPARE(child<QStackedWidget>("processPage")->currentIndex(), 1);
}

template<typename T>
T *TestUninstallWindow::child(const char *name) const
{
    T *widget = window->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QWidget *TestUninstallWindow::reasonBox(int index) const
{
    // Boxes are renamed to their reason keys, so find them by their row frames.
    return child<QWidget>(qPrintable(QStringLiteral("frameOption_%1").arg(index)))
        ->findChild<QCheckBox *>();
}

void TestUninstallWindow::clickAndWait(const char *button)
{
    QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
}

void TestUninstallWindow::goToSurvey()
{
    clickAndWait("btnContinue_1");
    QCOMPARE(child<QStackedWidget>("processPage")->currentIndex(), 2);
    QCOMPARE(child<QStackedWidget>("causePage_2")->currentIndex(), 0);
}

void TestUninstallWindow::startsOnLoadingPageAndLeavesIt()
{
    env.writeProductIni();
    window = std::make_unique<Uninstall>();
    QCOMPARE(child<QStackedWidget>("processPage")->currentIndex(), 0);
    QCOMPARE(window->objectName(), QStringLiteral("UnInstallWindow"));
    QCOMPARE(child<QLabel>("titleLab")->text(), QStringLiteral("Uninstall Demo Suite"));
    QVERIFY(child<QWidget>("changeLangFrame")->isHidden());
    QVERIFY(child<QWidget>("btnComplete")->isHidden());
    QVERIFY(!child<QWidget>("btnContinue_2")->isEnabled());
    const auto *languages = child<QComboBox>("comboBox");
    QCOMPARE(languages->count(), 23);
    QCOMPARE(languages->itemText(0), QStringLiteral("en"));
    QCOMPARE(languages->itemText(22), QStringLiteral("ko"));
    QCOMPARE(env.usageLabels(), QStringList{QStringLiteral("init_success")});

    QTRY_COMPARE(child<QStackedWidget>("processPage")->currentIndex(), 1);
    QVERIFY(child<QWidget>("loadingLab")->isHidden());
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
    QVERIFY(child<QLabel>("purchaseLab")
                ->text()
                .contains(QStringLiteral("<p style='line-height: 150%'>")));
    QVERIFY(child<QLabel>("purchaseLab")
                ->text()
                .contains(QStringLiteral("font-weight: 400; color:gray;'>Special Discount")));
    QVERIFY(child<QLabel>("updateTipLab")->text().contains(QStringLiteral("line-height: 150%")));
    QVERIFY(child<QLabel>("hintLab")->text().contains(
        QStringLiteral("font-weight:700; color:orange;'>1,000,000</span> users")));
}

void TestUninstallWindow::singleWeightSkinLeavesOfferTextsAlone()
{
    openWindow({}, "Uninstall { qproperty-textWeight: \"400\"; qproperty-textColor: \"a*b\"; }");
    QVERIFY(child<QLabel>("purchaseLab")->text().isEmpty());
    QVERIFY(child<QLabel>("updateTipLab")->text().contains(QStringLiteral("line-height: %1")));
    QVERIFY(!env.logTexts().contains(QStringLiteral("initUI labInit!")));
}

void TestUninstallWindow::surveyMultipleChoice()
{
    openWindow();
    goToSurvey();
    const QStringList keys{"q1", "q2", "q3", "q4", "q15", "q6"};
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(reasonBox(i + 1)->objectName(), keys.at(i));
        QVERIFY(reasonBox(i + 1)->isVisible());
    }
    QCOMPARE(static_cast<QCheckBox *>(reasonBox(4))->text(), QStringLiteral("Missing feature"));
    QVERIFY(env.logTexts().contains(QStringLiteral("uninstall cause size: 6")));
    auto *featureLine = child<QLineEdit>("optionLineEdit_1");
    auto *priceLine = child<QLineEdit>("optionLineEdit_2");
    QVERIFY(!featureLine->isVisible());

    QTest::mouseClick(reasonBox(4), Qt::LeftButton);
    QVERIFY(featureLine->isVisible());
    QCOMPARE(featureLine->height(), 31);
    QVERIFY(child<QWidget>("btnContinue_2")->isEnabled());
    QTest::mouseClick(reasonBox(5), Qt::LeftButton);
    QVERIFY(priceLine->isVisible());

    QTest::mouseClick(reasonBox(4), Qt::LeftButton);
    QTest::mouseClick(reasonBox(5), Qt::LeftButton);
    QVERIFY(!featureLine->isVisible());
    QVERIFY(!priceLine->isVisible());
    QVERIFY(!child<QWidget>("btnContinue_2")->isEnabled());
}

void TestUninstallWindow::surveySingleChoice()
{
    writeDocuments(true, "\"q4\", \"q2\", \"Q4\"");
    openWindow();
    goToSurvey();
    auto *featureLine = child<QLineEdit>("optionLineEdit_1");
    QTest::mouseClick(reasonBox(1), Qt::LeftButton); // "q4" in the first row
    QVERIFY(featureLine->isVisible());
    QTest::mouseClick(reasonBox(2), Qt::LeftButton);
    QVERIFY(!static_cast<QCheckBox *>(reasonBox(1))->isChecked());
    QVERIFY(!featureLine->isVisible());
    QVERIFY(child<QWidget>("btnContinue_2")->isEnabled());
    QTest::mouseClick(reasonBox(2), Qt::LeftButton); // an exclusive box stays checked
    QVERIFY(child<QWidget>("btnContinue_2")->isEnabled());
    QTest::mouseClick(reasonBox(3), Qt::LeftButton); // "Q4" has no answer line
    QVERIFY(!featureLine->isVisible());
}

void TestUninstallWindow::surveyWithThreeReasons()
{
    writeDocuments(false, "\"q1\", \"q2\", \"q3\"");
    openWindow();
    goToSurvey();
    for (int row = 4; row <= 6; ++row) {
        QVERIFY(!reasonBox(row)->isVisible());
        QCOMPARE(reasonBox(row)->objectName(), QStringLiteral("option_%1").arg(row));
    }
}

void TestUninstallWindow::flowThroughEveryPageInTestMode()
{
    openWindow({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    QVERIFY(child<QWidget>("changeLangFrame")->isVisible());
    QVERIFY(!child<QWidget>("btnComplete")->isHidden());
    goToSurvey();
    QTest::mouseClick(reasonBox(2), Qt::LeftButton);
    clickAndWait("btnContinue_2");
    QCOMPARE(child<QStackedWidget>("causePage_2")->currentIndex(), 1);
    clickAndWait("btnContinue_3");
    QCOMPARE(child<QStackedWidget>("processPage")->currentIndex(), 3);
    QVERIFY(child<QWidget>("btnClose")->isVisible()); // no deletion in test mode

    clickAndWait("btnComplete");
    QVERIFY(child<QLabel>("thinkLab")
                ->text()
                .contains(QStringLiteral("font-weight:800;'>Uninstalled Successfully!")));
    QVERIFY(child<QWidget>("frameEmail")->isVisible());
    QVERIFY(!child<QWidget>("frameBar")->isVisible());
    QVERIFY(window->isVisible());

    clickAndWait("btnClose");
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
    goToSurvey();
    QTest::mouseClick(reasonBox(1), Qt::LeftButton);
    clickAndWait("btnContinue_2");
    clickAndWait("btnContinue_3");
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
    QTest::mouseClick(reasonBox(1), Qt::LeftButton);
    QTest::mouseClick(reasonBox(4), Qt::LeftButton); // "q4" has an answer line
    QTest::keyClicks(child<QLineEdit>("optionLineEdit_1"), QStringLiteral("abc"));
    QTest::keyClicks(child<QWidget>("causeEdit"), QStringLiteral("slow start"));
    clickAndWait("btnContinue_2");
    clickAndWait("btnContinue_3");

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
    clickAndWait("btnComplete");
    clickAndWait("btnClose");
    QCOMPARE(server.requests().size(), 1);
}

void TestUninstallWindow::runningProductHoldsTheWizardBack()
{
    openWindow({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    goToSurvey();
    QTest::mouseClick(reasonBox(1), Qt::LeftButton);
    clickAndWait("btnContinue_2");
    {
        platform::NamedLock product("Demo Suite");
        QCOMPARE(product.tryAcquire(), platform::NamedLock::Result::Acquired);
        clickAndWait("btnContinue_3");
        QCOMPARE(child<QStackedWidget>("processPage")->currentIndex(), 2);
        QCOMPARE(child<QStackedWidget>("causePage_2")->currentIndex(), 1);
    }
    clickAndWait("btnContinue_3");
    QCOMPARE(child<QStackedWidget>("processPage")->currentIndex(), 3);
    QCOMPARE(env.usageLabels().count(QStringLiteral("u_click_uninstall")), 2);
}

void TestUninstallWindow::cancelPaths_data()
{
    QTest::addColumn<int>("continues");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::newRow("discount offer, cancel") << 0 << "btnCancel_1"
                                            << "d_click_cancel";
    QTest::newRow("discount offer, close") << 0 << "btnClose"
                                           << "d_click_cancel";
    QTest::newRow("survey, cancel") << 1 << "btnCancel_2"
                                    << "r_click_cancel";
    QTest::newRow("upgrade offer, cancel") << 2 << "btnCancel_3"
                                           << "u_click_cancel";
    QTest::newRow("upgrade offer, close") << 2 << "btnClose"
                                          << "u_click_cancel";
}

void TestUninstallWindow::cancelPaths()
{
    QFETCH(int, continues);
    QFETCH(QString, button);
    QFETCH(QString, label);
    openWindow();
    if (continues >= 1)
        goToSurvey();
    if (continues >= 2) {
        QTest::mouseClick(reasonBox(1), Qt::LeftButton);
        clickAndWait("btnContinue_2");
    }
    clickAndWait(qPrintable(button));
    QVERIFY(uninstallCancelled);
    QCOMPARE(env.usageLabels().last(), label);
    QCOMPARE(env.logLines(QStringLiteral("error")).last(),
             QStringLiteral("Uninstall close! PostData is empty"));
    QVERIFY(!env.logTexts().contains(QStringLiteral("start first report!")));
    QVERIFY(urlRecorder.urls.isEmpty());
}

void TestUninstallWindow::draggingBlocksUserSlots()
{
    openWindow();
    const QPoint surface(5, window->height() - 5);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, surface);
    QMouseEvent move(QEvent::MouseMove,
                     surface + QPoint(3, 0),
                     Qt::LeftButton,
                     Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(window.get(), &move);
    child<QAbstractButton>("btnContinue_1")->click();
    child<QAbstractButton>("purchaseBtn")->click();
    child<QAbstractButton>("btnCancel_1")->click();
    QCOMPARE(child<QStackedWidget>("processPage")->currentIndex(), 1);
    QVERIFY(urlRecorder.urls.isEmpty());
    QVERIFY(!uninstallCancelled);
    QCOMPARE(env.usageLabels(), QStringList{QStringLiteral("init_success")});

    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, surface);
    child<QAbstractButton>("btnContinue_1")->click();
    QCOMPARE(child<QStackedWidget>("processPage")->currentIndex(), 2);
}

void TestUninstallWindow::offerPictureActsAsItsButton()
{
    openWindow();
    QTest::mouseClick(child<QWidget>("framePurchase"), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(urlRecorder.urls, QList<QUrl>{QUrl(QStringLiteral("https://shop.example.com/buy"))});
    QCOMPARE(env.usageLabels().last(), QStringLiteral("d_click_purchase"));
    goToSurvey();
    QTest::mouseClick(child<QWidget>("discountBg"), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(urlRecorder.urls.size(), 2);
    QCOMPARE(env.usageLabels().last(), QStringLiteral("r_click_purchase"));
}

void TestUninstallWindow::languageChangeEndsTheRun()
{
    openWindow({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    child<QComboBox>("comboBox")->setCurrentIndex(1);
    QVERIFY(uninstallCancelled);
    QCOMPARE(LmSettings::instance()->currentLanguage(QStringLiteral("en")), QStringLiteral("de"));
    LmSettings::instance()->setCurrentLanguage(QStringLiteral("en"));
}

QTEST_MAIN(TestUninstallWindow)
#include "tst_uninstallwindow.moc"

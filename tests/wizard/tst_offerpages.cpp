// The discount and upgrade offers: images by language, the purchase and update actions by page,
// and the pictures that must outlive the installation's files.
#include "Framework.h"
#include "LmResourceMgr.h"
#include "LmSettings.h"
#include "LmSingleInstance.h"
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "WindowDriver.h"
#include "config/UninstallProfile.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace {

const char skin[] = "Uninstall { qproperty-textColor: \"#ff6a00*#ff6a00\";"
                    " qproperty-textWeight: \"700*700*700\"; }"
                    " #purchaseImg { min-width: 84px; max-width: 84px; min-height: 50px;"
                    " max-height: 50px; }";
const QColor downloadedColour(Qt::red);
const QColor installedColour(Qt::blue);

void writeImage(const QString &path, const QColor &colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(QSize(84, 50), QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

// Stands in for the downloaded updater: each start adds a line with its argument count.
void writeTestUpdater(const QString &marker)
{
    const QString updater = UninstallProfile::updaterPath();
    QDir().mkpath(QFileInfo(updater).absolutePath());
    QFile script(updater);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"ran $#\" >> '" + marker.toUtf8() + "'\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestOfferPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void imagesByLanguage_data();
    void imagesByLanguage();
    void laterArrivalKeepsThePage();
    void purchaseByPage_data();
    void purchaseByPage();
    void upgradeStartsTheUpdater();
    void upgradeWithoutUpdaterStillEnds();
    void offersDoNothingWhileDragging();
    void finishPageKeepsItsPicturesWithoutTheInstallation();

private:
    void openWindow(const QMap<QString, QString> &extend = {});
    QString downloadDir() const;
    QString installedImage(const char *kind, const QString &language) const;

    TestEnvironment env;
    UrlRecorder urlRecorder;
    WindowDriver driver;
};

void TestOfferPages::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    env.installKitResources();
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("de")}) {
        writeImage(installedImage("banner_pic", language), installedColour);
        writeImage(installedImage("promotion_pic", language), installedColour);
    }
}

void TestOfferPages::init()
{
    uninstallCancelled = false;
    env.clearLogAndUsage();
    urlRecorder.urls.clear();
    QDir(downloadDir()).removeRecursively();
    QDir(QFileInfo(UninstallProfile::updaterPath()).absolutePath()).removeRecursively();
}

void TestOfferPages::cleanup()
{
    driver.close();
    LmSingleInstance::release();
    qApp->setStyleSheet(QString());
    LmSettings::instance()->setCurrentLanguage(QStringLiteral("en"));
}

void TestOfferPages::openWindow(const QMap<QString, QString> &extend)
{
    env.writeProductIni(extend);
    if (qApp->styleSheet().isEmpty())
        qApp->setStyleSheet(QString::fromLatin1(skin));
    driver.open();
}

QString TestOfferPages::downloadDir() const
{
    return env.dataDir() + QStringLiteral("/uninstallRes/");
}

QString TestOfferPages::installedImage(const char *kind, const QString &language) const
{
    return env.resourceRoot() + QStringLiteral("/uninstallConfig/") + QLatin1String(kind)
           + QLatin1Char('/') + language + QStringLiteral(".png");
}

void TestOfferPages::imagesByLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("bannerDownloaded");
    QTest::addColumn<bool>("promotionDownloaded");
    QTest::newRow("en, nothing downloaded") << "en" << false << false;
    QTest::newRow("de, banner downloaded") << "de" << true << false;
    QTest::newRow("de, promotion downloaded") << "de" << false << true;
    QTest::newRow("en, both downloaded") << "en" << true << true;
}

void TestOfferPages::imagesByLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, bannerDownloaded);
    QFETCH(bool, promotionDownloaded);
    LmSettings::instance()->setCurrentLanguage(language);
    const QString downloadedBanner = downloadDir()
                                     + QStringLiteral("banner_pic_%1.png").arg(language);
    const QString downloadedPromotion = downloadDir()
                                        + QStringLiteral("promotion_pic_%1.png").arg(language);
    // A downloaded copy of the other language must not be taken.
    writeImage(downloadDir() + QStringLiteral("promotion_pic_fr.png"), Qt::green);
    if (bannerDownloaded)
        writeImage(downloadedBanner, downloadedColour);
    if (promotionDownloaded)
        writeImage(downloadedPromotion, downloadedColour);

    openWindow();
    const QString banner = bannerDownloaded ? downloadedBanner
                                            : installedImage("banner_pic", language);
    const QString promotion = promotionDownloaded ? downloadedPromotion
                                                  : installedImage("promotion_pic", language);
    QCOMPARE(driver.child<QWidget>("discountBg")->styleSheet(),
             QStringLiteral("Uninstall #discountBg{border-image: url(%1) 0;}").arg(banner));
    QCOMPARE(driver.child<QWidget>("purchaseImg")->styleSheet(),
             QStringLiteral("Uninstall #purchaseImg{border-image: url(%1) 0;}").arg(promotion));
    const QStringList log = env.logTexts();
    QCOMPARE(log.contains(QStringLiteral("Uninstall downLoad banner_pic not exists!")),
             !bannerDownloaded);
    QCOMPARE(log.contains(QStringLiteral("Uninstall downLoad promotion__pic not exists!")),
             !promotionDownloaded);
    QVERIFY(log.contains(QStringLiteral("Uninstall bind purchase img :") + banner
                         + QStringLiteral(" || and promotion img:") + promotion));

    const QImage shown = driver.child<QWidget>("purchaseImg")->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.rect().center()),
             promotionDownloaded ? downloadedColour : installedColour);
}

void TestOfferPages::laterArrivalKeepsThePage()
{
    openWindow();
    driver.goToPage(1);
    const QString downloadedBanner = downloadDir() + QStringLiteral("banner_pic_en.png");
    writeImage(downloadedBanner, downloadedColour);
    QVERIFY(QMetaObject::invokeMethod(driver.window(), "loadDownLoadRes"));
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 2);
    QVERIFY(driver.child<QWidget>("discountBg")->styleSheet().contains(downloadedBanner));
}

void TestOfferPages::purchaseByPage_data()
{
    QTest::addColumn<int>("continues");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label"); // empty: nothing opens, only the buttons do
    QTest::addColumn<QPoint>("at");     // a null point clicks the centre
    const QPoint picture(2, 2);
    QTest::newRow("discount offer") << 0 << "purchaseBtn"
                                    << "d_click_purchase" << QPoint();
    QTest::newRow("discount offer's picture") << 0 << "framePurchase" << QString() << picture;
    QTest::newRow("banner over the survey") << 1 << "btnDiscount"
                                            << "r_click_purchase" << QPoint();
    QTest::newRow("banner picture over the survey") << 1 << "discountBg" << QString() << picture;
    QTest::newRow("banner over the upgrade offer") << 2 << "btnDiscount"
                                                   << "u_click_purchase" << QPoint();
}

void TestOfferPages::purchaseByPage()
{
    QFETCH(int, continues);
    QFETCH(QString, button);
    QFETCH(QString, label);
    QFETCH(QPoint, at);
    openWindow();
    driver.goToPage(continues);
    const int page = driver.child<QStackedWidget>("processPage")->currentIndex();
    const int inner = driver.child<QStackedWidget>("causePage_2")->currentIndex();
    env.clearLogAndUsage();

    QTest::mouseClick(driver.child<QWidget>(qPrintable(button)), Qt::LeftButton, {}, at);
    const bool opens = !label.isEmpty();
    const QUrl shop(QStringLiteral("https://shop.example.com/buy"));
    QCOMPARE(urlRecorder.urls, opens ? QList<QUrl>{shop} : QList<QUrl>());
    QCOMPARE(env.usageLabels(), opens ? QStringList{label} : QStringList());
    if (opens)
        QCOMPARE(env.usageEvents().constFirst().value(QStringLiteral("action")).toString(),
                 QStringLiteral("uninstall_purchase"));
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), page);
    QCOMPARE(driver.child<QStackedWidget>("causePage_2")->currentIndex(), inner);
    QVERIFY(!uninstallCancelled);
}

void TestOfferPages::upgradeStartsTheUpdater()
{
    QVERIFY(!UninstallProfile::updaterPath().endsWith(QLatin1String(".exe")));
    const QString marker = env.root() + QStringLiteral("/updater-runs.txt");
    writeTestUpdater(marker);

    openWindow();
    driver.goToPage(2);
    env.clearLogAndUsage();
    QTest::mouseClick(driver.child<QPushButton>("btnUpdate"), Qt::LeftButton);
    QVERIFY(uninstallCancelled);
    QCOMPARE(env.usageLabels(), QStringList{QStringLiteral("update programe!")});
    QCOMPARE(env.usageEvents().constFirst().value(QStringLiteral("action")).toString(),
             QStringLiteral("uninstall_update"));
    QVERIFY(env.logTexts().contains(QStringLiteral("Uninstall updateApp")));
    QTRY_COMPARE(linesOf(marker), QStringList{QStringLiteral("ran 0")});
}

void TestOfferPages::upgradeWithoutUpdaterStillEnds()
{
    openWindow();
    driver.goToPage(2);
    QVERIFY(!QFileInfo::exists(UninstallProfile::updaterPath()));
    QTest::mouseClick(driver.child<QPushButton>("btnUpdate"), Qt::LeftButton);
    QVERIFY(uninstallCancelled);
    QCOMPARE(env.usageLabels().constLast(), QStringLiteral("update programe!"));
}

void TestOfferPages::offersDoNothingWhileDragging()
{
    const QString marker = env.root() + QStringLiteral("/dragged-runs.txt");
    writeTestUpdater(marker);

    openWindow();
    driver.goToPage(2);
    env.clearLogAndUsage();
    driver.startDragging();
    driver.child<QPushButton>("btnDiscount")->click();
    driver.child<QPushButton>("btnUpdate")->click();
    driver.child<QPushButton>("btnContinue_3")->click();
    driver.child<QPushButton>("btnCancel_3")->click();
    QTest::mouseClick(driver.child<QWidget>("discountBg"), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(urlRecorder.urls.isEmpty());
    QVERIFY(env.usageLabels().isEmpty());
    QVERIFY(!uninstallCancelled);
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 2);
    QCOMPARE(driver.child<QStackedWidget>("causePage_2")->currentIndex(), 1);

    // After the release the same click starts the updater once: the dragged one started none.
    driver.stopDragging();
    driver.child<QPushButton>("btnUpdate")->click();
    QTRY_COMPARE(linesOf(marker).size(), 1);
    QVERIFY(uninstallCancelled);
}

void TestOfferPages::finishPageKeepsItsPicturesWithoutTheInstallation()
{
    QVERIFY(!QFile::exists(QStringLiteral("skin:images/close_hover.png")));
    LmResourceMgr::instance()->setCurrentSkin(QStringLiteral("default"));
    QVERIFY(QFile::exists(QStringLiteral("skin:images/close_hover.png")));
    openWindow({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    driver.goToPage(3);
    QCOMPARE(driver.child<QStackedWidget>("processPage")->currentIndex(), 3);
    driver.child<QPushButton>("btnComplete")->click();
    const QImage before = driver.window()->grab().toImage();

    QVERIFY(QDir(env.resourceRoot()).removeRecursively());
    // Have every style sheet read its pictures again, as a hover or a newly shown widget would.
    qApp->setStyleSheet(qApp->styleSheet());
    const QImage after = driver.window()->grab().toImage();
    QVERIFY(after == before);
    QVERIFY(!QPixmap(QStringLiteral("skin:images/close_hover.png")).isNull());
    QVERIFY(!QPixmap(QStringLiteral("skin:images/arrow_right_hover.png")).isNull());
    const QString banner = driver.child<QWidget>("discountBg")
                               ->styleSheet()
                               .section(QLatin1Char('('), 1)
                               .section(QLatin1Char(')'), 0, 0);
    QVERIFY(!QPixmap(banner).isNull());

    // With the window gone the pictures are gone too: they came from memory.
    driver.close();
    QVERIFY(!QFile::exists(QStringLiteral("skin:images/close_hover.png")));
    env.installKitResources();
    writeImage(installedImage("banner_pic", QStringLiteral("en")), installedColour);
    writeImage(installedImage("promotion_pic", QStringLiteral("en")), installedColour);
}

QTEST_MAIN(TestOfferPages)
#include "tst_offerpages.moc"

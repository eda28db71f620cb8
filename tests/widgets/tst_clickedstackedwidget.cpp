// The recommended-apps carousel: pages of tiles, wrap-around paging, arrows, tile sizes and the
// "Learn More" button.
#include "TestEnvironment.h"
#include "UrlRecorder.h"
#include "widgets/ClickedStackedWidget.h"
#include "widgets/RecFrame.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// Records the usage labels written by the time an address is opened.
class OpenProbe : public QObject
{
    Q_OBJECT

public:
    explicit OpenProbe(TestEnvironment &env)
        : m_env(env)
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    }
    ~OpenProbe() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> urls;
    QStringList labelsAtOpen;

public slots:
    void openUrl(const QUrl &url)
    {
        urls << url;
        labelsAtOpen = m_env.usageLabels();
    }

private:
    TestEnvironment &m_env;
};

void writeImage(const QString &path, const QSize &size, const QColor &colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

QVector<RecApp> apps(int count)
{
    QVector<RecApp> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("app%1.png").arg(i),
                     QStringLiteral("App %1").arg(i),
                     QStringLiteral("https://apps.example.com/%1").arg(i)});
    return list;
}

} // namespace

class TestClickedStackedWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void skinPropertiesReachTheCarousel();
    void pagesAndArrows_data();
    void pagesAndArrows();
    void eachPositionHasItsBackground();
    void tileSizes_data();
    void tileSizes();
    void iconsFallBackToTheInstalledOnes();
    void secondFillReplacesThePages();
    void noBackgroundsNoPages();
    void learnMoreSendsTheEventThenOpens();

private:
    void makeCarousel(const QString &backgrounds);
    QStackedWidget *stack() const;
    QList<RecFrame *> tilesOf(int page) const;
    bool arrowsShown() const;

    TestEnvironment env;
    QString skinDir;
    std::unique_ptr<QWidget> window;
    ClickedStackedWidget *carousel = nullptr;
};

void TestClickedStackedWidget::initTestCase()
{
    skinDir = env.root() + QStringLiteral("/skin/");
    writeImage(skinDir + QStringLiteral("wide.png"), QSize(200, 160), Qt::darkCyan);
    writeImage(skinDir + QStringLiteral("narrow.png"), QSize(120, 100), Qt::darkMagenta);
    writeImage(skinDir + QStringLiteral("odd.png"), QSize(201, 161), Qt::darkYellow);
    const QString downloads = env.dataDir() + QStringLiteral("/uninstallRes/");
    const QString defaults = env.resourceRoot() + QStringLiteral("/uninstallConfig/recAppIcon/");
    for (int i = 0; i < 10; ++i) {
        writeImage(downloads + QStringLiteral("app%1.png").arg(i), QSize(80, 80), Qt::red);
        writeImage(defaults + QStringLiteral("app%1.png").arg(i), QSize(96, 96), Qt::blue);
    }
    writeImage(defaults + QStringLiteral("installed.png"), QSize(64, 64), Qt::green);
}

void TestClickedStackedWidget::init()
{
    env.writeProductIni({{QStringLiteral("NoUserDpiChange"), QStringLiteral("1")}});
    env.clearLogAndUsage();
}

void TestClickedStackedWidget::cleanup()
{
    window.reset();
    carousel = nullptr;
    qApp->setStyleSheet(QString());
}

void TestClickedStackedWidget::makeCarousel(const QString &backgrounds)
{
    window = std::make_unique<QWidget>();
    auto *layout = new QHBoxLayout(window.get());
    carousel = new ClickedStackedWidget(window.get());
    layout->addWidget(carousel);
    carousel->setProperty("SkinPath", skinDir);
    carousel->setProperty("FrameRecBg", backgrounds);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

QStackedWidget *TestClickedStackedWidget::stack() const
{
    return carousel->findChild<QStackedWidget *>(QStringLiteral("recWidget"));
}

// The tiles of a page in layout order.
QList<RecFrame *> TestClickedStackedWidget::tilesOf(int page) const
{
    QList<RecFrame *> tiles;
    QLayout *layout = stack()->widget(page)->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto *tile = qobject_cast<RecFrame *>(layout->itemAt(i)->widget()))
            tiles << tile;
    }
    return tiles;
}

bool TestClickedStackedWidget::arrowsShown() const
{
    const bool next = !carousel->findChild<QWidget *>(QStringLiteral("btnNext"))->isHidden();
    const bool previous = !carousel->findChild<QWidget *>(QStringLiteral("btnPre"))->isHidden();
    if (next != previous)
        qFatal("one arrow without the other");
    return next;
}

void TestClickedStackedWidget::skinPropertiesReachTheCarousel()
{
    qApp->setStyleSheet(QStringLiteral("ClickedStackedWidget { qproperty-FrameRecBg: "
                                       "\"wide.png*narrow.png\"; qproperty-SkinPath: \"%1\"; }")
                            .arg(skinDir));
    ClickedStackedWidget styled;
    QVERIFY(env.logTexts().contains(
        QStringLiteral("ClickedStackedWidget bind frameRecbg:wide.png*narrow.png")));
    styled.setProperty("FrameRecBg", QString()); // an empty value changes nothing
    QCOMPARE(styled.property("FrameRecBg").toString(), QString());
    styled.setRecAppInfos(apps(3));
    const auto *pages = styled.findChild<QStackedWidget *>(QStringLiteral("recWidget"));
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->widget(0)->findChildren<RecFrame *>().size(), 2);
}

void TestClickedStackedWidget::pagesAndArrows_data()
{
    QTest::addColumn<QString>("backgrounds");
    QTest::addColumn<int>("appCount");
    QTest::addColumn<QList<int>>("tilesPerPage");
    QTest::addColumn<bool>("arrows");
    const QString four = QStringLiteral("wide.png*wide.png*wide.png*wide.png");
    const QString two = QStringLiteral("wide.png*wide.png");
    QTest::newRow("4 positions, 4 apps") << four << 4 << QList<int>{4} << false;
    QTest::newRow("4 positions, 5 apps") << four << 5 << QList<int>{4, 1} << true;
    QTest::newRow("4 positions, 10 apps") << four << 10 << QList<int>{4, 4, 2} << true;
    QTest::newRow("2 positions, 3 apps") << two << 3 << QList<int>{2, 1} << false;
    QTest::newRow("2 positions, 4 apps") << two << 4 << QList<int>{2, 2} << false;
    QTest::newRow("2 positions, 5 apps") << two << 5 << QList<int>{2, 2, 1} << true;
    QTest::newRow("2 positions, 10 apps") << two << 10 << QList<int>{2, 2, 2, 2, 2} << true;
}

void TestClickedStackedWidget::pagesAndArrows()
{
    QFETCH(QString, backgrounds);
    QFETCH(int, appCount);
    QFETCH(QList<int>, tilesPerPage);
    QFETCH(bool, arrows);
    makeCarousel(backgrounds);
    QVERIFY(!arrowsShown());
    carousel->setRecAppInfos(apps(appCount));

    QCOMPARE(stack()->count(), tilesPerPage.size());
    QCOMPARE(arrowsShown(), arrows);
    int app = 0;
    for (int page = 0; page < stack()->count(); ++page) {
        const QList<RecFrame *> tiles = tilesOf(page);
        QCOMPARE(tiles.size(), tilesPerPage.at(page));
        for (RecFrame *tile : tiles) {
            QCOMPARE(tile->findChild<QLabel *>(QStringLiteral("recName"))->text(),
                     QStringLiteral("App %1").arg(app++));
        }
    }

    // Wrap-around at both ends, through the arrows when they show.
    const int last = stack()->count() - 1;
    QCOMPARE(stack()->currentIndex(), 0);
    carousel->onBtnPrePage();
    QCOMPARE(stack()->currentIndex(), last);
    carousel->onBtnNextPage();
    QCOMPARE(stack()->currentIndex(), 0);
    if (!arrows)
        return;
    auto *next = carousel->findChild<QToolButton *>(QStringLiteral("btnNext"));
    for (int click = 1; click <= last + 1; ++click) {
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(stack()->currentIndex(), click % (last + 1));
    }
    QTest::mouseClick(carousel->findChild<QToolButton *>(QStringLiteral("btnPre")), Qt::LeftButton);
    QCOMPARE(stack()->currentIndex(), last);
    QVERIFY(stack()->widget(last)->isVisible());
}

void TestClickedStackedWidget::eachPositionHasItsBackground()
{
    makeCarousel(QStringLiteral("wide.png*narrow.png"));
    carousel->setRecAppInfos(apps(5));
    for (int page = 0; page < stack()->count(); ++page) {
        const QList<RecFrame *> tiles = tilesOf(page);
        QCOMPARE(tiles.at(0)->size(), QSize(100, 80));
        if (tiles.size() > 1)
            QCOMPARE(tiles.at(1)->size(), QSize(60, 50));
    }
    QVERIFY(env.logTexts().contains(QStringLiteral("RecFrame::setBackground bgPath:") + skinDir
                                    + QStringLiteral("narrow.png")));
    // The background fills the tile.
    const QImage tile = tilesOf(0).at(1)->grab().toImage();
    QCOMPARE(tile.pixelColor(tile.width() - 2, tile.height() - 2), QColor(Qt::darkMagenta));
}

void TestClickedStackedWidget::tileSizes_data()
{
    QTest::addColumn<QString>("noUserDpiChange");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QSize>("drawnHalf");
    QTest::addColumn<bool>("followsZoom");
    QTest::newRow("kept drawn size") << "1"
                                     << "wide.png" << QSize(100, 80) << false;
    QTest::newRow("halves rounded up") << "1"
                                       << "odd.png" << QSize(101, 81) << false;
    QTest::newRow("system zoom") << ""
                                 << "wide.png" << QSize(100, 80) << true;
    QTest::newRow("not a number") << "yes"
                                  << "wide.png" << QSize(100, 80) << true;
    QTest::newRow("missing background") << "1"
                                        << "none.png" << QSize(0, 0) << false;
}

void TestClickedStackedWidget::tileSizes()
{
    QFETCH(QString, noUserDpiChange);
    QFETCH(QString, background);
    QFETCH(QSize, drawnHalf);
    QFETCH(bool, followsZoom);
    env.writeProductIni({{QStringLiteral("NoUserDpiChange"), noUserDpiChange}});
    // The zoom is the screen's DPI over the 96 DPI of 100 %, not the DPI figure itself.
    const double zoom = followsZoom ? QGuiApplication::primaryScreen()->logicalDotsPerInch() / 96.0
                                    : 1.0;
    const QSize tile(qRound(drawnHalf.width() * zoom), qRound(drawnHalf.height() * zoom));
    QVERIFY(tile.width() < 2 * drawnHalf.width() || drawnHalf.isEmpty());
    makeCarousel(background);
    carousel->setRecAppInfos(apps(2));
    const QList<RecFrame *> tiles = tilesOf(0);
    QCOMPARE(tiles.first()->size(), tile);
    QCOMPARE(tiles.first()->minimumSize(), tile);
    QCOMPARE(tiles.first()->maximumSize(), tile);
    QLayout *layout = stack()->widget(0)->layout();
    QCOMPARE(layout->itemAt(1)->spacerItem()->sizeHint().width(), int(zoom * 21.0));
    const QPixmap icon
        = tiles.first()->findChild<QLabel *>(QStringLiteral("recIcon"))->pixmap(Qt::ReturnByValue);
    QCOMPARE(icon.size(), QSize(qRound(40 * zoom), qRound(40 * zoom)));
}

void TestClickedStackedWidget::iconsFallBackToTheInstalledOnes()
{
    makeCarousel(QStringLiteral("wide.png*wide.png*wide.png"));
    carousel->setRecAppInfos({{"app1.png", "Downloaded", "https://a.example.com"},
                              {"installed.png", "Installed", "https://b.example.com"},
                              {"gone.png", "Nowhere", "https://c.example.com"}});
    const QList<RecFrame *> tiles = tilesOf(0);
    auto iconOf = [](RecFrame *tile) {
        return tile->findChild<QLabel *>(QStringLiteral("recIcon"))
            ->pixmap(Qt::ReturnByValue)
            .toImage();
    };
    QCOMPARE(iconOf(tiles.at(0)).size(), QSize(40, 40));
    QCOMPARE(iconOf(tiles.at(0)).pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(iconOf(tiles.at(1)).size(), QSize(32, 32));
    QCOMPARE(iconOf(tiles.at(1)).pixelColor(5, 5), QColor(Qt::green));
    QVERIFY(iconOf(tiles.at(2)).isNull());
    QCOMPARE(env.logLines(QStringLiteral("error")),
             (QStringList{"recApp icon not exists:Installed", "recApp icon not exists:Nowhere"}));
    QCOMPARE(tiles.at(2)->findChild<QPushButton *>(QStringLiteral("btnRecUrl"))->text(),
             QStringLiteral("Learn More"));
}

void TestClickedStackedWidget::secondFillReplacesThePages()
{
    makeCarousel(QStringLiteral("wide.png*wide.png*wide.png*wide.png"));
    carousel->setRecAppInfos(apps(10));
    carousel->onBtnNextPage();
    QPointer<QWidget> oldPage = stack()->widget(2);
    QPointer<RecFrame> oldTile = tilesOf(2).first();
    carousel->setRecAppInfos(apps(3));
    QVERIFY(oldPage.isNull());
    QVERIFY(oldTile.isNull());
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(stack()->currentIndex(), 0);
    QCOMPARE(tilesOf(0).size(), 3);
    QCOMPARE(carousel->findChildren<RecFrame *>().size(), 3);
    QVERIFY(arrowsShown()); // once shown, the arrows stay
}

void TestClickedStackedWidget::noBackgroundsNoPages()
{
    makeCarousel(QString());
    QCOMPARE(stack()->count(), 2); // the form's design pages
    carousel->setRecAppInfos(apps(10));
    QCOMPARE(stack()->count(), 0);
    QVERIFY(!arrowsShown());
    QVERIFY(carousel->findChildren<RecFrame *>().isEmpty());
}

void TestClickedStackedWidget::learnMoreSendsTheEventThenOpens()
{
    OpenProbe probe(env);
    makeCarousel(QStringLiteral("wide.png*wide.png"));
    carousel->setRecAppInfos({{"app1.png", "Example", "https://example.com/app?x=1 2"},
                              {"app2.png", "Other", "https://other.example.com"}});
    QTest::mouseClick(tilesOf(0).at(0)->findChild<QPushButton *>(QStringLiteral("btnRecUrl")),
                      Qt::LeftButton);
    QCOMPARE(probe.urls,
             QList<QUrl>{QUrl(QStringLiteral("https://example.com/app?x=1 2"), QUrl::TolerantMode)});
    QCOMPARE(probe.labelsAtOpen, QStringList{QStringLiteral("click_recommend_Example")});
    const QJsonObject event = env.usageEvents().constLast();
    QCOMPARE(event.value(QStringLiteral("action")).toString(),
             QStringLiteral("uninstall_recommend"));
}

QTEST_MAIN(TestClickedStackedWidget)
#include "tst_clickedstackedwidget.moc"

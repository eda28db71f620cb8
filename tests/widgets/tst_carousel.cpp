// The recommended apps' carousel: as many tiles a page as it has tile backgrounds, the arrows
// step a page at a time and wrap around at either end; they show for more than four apps.
#include "TestEnvironment.h"
#include "widgets/ClickedStackedWidget.h"
#include "widgets/RecFrame.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

class TestCarousel : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;

    // Shows the apps "App 1" to "App <count>", two tiles a page.
    static void fill(ClickedStackedWidget &carousel, int count)
    {
        QVector<RecApp> apps;
        for (int number = 1; number <= count; ++number)
            apps.append({"icon.png", QStringLiteral("App %1").arg(number), "https://example.com"});
        carousel.setFrameRecBg("a.png*b.png");
        carousel.setRecAppInfos(apps);
        carousel.show();
    }
    // The names on the tiles a user sees.
    static QStringList shownNames(const ClickedStackedWidget &carousel)
    {
        QStringList names;
        for (const RecFrame *tile : carousel.findChildren<RecFrame *>()) {
            if (tile->isVisible())
                names << tile->findChild<QLabel *>("recName")->text();
        }
        return names;
    }

private slots:
    void arrowsStepPageByPage()
    {
        ClickedStackedWidget carousel;
        fill(carousel, 5);
        auto *next = carousel.findChild<QToolButton *>("btnNext");
        auto *previous = carousel.findChild<QToolButton *>("btnPre");
        QVERIFY(next->isVisible());
        QVERIFY(previous->isVisible());
        const QStringList firstPage{"App 1", "App 2"};
        const QStringList secondPage{"App 3", "App 4"};
        const QStringList lastPage{"App 5"};
        QCOMPARE(shownNames(carousel), firstPage);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(shownNames(carousel), secondPage);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(shownNames(carousel), lastPage);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(shownNames(carousel), firstPage);
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(shownNames(carousel), lastPage);
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(shownNames(carousel), secondPage);

        // Apps arriving after the show replace the pages.
        fill(carousel, 1);
        QTRY_COMPARE(shownNames(carousel), QStringList{"App 1"});
    }

    // The arrows follow the number of apps, not of pages.
    void noArrowsForFourApps()
    {
        ClickedStackedWidget carousel;
        fill(carousel, 4);
        QVERIFY(!carousel.findChild<QToolButton *>("btnNext")->isVisible());
        QVERIFY(!carousel.findChild<QToolButton *>("btnPre")->isVisible());
    }
};

QTEST_MAIN(TestCarousel)
#include "tst_carousel.moc"

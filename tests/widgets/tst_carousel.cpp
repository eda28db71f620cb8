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
        auto *next = carousel.findChild<QToolButton *>("btnNext");
        auto *previous = carousel.findChild<QToolButton *>("btnPre");
        // The arrows follow the number of apps, not of pages.
        fill(carousel, 4);
        QVERIFY(!next->isVisible());
        QVERIFY(!previous->isVisible());
        // Apps arriving after the show replace the pages.
        fill(carousel, 5);
        QVERIFY(next->isVisible());
        QVERIFY(previous->isVisible());
        const QStringList pages[] = {{"App 1", "App 2"}, {"App 3", "App 4"}, {"App 5"}};
        QTRY_COMPARE(shownNames(carousel), pages[0]);
        for (int page : {1, 2, 0}) {
            QTest::mouseClick(next, Qt::LeftButton);
            QCOMPARE(shownNames(carousel), pages[page]);
        }
        for (int page : {2, 1}) {
            QTest::mouseClick(previous, Qt::LeftButton);
            QCOMPARE(shownNames(carousel), pages[page]);
        }
    }
};

QTEST_MAIN(TestCarousel)
#include "tst_carousel.moc"

// The recommended apps' carousel: as many tiles a page as it has tile backgrounds, the arrows
// step a page at a time and wrap around at either end.
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

    static QVector<RecApp> apps(int count)
    {
        QVector<RecApp> apps;
        for (int number = 1; number <= count; ++number)
            apps.append({"icon.png", QStringLiteral("App %1").arg(number), "https://example.com"});
        return apps;
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
        carousel.setFrameRecBg("a.png*b.png*c.png");
        carousel.setRecAppInfos(apps(7));
        carousel.show();
        auto *next = carousel.findChild<QToolButton *>("btnNext");
        auto *previous = carousel.findChild<QToolButton *>("btnPre");
        const QStringList firstPage{"App 1", "App 2", "App 3"};
        const QStringList secondPage{"App 4", "App 5", "App 6"};
        const QStringList lastPage{"App 7"};
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
        carousel.setRecAppInfos(apps(2));
        QTRY_COMPARE(shownNames(carousel), QStringList({"App 1", "App 2"}));
    }

    // The arrows follow the number of apps, not of pages.
    void arrowsShownForMoreThanFourApps_data()
    {
        QTest::addColumn<int>("appCount");
        QTest::addColumn<bool>("shown");
        QTest::newRow("four apps on two pages") << 4 << false;
        QTest::newRow("five apps on three pages") << 5 << true;
    }
    void arrowsShownForMoreThanFourApps()
    {
        QFETCH(int, appCount);
        QFETCH(bool, shown);
        ClickedStackedWidget carousel;
        carousel.setFrameRecBg("a.png*b.png");
        carousel.setRecAppInfos(apps(appCount));
        carousel.show();
        QCOMPARE(carousel.findChild<QToolButton *>("btnNext")->isVisible(), shown);
        QCOMPARE(carousel.findChild<QToolButton *>("btnPre")->isVisible(), shown);
    }
};

QTEST_MAIN(TestCarousel)
#include "tst_carousel.moc"

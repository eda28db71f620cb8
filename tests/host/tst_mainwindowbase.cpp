#include "LmMainWindowBase.h"
#include "TestEnvironment.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

class TestMainWindowBase : public QObject
{
    Q_OBJECT

private slots:
    void framelessFixedSizeAndMovedByTitleStrip();

private:
    TestEnvironment m_env;
};

namespace {

// Presses on `widget`, moves the pointer by `delta` and releases it there, as a user would.
void drag(QWidget *widget, QPoint from, QPoint delta, Qt::MouseButton button = Qt::LeftButton)
{
    QWindow *window = widget->window()->windowHandle();
    const QPoint start = widget->mapTo(widget->window(), from);
    const QPoint rest = window->mapToGlobal(start + delta);
    QTest::mousePress(window, button, {}, start);
    QTest::mouseMove(window, start + delta);
    QTest::mouseRelease(window, button, {}, window->mapFromGlobal(rest));
}

} // namespace

void TestMainWindowBase::framelessFixedSizeAndMovedByTitleStrip()
{
    LmMainWindowBase window;
    auto *layout = new QVBoxLayout(&window);
    auto *title = new QWidget;
    title->setObjectName("frameTitle");
    title->setFixedHeight(40);
    auto *caption = new QLabel("Uninstall", title);
    auto *body = new QWidget;
    layout->addWidget(title);
    layout->addWidget(body);
    window.resize(420, 300);
    window.postCreateDerivedMainWindow(false, true, nullptr);
    QVERIFY(window.isWindow() && window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.minimumSize(), QSize(420, 300));
    QCOMPARE(window.maximumSize(), QSize(420, 300));

    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    drag(title, QPoint(300, 20), QPoint(30, 25));
    QTRY_COMPARE(window.pos(), QPoint(130, 125));
    drag(caption, QPoint(5, 5), QPoint(-50, 10));
    QTRY_COMPARE(window.pos(), QPoint(80, 135));
    drag(body, QPoint(50, 50), QPoint(30, 25));
    drag(title, QPoint(300, 20), QPoint(30, 25), Qt::RightButton);
    QCoreApplication::processEvents();
    QCOMPARE(window.pos(), QPoint(80, 135));
}

QTEST_MAIN(TestMainWindowBase)
#include "tst_mainwindowbase.moc"

#include "WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTest>

namespace {

QPoint dragSurface(const QWidget *window)
{
    return QPoint(5, window->height() - 5);
}

} // namespace

void WindowDriver::create()
{
    m_window = std::make_unique<Uninstall>();
}

void WindowDriver::open()
{
    create();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_COMPARE(child<QStackedWidget>("processPage")->currentIndex(), 1);
}

void WindowDriver::close()
{
    m_window.reset();
}

QAbstractButton *WindowDriver::reasonBox(int row) const
{
    return child<QWidget>(qPrintable(QStringLiteral("frameOption_%1").arg(row)))
        ->findChild<QCheckBox *>();
}

void WindowDriver::click(const char *button) const
{
    QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
}

void WindowDriver::goToPage(int continues) const
{
    if (continues >= 1)
        click("btnContinue_1");
    if (continues >= 2) {
        QTest::mouseClick(reasonBox(1), Qt::LeftButton);
        click("btnContinue_2");
    }
    if (continues >= 3)
        click("btnContinue_3");
}

void WindowDriver::startDragging() const
{
    const QPoint surface = dragSurface(m_window.get());
    QTest::mousePress(m_window.get(), Qt::LeftButton, {}, surface);
    QMouseEvent move(QEvent::MouseMove,
                     surface + QPoint(3, 0),
                     Qt::LeftButton,
                     Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &move);
}

void WindowDriver::stopDragging() const
{
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, dragSurface(m_window.get()));
}

#include "host/LmMainWindowBase.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWindow>

LmMainWindowBase::LmMainWindowBase(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::Window | Qt::FramelessWindowHint)
{}

void LmMainWindowBase::postCreateDerivedMainWindow(bool resizable, bool movable, QMenuBar *)
{
    m_resizable = resizable;
    if (!resizable)
        setFixedSize(size());
    if (movable) {
        m_titleStrip = findChild<QWidget *>(QStringLiteral("frameTitle"));
        if (m_titleStrip)
            m_titleStrip->installEventFilter(this);
    }
}

void LmMainWindowBase::setAppEventLoopStarted()
{
    m_eventLoopStarted = true;
}

bool LmMainWindowBase::isAppEventLoopStarted() const
{
    return m_eventLoopStarted;
}

// A close asked for by the window manager takes the same path as the window's own close
// button: the most derived "close" slot decides what leaving means.
void LmMainWindowBase::closeEvent(QCloseEvent *event)
{
    if (!event->spontaneous()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}

// Tiling and snapping window managers may ignore the fixed-size hints; the content is laid out
// for one size only, so the window takes that size back.
void LmMainWindowBase::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_resizable && event->size() != minimumSize())
        QMetaObject::invokeMethod(
            this, [this] { resize(minimumSize()); }, Qt::QueuedConnection);
}

bool LmMainWindowBase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleStrip && moveByTitleStrip(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool LmMainWindowBase::moveByTitleStrip(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // The window manager's own move keeps snapping and multi-screen rules intact.
        m_manualMove = !(windowHandle() && windowHandle()->startSystemMove());
        m_dragOffset = mouse->globalPos() - frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_manualMove || !(mouse->buttons() & Qt::LeftButton))
            return false;
        move(mouse->globalPos() - m_dragOffset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_manualMove = false;
        return false;
    default:
        return false;
    }
}

#pragma once

#include <QPoint>
#include <QWidget>

class QMenuBar;

/// Frameless top-level window of the product, moved by dragging its title strip "frameTitle".
class LmMainWindowBase : public QWidget
{
    Q_OBJECT

public:
    explicit LmMainWindowBase(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Called once the derived window built its form: hooks up the title strip.
    void postCreateDerivedMainWindow(bool resizable, bool movable, QMenuBar *menuBar);
    void setAppEventLoopStarted();
    bool isAppEventLoopStarted() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool moveByTitleStrip(QEvent *event);

    QWidget *m_titleStrip = nullptr;
    QPoint m_dragOffset;
    bool m_manualMove = false;
    bool m_eventLoopStarted = false;
    bool m_resizable = true;
};

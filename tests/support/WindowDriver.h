#pragma once

#include "wizard/Uninstall.h"

#include <memory>

class QAbstractButton;

/// Opens the wizard window and drives it as a user would, by object name.
class WindowDriver
{
public:
    // A new window, on its loading page and not shown yet.
    void create();
    // Shows a new window and waits until it has left its loading page.
    void open();
    void close();
    Uninstall *window() const { return m_window.get(); }

    template<typename T>
    T *child(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    // The check box of a survey row (1 to 6); boxes are renamed to their reason keys.
    QAbstractButton *reasonBox(int row) const;
    void click(const char *button) const;
    // 0: discount offer, 1: reason survey, 2: upgrade offer (first reason chosen), 3: progress.
    void goToPage(int continues) const;
    // Presses on the window's surface and moves: the window is dragged until release.
    void startDragging() const;
    void stopDragging() const;

private:
    std::unique_ptr<Uninstall> m_window;
};

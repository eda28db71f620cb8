#pragma once

#include "wizard/Uninstall.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

/// Opens the wizard window, and finds its widgets by object name.
struct WindowDriver
{
    // Shows a new window and waits until it has left its loading page.
    void open()
    {
        window = std::make_unique<Uninstall>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(page(), 10);
    }
    template<typename T = QWidget>
    T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    // processPage's index times ten plus causePage_2's
    int page() const
    {
        return child<QStackedWidget>("processPage")->currentIndex() * 10
               + child<QStackedWidget>("causePage_2")->currentIndex();
    }
    // The check box of a survey row (1 to 6); boxes are renamed to their reason keys.
    QAbstractButton *reasonBox(int row) const
    {
        return child(qPrintable(QStringLiteral("frameOption_%1").arg(row)))->findChild<QCheckBox *>();
    }

    std::unique_ptr<Uninstall> window;
};

#pragma once

#include "host/LmSingleInstance.h"
#include "wizard/Uninstall.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

/// Opens the wizard window, and finds its widgets by object name.
struct WindowDriver
{
    ~WindowDriver() { LmSingleInstance::release(); }

    // Shows a new window for this run and waits until it has left its loading page.
    void open(const RunContext &run = RunContext::fromHost())
    {
        window = std::make_unique<Uninstall>(run);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(page(), QStringLiteral("purchasePage"));
    }
    template<typename T = QWidget>
    T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    // The object name of the page shown; on the survey's page, of the survey or the upgrade offer.
    QString page() const
    {
        QWidget *shown = child<QStackedWidget>("processPage")->currentWidget();
        if (auto *inner = shown->findChild<QStackedWidget *>(QStringLiteral("causePage_2")))
            shown = inner->currentWidget();
        return shown->objectName();
    }
    // The check box of a survey row (1 to 6); boxes are renamed to their reason keys.
    QAbstractButton *reasonBox(int row) const
    {
        return child(qPrintable(QStringLiteral("frameOption_%1").arg(row)))->findChild<QCheckBox *>();
    }

    std::unique_ptr<Uninstall> window;
};

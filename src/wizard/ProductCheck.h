// The check before the removal that the product is not running.
#pragma once

#include "host/RunContext.h"

#include <QObject>

class QWidget;

/// Asks the product's instance lock whether the product runs; while it does, the close dialog
/// asks the user to close it and checks again after each "Continue".
class ProductCheck : public QObject
{
    Q_OBJECT

public:
    // The close dialog is shown over window.
    ProductCheck(const RunContext &run, QWidget *window);

    // Sends "u_click_uninstall". True when the product is not running; else shows the close
    // dialog, which ends with productEnded() once the product has gone.
    bool productClosed();

signals:
    // The close dialog ended the product: the removal may start.
    void productEnded();

private:
    const RunContext m_run;
    QWidget *m_window = nullptr;
};

#pragma once

#include "host/LmMainWindowBase.h"

namespace Ui {
class CheckCloseDlg;
}

/// Tells the user to close the running product and, on "Continue", ends its processes.
class CheckCloseDlg : public LmMainWindowBase
{
    Q_OBJECT

public:
    explicit CheckCloseDlg(QWidget *parent);
    ~CheckCloseDlg() override;

signals:
    void completeKill();

protected slots:
    void onKillPrograms();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Ui::CheckCloseDlg *ui = nullptr;
};

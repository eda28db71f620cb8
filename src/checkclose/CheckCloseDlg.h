#pragma once

#include "host/LmMainWindowBase.h"
#include "platform/ProcessControl.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <vector>

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
    void checkEnded();

    Ui::CheckCloseDlg *ui = nullptr;
    // The processes ended by "Continue", until they are gone or the deadline has passed.
    std::vector<platform::EndedProcesses> m_ended;
    QTimer m_waitTimer;
    QDeadlineTimer m_waitDeadline;
};

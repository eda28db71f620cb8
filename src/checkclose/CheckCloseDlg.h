#pragma once

#include "host/LmMainWindowBase.h"
#include "host/RunContext.h"
#include "platform/ProcessControl.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <memory>
#include <vector>

namespace Ui {
class CheckCloseDlg;
}

class ProcessEnder;

/// Tells the user to close the running product and, on "Continue", ends its processes.
class CheckCloseDlg : public LmMainWindowBase
{
    Q_OBJECT

public:
    // Names run's product and ends it inside run's installation root through run's ender.
    CheckCloseDlg(const RunContext &run, QWidget *parent);
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
    const QString m_productName;
    const QString m_installRoot;
    const std::shared_ptr<ProcessEnder> m_processEnder;
    // The processes ended by "Continue", until they are gone or the deadline has passed.
    std::vector<platform::EndedProcesses> m_ended;
    QTimer m_waitTimer;
    QDeadlineTimer m_waitDeadline;
};

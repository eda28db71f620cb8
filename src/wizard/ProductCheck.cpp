#include "wizard/ProductCheck.h"

#include "checkclose/CheckCloseDlg.h"
#include "host/LMGA.h"
#include "host/LmSingleInstance.h"
#include "host/Utility.h"

ProductCheck::ProductCheck(const RunContext &run, QWidget *window)
    : QObject(window)
    , m_run(run)
    , m_window(window)
{}

bool ProductCheck::productClosed()
{
    LMGA::uninstallEvent(QStringLiteral("uninstall_continue"), QStringLiteral("u_click_uninstall"));
    Log("debug", 1, QStringLiteral("check App isRunning?"));
    if (LmSingleInstance::instance()->isAppRunnabled())
        return true;
    LmSingleInstance::release();
    auto *dialog = new CheckCloseDlg(m_run, m_window);
    connect(dialog, &CheckCloseDlg::completeKill, this, [this] {
        if (productClosed())
            emit productEnded();
    });
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    return false;
}

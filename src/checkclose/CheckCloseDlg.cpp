#include "checkclose/CheckCloseDlg.h"
#include "ui_CheckCloseDlg.h"

#include "checkclose/ProcessEnder.h"
#include "host/Utility.h"
#include "platform/ProcessEnvironment.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// How long the dialog waits for ended processes to go before the wizard checks again.
constexpr int exitWaitMilliseconds = 5000;

} // namespace

CheckCloseDlg::CheckCloseDlg(const RunContext &run, QWidget *parent)
    : LmMainWindowBase(parent)
    , m_productName(run.productName)
    , m_installRoot(run.installRoot.absolutePath())
    , m_processEnder(run.processEnder)
{
    ui = new Ui::CheckCloseDlg;
    Log("debug", 1, QStringLiteral("CheckCloseDlg init!"));
    ui->setupUi(this);
    // A right-to-left mark keeps a title that starts with a Latin product name right to left.
    const QString mark = layoutDirection() == Qt::RightToLeft ? QStringLiteral("\u200F")
                                                              : QString();
    ui->productName->setText(
        mark + QCoreApplication::translate("QObject", "Uninstall %1").arg(m_productName));
    postCreateDerivedMainWindow(false, true, nullptr);

    connect(this, &CheckCloseDlg::completeKill, this, &QWidget::close, Qt::DirectConnection);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close, Qt::DirectConnection);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QWidget::close, Qt::DirectConnection);
    connect(ui->btnContinue,
            &QAbstractButton::clicked,
            this,
            &CheckCloseDlg::onKillPrograms,
            Qt::DirectConnection);
    m_waitTimer.setInterval(20);
    connect(&m_waitTimer, &QTimer::timeout, this, &CheckCloseDlg::checkEnded);
    ui->btnContinue->setFocus();
}

void CheckCloseDlg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A button the user moved to answers for itself: Return on Cancel must not end processes.
        auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
        (focused ? focused : ui->btnContinue)->click();
        break;
    }
    case Qt::Key_Escape:
        ui->btnCancel->click();
        break;
    default:
        LmMainWindowBase::keyPressEvent(event);
    }
}

CheckCloseDlg::~CheckCloseDlg()
{
    Log("debug", 1, QStringLiteral("CheckCloseDlg ~CheckCloseDlg!"));
    delete ui;
}

void CheckCloseDlg::onKillPrograms()
{
    if (m_waitTimer.isActive())
        return;
    const QStringList programs{m_productName + QString::fromStdString(platform::executableSuffix())};
    for (const QString &program : programs) {
        Log("debug", 1, QStringLiteral("kill program:") + program);
        m_ended.push_back(m_processEnder->endProduct(program, m_installRoot));
    }
    // Ending a process only starts its end: a check at once would often still find it running
    // and show the dialog again.
    m_waitDeadline.setRemainingTime(exitWaitMilliseconds);
    ui->btnContinue->setEnabled(false);
    m_waitTimer.start();
    checkEnded();
}

void CheckCloseDlg::checkEnded()
{
    // Closed meanwhile ("Cancel"): the wizard stays where it is.
    if (!isVisible()) {
        m_waitTimer.stop();
        return;
    }
    for (const platform::EndedProcesses &ended : m_ended) {
        if (!ended.haveExited() && !m_waitDeadline.hasExpired())
            return;
    }
    m_waitTimer.stop();
    m_ended.clear();
    ui->btnContinue->setEnabled(true);
    emit completeKill();
}

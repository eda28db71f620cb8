#include "checkclose/CheckCloseDlg.h"
#include "ui_CheckCloseDlg.h"

#include "host/LmProductInfo.h"
#include "host/Utility.h"
#include "platform/ProcessControl.h"
#include "platform/ProcessEnvironment.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

CheckCloseDlg::CheckCloseDlg(QWidget *parent)
    : LmMainWindowBase(parent)
{
    ui = new Ui::CheckCloseDlg;
    Log("debug", 1, QStringLiteral("CheckCloseDlg init!"));
    ui->setupUi(this);
    // A right-to-left mark keeps a title that starts with a Latin product name right to left.
    const QString mark = layoutDirection() == Qt::RightToLeft ? QStringLiteral("\u200F")
                                                              : QString();
    ui->productName->setText(mark
                             + QCoreApplication::translate("QObject", "Uninstall %1")
                                   .arg(LmProductInfo::instance()->productName(QString())));
    postCreateDerivedMainWindow(false, true, nullptr);

    connect(this, &CheckCloseDlg::completeKill, this, &QWidget::close, Qt::DirectConnection);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close, Qt::DirectConnection);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QWidget::close, Qt::DirectConnection);
    connect(ui->btnContinue,
            &QAbstractButton::clicked,
            this,
            &CheckCloseDlg::onKillPrograms,
            Qt::DirectConnection);
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
    const QStringList programs{LmProductInfo::instance()->productName(QString())
                               + QString::fromStdString(platform::executableSuffix())};
    for (const QString &program : programs) {
        Log("debug", 1, QStringLiteral("kill program:") + program);
        platform::terminateProcessesNamed(program.toStdString(),
                                          LmProductInfo::instance()->installDirectory().toStdString(),
                                          QCoreApplication::applicationPid());
    }
    emit completeKill();
}

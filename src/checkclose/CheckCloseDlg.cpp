#include "checkclose/CheckCloseDlg.h"
#include "ui_CheckCloseDlg.h"

#include "host/LmProductInfo.h"
#include "host/Utility.h"
#include "platform/ProcessControl.h"
#include "platform/ProcessEnvironment.h"

#include <QCoreApplication>

CheckCloseDlg::CheckCloseDlg(QWidget *parent)
    : LmMainWindowBase(parent)
{
    ui = new Ui::CheckCloseDlg;
    Log("debug", 1, QStringLiteral("CheckCloseDlg init!"));
    ui->setupUi(this);
    ui->productName->setText(QCoreApplication::translate("QObject", "Uninstall %1")
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

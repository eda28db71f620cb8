#include "widgets/ClickedStackedWidget.h"
#include "ui_ClickedStackedWidget.h"

#include "Utility.h"

ClickedStackedWidget::ClickedStackedWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ClickedStackedWidget)
{
    ensurePolished();
    Log("debug", 1, QStringLiteral("ClickedStackedWidget init!"));
    ui->setupUi(this);
    connect(ui->btnPre, &QToolButton::clicked, this, &ClickedStackedWidget::onBtnPrePage);
    connect(ui->btnNext, &QToolButton::clicked, this, &ClickedStackedWidget::onBtnNextPage);
    ui->btnNext->hide();
    ui->btnPre->hide();
}

ClickedStackedWidget::~ClickedStackedWidget()
{
    delete ui;
}

void ClickedStackedWidget::setRecAppInfos(const QVector<RecApp> &apps)
{
    Q_UNUSED(apps)
    Log("debug", 1, QStringLiteral("ClickedStackedWidget setRecAppInfos run!"));
}

QString ClickedStackedWidget::frameRecBg() const
{
    return QString();
}

void ClickedStackedWidget::setFrameRecBg(const QString &value)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, QStringLiteral("ClickedStackedWidget bind frameRecbg:") + value);
    frameRecBgs = value.split(QLatin1Char('*'));
}

QString ClickedStackedWidget::skinPathProperty() const
{
    return QString();
}

void ClickedStackedWidget::setSkinPath(const QString &value)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, QStringLiteral("ClickedStackedWidget bind skinPath:") + value);
    skinPath = value;
}

void ClickedStackedWidget::onBtnNextPage()
{
    Log("debug", 1, QStringLiteral("ClickedStackedWidget onBtnNextPage run!"));
    int index = ui->recWidget->currentIndex() + 1;
    if (index > ui->recWidget->count() - 1)
        index = 0;
    ui->recWidget->setCurrentIndex(index);
}

void ClickedStackedWidget::onBtnPrePage()
{
    Log("debug", 1, QStringLiteral("ClickedStackedWidget onBtnPrePage run!"));
    int index = ui->recWidget->currentIndex() - 1;
    if (index < 0)
        index = ui->recWidget->count() - 1;
    ui->recWidget->setCurrentIndex(index);
}

#include "widgets/ClickedStackedWidget.h"
#include "ui_ClickedStackedWidget.h"

#include "host/DataDirectory.h"
#include "host/LmResourceMgr.h"
#include "host/Utility.h"
#include "widgets/RecFrame.h"

#include <QFile>
#include <QHBoxLayout>

namespace {

const int tileSpacing = 21;

QString iconPath(const RecApp &app)
{
    const QString downloaded = DataDirectory::cacheDirectory() + app.icon;
    if (QFile::exists(downloaded))
        return downloaded;
    Log("error", 1, QStringLiteral("recApp icon not exists:") + app.name);
    return LmResourceMgr::instance()->productResourceRoot()
           + QStringLiteral("/uninstallConfig/recAppIcon/") + app.icon;
}

} // namespace

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
    Log("debug", 1, QStringLiteral("ClickedStackedWidget setRecAppInfos run!"));
    removePages();
    const int tilesPerPage = frameRecBgs.size();
    if (tilesPerPage == 0)
        return;
    const int pages = (apps.size() + tilesPerPage - 1) / tilesPerPage;
    // The arrows follow a fixed threshold, not the page count, and are never hidden again.
    if (apps.size() > 4) {
        ui->btnNext->show();
        ui->btnPre->show();
    }
    for (int page = 0; page < pages; ++page)
        addPage(apps.mid(page * tilesPerPage, tilesPerPage));
}

void ClickedStackedWidget::removePages()
{
    while (ui->recWidget->count() > 0) {
        QWidget *page = ui->recWidget->widget(ui->recWidget->count() - 1);
        ui->recWidget->removeWidget(page);
        delete page;
    }
}

void ClickedStackedWidget::addPage(const QVector<RecApp> &apps)
{
    auto *page = new QWidget(ui->recWidget);
    ui->recWidget->addWidget(page);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    for (int position = 0; position < apps.size(); ++position) {
        const RecApp &app = apps.at(position);
        // A tile belongs to the carousel until the page's layout takes it over.
        auto *tile = new RecFrame(this);
        tile->setBackground(skinPath + frameRecBgs.at(position));
        tile->setIcon(iconPath(app));
        tile->setName(app.name);
        tile->setButtonText(QCoreApplication::translate("QObject", "Learn More"));
        tile->setBtnUrl(app.url);
        layout->insertWidget(2 * position, tile);
        layout->addSpacing(int(RecFrame::dpiScale() * tileSpacing));
    }
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Preferred));
    page->setLayout(layout);
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

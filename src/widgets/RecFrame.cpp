#include "widgets/RecFrame.h"
#include "ui_RecFrame.h"

#include "config/OutsidePicture.h"

#include "host/LMGA.h"
#include "host/LmProductInfo.h"
#include "host/LmResourceMgr.h"
#include "host/Utility.h"

#include <QDesktopServices>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QUrl>

namespace {

// Not QPixmap(path): that keeps the picture at its drawn size in the pixmap cache for the rest of
// the run, beside the scaled copy that is shown.
QPixmap loadUncached(const QString &path)
{
    return QPixmap::fromImage(QImage(path));
}

// A missing picture stays empty, without Qt's warning on standard error.
QPixmap scaledTo(const QPixmap &picture, const QSize &size)
{
    if (picture.isNull())
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Pictures are drawn at twice their size on screen, then follow the system zoom.
QSize displaySize(const QSize &drawn)
{
    const double scale = RecFrame::dpiScale();
    const int width = qRound(drawn.width() * 0.5);
    const int height = qRound(drawn.height() * 0.5);
    return QSize(qRound(width * scale), qRound(height * scale));
}

} // namespace

RecFrame::RecFrame(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::RecFrame)
{
    Log("debug", 1, QStringLiteral("RecFrame init!"));
    ui->setupUi(this);
}

RecFrame::~RecFrame()
{
    Log("debug", 1, QStringLiteral("RecFrame ~RecFrame!"));
    delete ui;
}

double RecFrame::dpiScale()
{
    bool isNumber = false;
    const int keepDrawnSize = LmProductInfo::instance()
                                  ->extendParam(QStringLiteral("NoUserDpiChange"), QString())
                                  .toInt(&isNumber, 10);
    if (isNumber && keepDrawnSize == 1)
        return 1.0;
    // The zoom is reported as a DPI value; at 100 % it equals the base DPI.
    return LmResourceMgr::getZoomDPI() / LmResourceMgr::getBaseZoomDPI();
}

QPalette RecFrame::getFrameBackground(const QString &path)
{
    Log("debug", 1, QStringLiteral("RecFrame::getFrameBackground iconPath:") + path);
    const QPixmap background = loadUncached(path);
    frameSize = displaySize(background.size());
    QPalette palette;
    palette.setBrush(QPalette::Window, scaledTo(background, frameSize));
    return palette;
}

void RecFrame::setBackground(const QString &path)
{
    Log("debug", 1, QStringLiteral("RecFrame::setBackground bgPath:") + path);
    setPalette(getFrameBackground(path));
    setFixedSize(frameSize);
    setAutoFillBackground(true);
}

QSize RecFrame::shownIconSize()
{
    const double scale = dpiScale();
    const QSize box = OutsidePicture::ShownSizes().icon;
    return QSize(qRound(box.width() * scale), qRound(box.height() * scale));
}

void RecFrame::setIcon(const QString &path)
{
    Log("debug", 1, QStringLiteral("RecFrame::setIcon iconPath:") + path);
    // Decoded at the size shown, which the tile's icon box bounds.
    QImageReader reader(path);
    const QSize shown = OutsidePicture::storedSize(displaySize(reader.size()),
                                                   shownIconSize(),
                                                   true);
    QImage icon;
    if (!shown.isEmpty()) {
        reader.setScaledSize(shown);
        reader.read(&icon);
    }
    ui->recIcon->setPixmap(QPixmap::fromImage(icon));
    ui->recIcon->setAlignment(Qt::AlignCenter);
}

void RecFrame::setBtnUrl(const QString &url)
{
    Log("debug", 1, QStringLiteral("RecFrame::setBtnUrl Url:") + url);
    const QUrl address(url, QUrl::TolerantMode);
    connect(ui->btnRecUrl, &QPushButton::clicked, this, [this, address] {
        LMGA::uninstallEvent(QStringLiteral("uninstall_recommend"),
                             QStringLiteral("click_recommend_") + ui->recName->text());
        QDesktopServices::openUrl(address);
    });
}

void RecFrame::setName(const QString &name)
{
    ui->recName->setText(name);
    setAccessibleName(name);
    ui->btnRecUrl->setAccessibleName(
        QCoreApplication::translate("QObject", "Learn more about %1").arg(name));
}

void RecFrame::setButtonText(const QString &text)
{
    ui->btnRecUrl->setText(text);
}

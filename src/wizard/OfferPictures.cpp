#include "wizard/OfferPictures.h"
#include "ui_Uninstall.h"

#include "host/RunContext.h"
#include "host/Utility.h"
#include "widgets/RecFrame.h"
#include "wizard/PictureSnapshot.h"

#include <QFile>
#include <QPixmapCache>

OfferPictures::OfferPictures(QWidget *window, Ui::UnInstallWindow &ui)
    : m_window(window)
    , m_ui(ui)
{}

OfferPictures::~OfferPictures() = default;

OutsidePicture::ShownSizes OfferPictures::shownSizes() const
{
    m_ui.discountBg->ensurePolished();
    m_ui.purchaseImg->ensurePolished();
    OutsidePicture::ShownSizes shown;
    shown.banner = m_ui.discountBg->maximumSize().boundedTo(m_window->size());
    shown.promotion = m_ui.purchaseImg->maximumSize().boundedTo(m_window->size());
    shown.icon = RecFrame::shownIconSize();
    return shown;
}

OfferPictures::Files OfferPictures::chosen(const RunContext &run)
{
    const QString &language = run.language;
    Files files{run.cacheDirectory + QStringLiteral("banner_pic_%1.png").arg(language),
                run.cacheDirectory + QStringLiteral("promotion_pic_%1.png").arg(language)};
    const QString defaultDir = run.resourceRoot + QStringLiteral("/uninstallConfig/");
    if (!QFile::exists(files.banner)) {
        Log("debug", 1, QStringLiteral("Uninstall downLoad banner_pic not exists!"));
        files.banner = defaultDir + QStringLiteral("banner_pic/") + language
                       + QStringLiteral(".png");
    }
    if (!QFile::exists(files.promotion)) {
        Log("debug", 1, QStringLiteral("Uninstall downLoad promotion__pic not exists!"));
        files.promotion = defaultDir + QStringLiteral("promotion_pic/") + language
                          + QStringLiteral(".png");
    }
    return files;
}

void OfferPictures::show(const Files &files)
{
    m_files = files;
    apply(files);
}

void OfferPictures::apply(const Files &files)
{
    m_ui.discountBg->setStyleSheet(
        QStringLiteral("Uninstall #discountBg{border-image: url(%1) 0;}").arg(files.banner));
    m_ui.purchaseImg->setStyleSheet(
        QStringLiteral("Uninstall #purchaseImg{border-image: url(%1) 0;}").arg(files.promotion));
}

void OfferPictures::keepInMemory()
{
    m_pictures = std::make_unique<PictureSnapshot>(QStringList{m_files.banner, m_files.promotion});
    if (!m_pictures->isTaken()) {
        Log("error", 1, QStringLiteral("Uninstall pictures not kept in memory"));
        return;
    }
    // The pictures decoded from disk are of no further use: let them go before the copies
    // from memory are decoded, so that both are never held at once.
    m_ui.discountBg->setStyleSheet(QString());
    m_ui.purchaseImg->setStyleSheet(QString());
    QPixmapCache::clear();
    apply({m_pictures->inMemory(m_files.banner), m_pictures->inMemory(m_files.promotion)});
}

bool OfferPictures::keptInMemory() const
{
    return m_pictures != nullptr;
}

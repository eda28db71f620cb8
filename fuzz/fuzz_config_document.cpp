// The configuration document as the loader reads it, and the addresses as requests parse them.
#include "FuzzSupport.h"
#include "config/ConfigDocuments.h"

#include <QUrl>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<ConfigDocuments::Configuration> configuration
        = ConfigDocuments::readConfiguration(fuzz::bytes(data, size), fuzz::language);
    if (!configuration)
        return 0;
    fuzz::require(configuration->downloads.size() == 2);
    fuzz::require(configuration->downloads.at(0).fileName == QLatin1String("banner_pic_en.png"));
    fuzz::require(configuration->downloads.at(1).fileName == QLatin1String("promotion_pic_en.png"));
    for (const DownloadItem &download : configuration->downloads) {
        fuzz::require(ConfigDocuments::isPlainFileName(download.fileName));
        fuzz::requireSameAddressAsText(download.url);
    }
    for (const QString &address : {configuration->recommendAppUrl,
                                   configuration->uninstallChoseUrl,
                                   configuration->uninstallCauseUrl})
        QUrl(address, QUrl::TolerantMode).isValid();
    return 0;
}

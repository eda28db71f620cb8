// Up to three remote documents, read as the resource handler's chain reads them: each must be
// of the kind its step asked for. The icon names that pass the file name rule are joined to the
// image cache, so none of them may lead out of it.
#include "FuzzSupport.h"
#include "config/ConfigDocuments.h"

#include <QDir>
#include <QUrl>

namespace {

const QString cacheDirectory = QStringLiteral("/cache/uninstallRes");

void checkDownload(const DownloadItem &download)
{
    fuzz::requireSameAddressAsText(download.url);
    if (!ConfigDocuments::isPlainFileName(download.fileName))
        return;
    const QString path = QDir::cleanPath(cacheDirectory + QLatin1Char('/') + download.fileName);
    fuzz::require(path.startsWith(cacheDirectory + QLatin1Char('/')));
    fuzz::require(path.lastIndexOf(QLatin1Char('/')) == cacheDirectory.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ConfigDocuments::Kind chain[] = {ConfigDocuments::Kind::RecommendedApps,
                                           ConfigDocuments::Kind::Reasons,
                                           ConfigDocuments::Kind::ReasonTexts};
    const QList<QByteArray> documents = fuzz::documents(data, size);
    for (int step = 0; step < documents.size(); ++step) {
        const std::optional<ConfigDocuments::Content> content
            = ConfigDocuments::readContent(documents.at(step), fuzz::language);
        if (!content || content->kind != chain[step])
            return 0;
        fuzz::require(content->apps.size() == content->icons.size());
        for (const DownloadItem &icon : content->icons)
            checkDownload(icon);
        fuzz::require(ConfigDocuments::allCauseTexts(content->causeTexts).size()
                      == content->causeTexts.size());
    }
    return 0;
}

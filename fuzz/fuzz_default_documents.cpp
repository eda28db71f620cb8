// Up to three installed default documents, read in turn as the loader reads its files: the
// reason texts are resolved against the reason keys read before.
#include "FuzzSupport.h"
#include "config/ConfigDocuments.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QVector<QString> causeList;
    for (const QByteArray &document : fuzz::documents(data, size)) {
        const std::optional<ConfigDocuments::Content> content
            = ConfigDocuments::readContent(document, fuzz::language);
        if (!content)
            continue;
        fuzz::require(content->apps.size() == content->icons.size());
        causeList += content->causeKeys;
        if (content->kind == ConfigDocuments::Kind::ReasonTexts) {
            const QList<QString> keys
                = ConfigDocuments::causeTextsFor(content->causeTexts, causeList).keys();
            fuzz::require(QSet<QString>(keys.cbegin(), keys.cend())
                          == QSet<QString>(causeList.cbegin(), causeList.cend()));
        }
    }
    return 0;
}

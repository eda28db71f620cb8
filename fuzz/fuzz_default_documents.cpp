// Up to three installed default documents, read in turn as the loader reads its files: the
// reason texts are resolved against the reason keys read before.
#include "FuzzSupport.h"
#include "config/ConfigDocuments.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QVector<QString> causeList;
    for (const QByteArray &document : fuzz::documents(fuzz::bytes(data, size), 3)) {
        const std::optional<ConfigDocuments::Content> content
            = ConfigDocuments::readContent(document, fuzz::language);
        if (!content)
            continue;
        switch (content->kind) {
        case ConfigDocuments::Kind::RecommendedApps:
            fuzz::require(content->apps.size() == content->icons.size());
            break;
        case ConfigDocuments::Kind::Reasons:
            causeList += content->causeKeys;
            break;
        case ConfigDocuments::Kind::ReasonTexts: {
            const QMap<QString, QString> texts = ConfigDocuments::causeTextsFor(content->causeTexts,
                                                                                causeList);
            const QList<QString> keys = texts.keys();
            fuzz::require(QSet<QString>(keys.cbegin(), keys.cend())
                          == QSet<QString>(causeList.cbegin(), causeList.cend()));
            break;
        }
        case ConfigDocuments::Kind::Unknown:
            break;
        }
    }
    return 0;
}

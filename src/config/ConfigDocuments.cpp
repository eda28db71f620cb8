#include "config/ConfigDocuments.h"

#include "host/Utility.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

namespace {

const QString recommendAppKey = QStringLiteral("recommendApp");
const QString uninstallChoseKey = QStringLiteral("uninstallChose");
const QString uninstallCauseKey = QStringLiteral("uninstallCause");

bool isWindowsDeviceName(const QString &name)
{
    // Windows resolves these with any extension and trailing spaces before it.
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList plain{QStringLiteral("CON"),
                                   QStringLiteral("PRN"),
                                   QStringLiteral("AUX"),
                                   QStringLiteral("NUL"),
                                   QStringLiteral("CONIN$"),
                                   QStringLiteral("CONOUT$")};
    if (plain.contains(stem))
        return true;
    if (stem.size() != 4
        || !(stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))))
        return false;
    // The ports are numbered 1 to 9, and Windows takes the superscripts 1 to 3 for them too.
    const QChar number = stem.at(3);
    return (number >= QLatin1Char('1') && number <= QLatin1Char('9')) || number == QChar(0x00B9)
           || number == QChar(0x00B2) || number == QChar(0x00B3);
}

QJsonValue languageValue(const QJsonObject &languages, const QString &language)
{
    return languages.contains(language) ? languages.value(language)
                                        : languages.value(QStringLiteral("default"));
}

QString parseErrorLine(const QJsonParseError &error)
{
    return QStringLiteral("JSON parsing error:") + error.errorString()
           + QStringLiteral("\nError offset : ") + QString::number(error.offset);
}

// The document, or null after logging the parse error line.
QJsonDocument parse(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (document.isNull())
        Log("error", 1, parseErrorLine(error));
    return document;
}

DownloadItem offerImage(const QString &prefix, const QString &name, const QString &language)
{
    return DownloadItem{QUrl(prefix + language + QStringLiteral(".png"), QUrl::TolerantMode),
                        name.arg(language)};
}

} // namespace

std::optional<ConfigDocuments::Configuration> ConfigDocuments::readConfiguration(
    const QByteArray &bytes, const QString &language)
{
    const QJsonDocument document = parse(bytes);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject configuration = document.object();
    const auto text = [&configuration](const char *key) {
        return configuration.value(QLatin1String(key)).toString();
    };
    return Configuration{text("version"),
                         {offerImage(text("banner_pic"),
                                     QStringLiteral("banner_pic_%1.png"),
                                     language),
                          offerImage(text("promotion_pic"),
                                     QStringLiteral("promotion_pic_%1.png"),
                                     language)},
                         text("recommendApp"),
                         text("uninstallChose"),
                         text("uninstallCause")};
}

std::optional<ConfigDocuments::Content> ConfigDocuments::readContent(const QByteArray &bytes,
                                                                     const QString &language)
{
    const QJsonDocument document = parse(bytes);
    if (document.isNull())
        return std::nullopt;
    Content content;
    const QJsonObject object = document.object();
    content.kind = document.isObject() ? kind(object) : Kind::Unknown;
    switch (content.kind) {
    case Kind::RecommendedApps:
        for (const QJsonValue &element : recommendedAppElements(object, language)) {
            if (content.apps.size() == maxRecommendedApps)
                break;
            content.icons.append(iconDownload(element));
            content.apps.append(recApp(element));
        }
        break;
    case Kind::Reasons:
        content.singleChoice = object.value(QStringLiteral("uninstallCuaseCheck")).toBool(false);
        content.users = object.value(QStringLiteral("users")).toString();
        content.causeKeys = causeKeys(object, language);
        break;
    case Kind::ReasonTexts:
        content.causeTexts = causeTexts(object, language);
        break;
    case Kind::Unknown:
        break;
    }
    return content;
}

ConfigDocuments::Kind ConfigDocuments::kind(const QJsonObject &document)
{
    if (document.value(recommendAppKey).isObject())
        return Kind::RecommendedApps;
    if (document.value(uninstallChoseKey).isObject())
        return Kind::Reasons;
    if (document.value(uninstallCauseKey).isObject())
        return Kind::ReasonTexts;
    return Kind::Unknown;
}

QJsonArray ConfigDocuments::recommendedAppElements(const QJsonObject &document,
                                                   const QString &language)
{
    return document.value(recommendAppKey).toObject().value(language).toArray();
}

RecApp ConfigDocuments::recApp(const QJsonValue &element)
{
    const QJsonObject app = element.toObject();
    return RecApp{app.value(QStringLiteral("icon")).toString(),
                  app.value(QStringLiteral("name")).toString(),
                  app.value(QStringLiteral("url")).toString()};
}

DownloadItem ConfigDocuments::iconDownload(const QJsonValue &element)
{
    const QJsonObject app = element.toObject();
    return DownloadItem{QUrl(app.value(QStringLiteral("pic_url")).toString(), QUrl::TolerantMode),
                        app.value(QStringLiteral("icon")).toString()};
}

QVector<QString> ConfigDocuments::causeKeys(const QJsonObject &document, const QString &language)
{
    QVector<QString> keys;
    const QJsonObject languages = document.value(uninstallChoseKey).toObject();
    for (const QJsonValue &key : languageValue(languages, language).toArray())
        keys.append(key.toString());
    return keys;
}

QJsonObject ConfigDocuments::causeTexts(const QJsonObject &document, const QString &language)
{
    return languageValue(document.value(uninstallCauseKey).toObject(), language).toObject();
}

QMap<QString, QString> ConfigDocuments::causeTextsFor(const QJsonObject &texts,
                                                      const QVector<QString> &keys)
{
    QMap<QString, QString> map;
    for (const QString &key : keys)
        map.insert(key, texts.value(key).toString());
    return map;
}

QMap<QString, QString> ConfigDocuments::allCauseTexts(const QJsonObject &texts)
{
    QMap<QString, QString> map;
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it)
        map.insert(it.key(), it.value().toString());
    return map;
}

bool ConfigDocuments::isPlainFileName(const QString &name)
{
    // Windows drops trailing dots and spaces, so "..." or "a. " would name something else.
    if (name.isEmpty() || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':')
            || c.unicode() < 0x20)
            return false;
    }
    return !isWindowsDeviceName(name);
}

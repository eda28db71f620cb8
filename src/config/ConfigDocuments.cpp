#include "ConfigDocuments.h"

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
                                   QStringLiteral("NUL")};
    if (plain.contains(stem))
        return true;
    return stem.size() == 4
           && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
           && stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

QJsonValue languageValue(const QJsonObject &languages, const QString &language)
{
    return languages.contains(language) ? languages.value(language)
                                        : languages.value(QStringLiteral("default"));
}

} // namespace

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

QString ConfigDocuments::parseErrorLine(const QJsonParseError &error)
{
    return QStringLiteral("JSON parsing error:") + error.errorString()
           + QStringLiteral("\nError offset : ") + QString::number(error.offset);
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

QVector<RecApp> ConfigDocuments::recommendedApps(const QJsonObject &document,
                                                 const QString &language)
{
    QVector<RecApp> apps;
    for (const QJsonValue &element : recommendedAppElements(document, language))
        apps.append(recApp(element));
    return apps;
}

bool ConfigDocuments::singleChoice(const QJsonObject &document)
{
    return document.value(QStringLiteral("uninstallCuaseCheck")).toBool(false);
}

QString ConfigDocuments::users(const QJsonObject &document)
{
    return document.value(QStringLiteral("users")).toString();
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

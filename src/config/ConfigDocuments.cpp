#include "ConfigDocuments.h"

#include <QJsonParseError>
#include <QJsonValue>

namespace {

const QString recommendAppKey = QStringLiteral("recommendApp");
const QString uninstallChoseKey = QStringLiteral("uninstallChose");
const QString uninstallCauseKey = QStringLiteral("uninstallCause");

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

#pragma once

#include "config/DownloadItem.h"
#include "config/RecApp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>

#include <optional>

/// Reading rules of the configuration document and of the recommended-apps, reasons and reason
/// texts documents, shared by the parser of the installed defaults and the parser of the remote
/// copies.
class ConfigDocuments
{
public:
    enum class Kind { RecommendedApps, Reasons, ReasonTexts, Unknown };

    // Only the first ones of a document are used, and only their icons are fetched.
    static constexpr int maxRecommendedApps = 64;

    // What the configuration document names; the downloads are the banner, then the promotion.
    struct Configuration
    {
        QString version;
        QList<DownloadItem> downloads;
        QString recommendAppUrl;
        QString uninstallChoseUrl;
        QString uninstallCauseUrl;
    };

    // What one content document holds for a language; only the members of its kind are set.
    struct Content
    {
        Kind kind = Kind::Unknown;
        // A non-object element reads as an application with empty fields.
        QVector<RecApp> apps;
        // One per application, in order: "pic_url" stored under the name "icon".
        QList<DownloadItem> icons;
        bool singleChoice = false;
        QString users;
        // The reason keys of the language, else of "default".
        QVector<QString> causeKeys;
        // The texts by reason key of the language, else of "default".
        QJsonObject causeTexts;
    };

    // Both log the parse error line and give nothing for bytes that are not valid JSON. A
    // configuration whose top level is not an object gives nothing either; such a content
    // document is of kind Unknown.
    static std::optional<Configuration> readConfiguration(const QByteArray &bytes,
                                                          const QString &language);
    static std::optional<Content> readContent(const QByteArray &bytes, const QString &language);

    // Exactly the given keys, each mapped to its text or to an empty string.
    static QMap<QString, QString> causeTextsFor(const QJsonObject &texts,
                                                const QVector<QString> &keys);
    // Every key of the texts, each mapped to its text.
    static QMap<QString, QString> allCauseTexts(const QJsonObject &texts);

    // A name that stays inside the directory it is joined to, on every system: not empty, no
    // separator, ':' or control character, no trailing dot or space (so neither "." nor ".."),
    // and not a device name of Windows (CON, nul.png, COM1, a port with a superscript digit,
    // CONOUT$).
    static bool isPlainFileName(const QString &name);

private:
    // Decided by the first of "recommendApp", "uninstallChose", "uninstallCause" that holds an
    // object, whatever address the document came from.
    static Kind kind(const QJsonObject &document);
    // The array under exactly this language; no fallback.
    static QJsonArray recommendedAppElements(const QJsonObject &document, const QString &language);
    static RecApp recApp(const QJsonValue &element);
    static DownloadItem iconDownload(const QJsonValue &element);
    static QVector<QString> causeKeys(const QJsonObject &document, const QString &language);
    static QJsonObject causeTexts(const QJsonObject &document, const QString &language);
};

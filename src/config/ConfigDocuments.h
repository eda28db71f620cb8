#pragma once

#include "RecApp.h"

#include <QJsonArray>
#include <QJsonObject>

struct QJsonParseError;

/// Reading rules of the recommended-apps, reasons and reason texts documents, shared by the
/// parser of the installed defaults and the parser of the remote copies.
class ConfigDocuments
{
public:
    enum class Kind { RecommendedApps, Reasons, ReasonTexts, Unknown };

    // Decided by the first of "recommendApp", "uninstallChose", "uninstallCause" that holds an
    // object, whatever address the document came from.
    static Kind kind(const QJsonObject &document);

    // The line logged for a document that is not valid JSON.
    static QString parseErrorLine(const QJsonParseError &error);

    // The array under exactly this language; no fallback.
    static QJsonArray recommendedAppElements(const QJsonObject &document, const QString &language);
    // A non-object element reads as an application with empty fields.
    static RecApp recApp(const QJsonValue &element);
    static QVector<RecApp> recommendedApps(const QJsonObject &document, const QString &language);

    static bool singleChoice(const QJsonObject &document);
    static QString users(const QJsonObject &document);
    // The reason keys of the language, else of "default".
    static QVector<QString> causeKeys(const QJsonObject &document, const QString &language);

    // The texts by reason key of the language, else of "default".
    static QJsonObject causeTexts(const QJsonObject &document, const QString &language);
    // Exactly the given keys, each mapped to its text or to an empty string.
    static QMap<QString, QString> causeTextsFor(const QJsonObject &texts,
                                                const QVector<QString> &keys);

    // A name that stays inside the directory it is joined to, on every system: not empty, no
    // separator, ':' or control character, no trailing dot or space (so neither "." nor ".."),
    // and not a device name of Windows (CON, nul.png, COM1).
    static bool isPlainFileName(const QString &name);
};

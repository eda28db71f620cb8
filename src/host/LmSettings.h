#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class QSettings;

/// The user's settings of the product; every call opens the file anew, so any thread may call.
class LmSettings
{
public:
    static LmSettings *instance();
    // The language codes the wizard offers, in the order of its language box.
    static const QStringList &offeredLanguages();
    // The offered code nearest to a language code by locale rules; empty when none is near.
    static QString nearestOfferedLanguage(const QString &code);

    QString currentLanguage(const QString &fallback) const;
    void setCurrentLanguage(const QString &language);
    QString currentSkin(const QString &fallback) const;
    void setCurrentSkin(const QString &skin);

    QVariant applicationParam(const QString &key, const QVariant &defaultValue) const;
    void setApplicationParam(const QString &key, const QVariant &value);

    QString installRecord(const QString &key) const;
    void removeInstallRecord(const QString &key);
    QString fileName() const;

private:
    LmSettings() = default;
    std::unique_ptr<QSettings> open() const;
};

#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QTranslator;

/// The product's resources: skins, translation catalogues, icon and default documents.
class LmResourceMgr
{
public:
    static LmResourceMgr *instance();
    ~LmResourceMgr();

    // Applies <root>/skins/<name>/uninstall.qss; the skin folder is the "skin:" search path.
    void setCurrentSkin(const QString &name);
    // Installs <root>/translations/uninstall_<language>.qm when the kit's manifest beside it
    // lists its SHA-256; English otherwise.
    void setCurrentLanguage(const QString &language);
    // The language of the texts shown, which documents and pictures must match: "en" when the
    // catalogue was refused; the user's language while none was set.
    QString shownLanguage() const;

    QString productResourceRoot() const;
    QString skinDirectory(const QString &name) const;

    static QString applicationIconPath();
    static double getZoomDPI();
    static double getBaseZoomDPI();

private:
    LmResourceMgr();
    QByteArray m_catalogue; // what m_translator reads: declared first, so it outlives it
    std::unique_ptr<QTranslator> m_translator;
    QString m_language;
};

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
    // Installs <root>/translations/uninstall_<language>.qm when there is one; English otherwise.
    void setCurrentLanguage(const QString &language);

    QString productResourceRoot() const;
    QString skinDirectory(const QString &name) const;

    static QString applicationIconPath();
    static double getZoomDPI();
    static double getBaseZoomDPI();

private:
    LmResourceMgr();
    QByteArray m_catalogue; // the installed translator's data, which it does not copy
    std::unique_ptr<QTranslator> m_translator;
};

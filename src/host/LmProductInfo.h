#pragma once

#include "host/ProductIni.h"

#include <QString>

/// Product identity and extended parameters, read from product.ini beside the host executable.
class LmProductInfo
{
public:
    static LmProductInfo *instance();

    // Reads another product.ini; the installation directory becomes that file's directory.
    void load(const QString &iniFileName);
    QString installDirectory() const;
    // Why the product cannot be uninstalled with this file, or empty when it can.
    QString unusableReason() const;

    QString productName(const QString &language) const;
    QString productVersion(const QString &language) const;
    QString GUID(const QString &language) const;
    QString purchaseUrl(const QString &language) const;
    QString productID() const;
    QString brand() const;
    QString defaultLanguage() const;
    QString defaultSkin() const;
    QString afterUninstallUrl(const QString &productId) const;
    QString resourceRoot() const;

    // language "" reads [Extend]; any other reads [Extend.<language>].
    QString extendParam(const QString &key, const QString &language) const;

private:
    LmProductInfo();
    QString product(const QString &key) const;

    ProductIni m_ini;
    QString m_iniFileName;
    QString m_installDirectory;
};

#pragma once

#include <QString>

/// Install records that the installer wrote for the product.
class LmProductCommonInfo
{
public:
    static LmProductCommonInfo *instance();

    void unsetInstallPath(const QString &productId);
    void unsetInstallVersion(const QString &productId);

private:
    LmProductCommonInfo() = default;
};

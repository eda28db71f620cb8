#include "wizard/UserIdentifier.h"

#include <QStandardPaths>

QString UserIdentifier::forCurrentUser(const QString &productGuid)
{
    const std::unique_ptr<platform::UserRegistry> registry = platform::UserRegistry::currentUser(
        registryStorePath().toStdString());
    return obtain(*registry, productGuid);
}

QString UserIdentifier::obtain(platform::UserRegistry &registry,
                               const QString &productGuid,
                               const UuidSource &newUuid)
{
    return QString::fromStdString(
        platform::IdentifierRecord::obtain(registry, keyPath(productGuid).toStdString(), newUuid));
}

QString UserIdentifier::keyPath(const QString &productGuid)
{
    return QStringLiteral("Software\\Classes\\CLSID\\") + productGuid;
}

QString UserIdentifier::registryStorePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/uninstall-registry/HKEY_CURRENT_USER.ini");
}

#include "host/LmProductInfo.h"

#include "platform/ProcessEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// Names become folder and file names (data, settings, locks): a separator or ".." would lead
// outside the user's folders.
bool isPlainName(const QString &name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1String("..")))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
}

QString hostDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QString::fromStdString(platform::executableDirectory());
}

} // namespace

LmProductInfo::LmProductInfo()
{
    load(hostDirectory() + QStringLiteral("/product.ini"));
}

LmProductInfo *LmProductInfo::instance()
{
    static LmProductInfo info;
    return &info;
}

void LmProductInfo::load(const QString &iniFileName)
{
    m_ini = ProductIni::load(iniFileName);
    m_iniFileName = iniFileName;
    m_installDirectory = QFileInfo(iniFileName).absolutePath();
}

QString LmProductInfo::installDirectory() const
{
    return m_installDirectory;
}

QString LmProductInfo::unusableReason() const
{
    // Every value names files, locks or addresses; none of them, nor a key, is legitimately this long.
    constexpr int longestValue = 1024;
    if (!m_ini.isLoaded())
        return m_ini.loadError();
    if (productName(QString()).isEmpty())
        return m_iniFileName + QStringLiteral(" names no product ([Product] Name)");
    for (const QString &key : {QStringLiteral("Name"), QStringLiteral("Brand")}) {
        if (!isPlainName(product(key)))
            return m_iniFileName + QStringLiteral(": [Product] ") + key
                   + QStringLiteral(
                       " is not a plain name (no /, \\, \"..\" or control characters)");
    }
    const QString overlong = m_ini.overlongEntry(longestValue);
    if (!overlong.isEmpty())
        return m_iniFileName + QStringLiteral(": the entry ") + overlong.left(100)
               + QStringLiteral(" or its value is longer than %1 characters").arg(longestValue);
    return QString();
}

QString LmProductInfo::product(const QString &key) const
{
    return m_ini.value(QStringLiteral("Product"), key);
}

QString LmProductInfo::productName(const QString &) const
{
    return product(QStringLiteral("Name"));
}

QString LmProductInfo::productVersion(const QString &) const
{
    return product(QStringLiteral("Version"));
}

QString LmProductInfo::GUID(const QString &) const
{
    return product(QStringLiteral("GUID"));
}

QString LmProductInfo::purchaseUrl(const QString &) const
{
    return product(QStringLiteral("PurchaseUrl"));
}

QString LmProductInfo::productID() const
{
    return product(QStringLiteral("ID"));
}

QString LmProductInfo::brand() const
{
    return product(QStringLiteral("Brand"));
}

QString LmProductInfo::defaultLanguage() const
{
    return product(QStringLiteral("DefaultLanguage"));
}

QString LmProductInfo::defaultSkin() const
{
    return product(QStringLiteral("DefaultSkin"));
}

QString LmProductInfo::afterUninstallUrl(const QString &productId) const
{
    QString url = product(QStringLiteral("AfterUninstallUrl"));
    return url.replace(QStringLiteral("%1"), productId);
}

QString LmProductInfo::resourceRoot() const
{
    QString root = product(QStringLiteral("ResourceRoot"));
    if (root.isEmpty())
        root = QStringLiteral("resources");
    return QDir::cleanPath(QDir(m_installDirectory).absoluteFilePath(root));
}

QString LmProductInfo::extendParam(const QString &key, const QString &language) const
{
    const QString group = language.isEmpty() ? QStringLiteral("Extend")
                                             : QStringLiteral("Extend.") + language;
    return m_ini.value(group, key);
}

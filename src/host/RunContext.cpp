#include "host/RunContext.h"

#include "checkclose/ProcessEnder.h"
#include "config/BoundedReply.h"
#include "host/DataDirectory.h"
#include "host/LmProductInfo.h"
#include "host/LmResourceMgr.h"
#include "host/LmSettings.h"
#include "host/Utility.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

QString vettedReportUrl(const LmProductInfo &product)
{
    const QString address = product.extendParam(QStringLiteral("uninstallReportUrl"), QString());
    if (address.isEmpty() || BoundedReply::isRequestable(QUrl(address, QUrl::TolerantMode)))
        return address;
    Log("error", 1, QStringLiteral("refused report address (only http and https):") + address);
    return QString();
}

} // namespace

RunContext RunContext::fromHost()
{
    const LmProductInfo &product = *LmProductInfo::instance();
    RunContext run;
    run.installRoot = QDir(QCoreApplication::applicationDirPath());
    run.recordedInstallPath = LmSettings::instance()->installRecord(QStringLiteral("Path"));
    run.resourceRoot = LmResourceMgr::instance()->productResourceRoot();
    run.productId = product.productID();
    run.productName = product.productName(QString());
    run.productVersion = product.productVersion(QString());
    run.brand = product.brand();
    run.guid = product.GUID(QString());
    run.language = LmResourceMgr::instance()->shownLanguage();
    run.testMode = productInTestMode();
    run.configUrl = product.extendParam(QStringLiteral("uninstallConfigURL"), QString());
    run.updaterUrl = product.extendParam(QStringLiteral("updateAppUrl"), QString());
    run.reportUrl = vettedReportUrl(product);
    run.purchaseUrl = product.purchaseUrl(QString());
    run.afterUninstallUrl = product.afterUninstallUrl(run.productId);
    run.dataDirectory = DataDirectory::path();
    run.cacheDirectory = DataDirectory::cacheDirectory();
    run.updaterFile = DataDirectory::updaterFile();
    run.processEnder = std::make_shared<SystemProcessEnder>();
    return run;
}

bool RunContext::productInTestMode()
{
    const LmProductInfo &product = *LmProductInfo::instance();
    return product.extendParam(QStringLiteral("uninstallTest"), QString()).toInt() != 0;
}

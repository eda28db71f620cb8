#include "entry/WizardMain.h"

#include "config/UninstallProfile.h"
#include "entry/SilentUninstall.h"
#include "entry/UninstallSingleInstance.h"
#include "host/DataDirectory.h"
#include "host/Framework.h"
#include "host/LMGA.h"
#include "host/LmProductInfo.h"
#include "host/LmResourceMgr.h"
#include "host/LmSettings.h"
#include "host/LmSingleInstance.h"
#include "host/RunContext.h"
#include "host/Utility.h"
#include "wizard/Uninstall.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char startSwitch[] = "-start_uninstall";

void debug(const char *text)
{
    Log("debug", 1, QString::fromLatin1(text));
}

void sendMainEvent(const QString &action, const QString &label)
{
    LMGA::uninstallEvent(action, label);
}

// The data directory is named after the product, so its identity is needed before logging.
void initLogFile()
{
    const LmProductInfo *product = LmProductInfo::instance();
    QCoreApplication::setOrganizationName(product->brand());
    QCoreApplication::setApplicationName(product->productName(QString()));
    SetLogfile(DataDirectory::logFile().toStdString());
    SetLogLevel(0);
}

bool hasStartSwitch(int argc, char **argv)
{
    return argc >= 2 && argv && argv[1] && std::strcmp(argv[1], startSwitch) == 0;
}

bool isFontFamilyInstalled(const QString &family)
{
    const QStringList families = QFontDatabase().families();
    return std::any_of(families.cbegin(), families.cend(), [&family](const QString &installed) {
        return installed.compare(family, Qt::CaseInsensitive) == 0;
    });
}

void applyAboutIconSetting()
{
    const QString value = LmProductInfo::instance()->extendParam(QStringLiteral("isAboutIconShow"),
                                                                 QString());
    if (!value.isEmpty() && value.toInt() == 0)
        Framework::setAboutIcnShow(false);
}

QString installedFamily(const QString &family)
{
    return !family.isEmpty() && isFontFamilyInstalled(family) ? family : QString();
}

// The language's own family first, so that its script is drawn as the kit intends; then the
// product's family, then the English one.
QFont applicationFont(const QString &language)
{
    QFont font = QApplication::font();
    const LmProductInfo *product = LmProductInfo::instance();
    const QString key = QStringLiteral("fontFamily");
    QString chosen = installedFamily(product->extendParam(key, language));
    const QString general = product->extendParam(key, QString());
    if (chosen.isEmpty() && !general.isEmpty()) {
        chosen = installedFamily(general);
        if (chosen.isEmpty())
            chosen = installedFamily(product->extendParam(key, QStringLiteral("en")));
    }
    if (!chosen.isEmpty())
        font = QFont(chosen, -1, -1, false);
    font.setPointSize(
        applicationFontPointSize(LmResourceMgr::getZoomDPI(), LmResourceMgr::getBaseZoomDPI()));
    return font;
}

int refuse()
{
    Framework::uninit();
    return 0;
}

} // namespace

int applicationFontPointSize(double zoomDpi, double baseDpi)
{
    const float pointSize = float(zoomDpi * 10.0 / baseDpi);
    return int(pointSize);
}

namespace {

// The switch (unless in test mode), a display and no other wizard of the product.
bool mayStart(int argc, char **argv)
{
    debug("InitFramework!");
    if (!Framework::init(0, argc, argv)) {
        Log("error", 1, QStringLiteral("no display to show the wizard on"));
        return false;
    }
    if (!RunContext::productInTestMode()) {
        debug("uninstallTest is true");
        if (!hasStartSwitch(argc, argv)) {
            debug("quit uninstall");
            return false;
        }
    }
    if (!UninstallSingleInstance::getInstance()->isRunnable()) {
        debug("uninstall is runnabled!");
        UninstallSingleInstance::releaseInstance();
        return false;
    }
    return true;
}

void applySkinAndLanguage()
{
    const LmProductInfo *product = LmProductInfo::instance();
    debug("skin setting!");
    const QString skin = LmSettings::instance()->currentSkin(product->defaultSkin());
    LmResourceMgr::instance()->setCurrentSkin(skin);
    const QIcon icon(LmResourceMgr::applicationIconPath());
    QApplication::setWindowIcon(icon);
    const QString language = LmSettings::instance()->currentLanguage(product->defaultLanguage());
    debug("change CurrentLanguage!");
    LmResourceMgr::instance()->setCurrentLanguage(language);
    applyAboutIconSetting();
    const QFont font = applicationFont(LmResourceMgr::instance()->shownLanguage());
    debug("font setting!");
    QApplication::setFont(font);
}

// Shows the wizard on the run and returns its event loop's result.
int showWizard(const RunContext &run)
{
    auto window = std::make_unique<Uninstall>(run);
    UninstallSingleInstance *guard = UninstallSingleInstance::getInstance();
    guard->setWindow(window.get());
    window->show();
    sendMainEvent(QStringLiteral("uninstall_main_show"), QString());
    window->setAppEventLoopStarted();
    const int result = QApplication::exec();
    sendMainEvent(QStringLiteral("uninstall_main"), QStringLiteral("uninstall_c_stop"));
    LMGA::instance()->stopService();
    LmSingleInstance::release();
    UninstallSingleInstance::releaseInstance();
    // This framework destroys the application object in uninit(), so the window goes first.
    window.reset();
    return result;
}

} // namespace

int runWizard(int argc, char **argv)
{
    // Without a usable product identity there is no log, lock or installation to trust.
    const QString unusable = LmProductInfo::instance()->unusableReason();
    if (!unusable.isEmpty()) {
        std::fprintf(stderr, "uninstall refused: %s\n", qUtf8Printable(unusable));
        return 0;
    }
    initLogFile();
    if (hasStartSwitch(argc, argv) && SilentUninstall::isRequested(argc, argv))
        return SilentUninstall::run(argc, argv);
    if (!mayStart(argc, argv))
        return refuse();

    debug("ceipg init!");
    LMGA::instance()->startService(4, QStringLiteral("uninstall"));
    sendMainEvent(QStringLiteral("uninstall_main"), QStringLiteral("uninstall_c_start"));
    LMGA::instance()->startOneceTimeCheck();
    applySkinAndLanguage();

    // Read after the language is chosen, so that the run shows the language the host settled on.
    const RunContext run = RunContext::fromHost();
    UninstallProfile::prepareTls(run);
    int result = showWizard(run);
    if (!uninstallCancelled && !run.testMode) {
        debug("unins000.exe running!");
        result = 512;
    }
    Framework::uninit();
    return result;
}

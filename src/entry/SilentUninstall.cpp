#include "entry/SilentUninstall.h"

#include "checkclose/ProcessEnder.h"
#include "entry/UninstallSingleInstance.h"
#include "host/LMGA.h"
#include "host/LmInstallInfo.h"
#include "host/LmProductCommonInfo.h"
#include "host/LmSingleInstance.h"
#include "host/RunContext.h"
#include "host/Utility.h"
#include "platform/ProcessEnvironment.h"
#include "removal/FileDeletionThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

const char silentSwitch[] = "-silent";
// Ended processes give up the product's lock a moment after they are told to end.
constexpr int productExitMs = 5000;

// Deployment tools keep standard output as the run's log, one line per step.
void say(const QString &line)
{
    Log("debug", 1, QStringLiteral("silent uninstall: ") + line);
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

void sendMainEvent(const QString &label)
{
    LMGA::uninstallEvent(QStringLiteral("uninstall_main"), label);
}

QString installFolder(const RunContext &run)
{
    return QDir::toNativeSeparators(run.installRoot.absolutePath());
}

} // namespace

bool SilentUninstall::isRequested(int argc, char **argv)
{
    for (int i = 2; i < argc && argv; ++i) {
        if (argv[i] && std::strcmp(argv[i], silentSwitch) == 0)
            return true;
    }
    return false;
}

int SilentUninstall::run(int argc, char **argv)
{
    // Nothing here draws, so no display is needed.
    std::unique_ptr<QCoreApplication> application;
    if (!QCoreApplication::instance())
        application = std::make_unique<QCoreApplication>(argc, argv);
    const RunContext run = RunContext::fromHost();
    say(QStringLiteral("Uninstalling %1 from %2").arg(run.productName, installFolder(run)));
    if (run.testMode)
        return refuse(QStringLiteral("the product is in test mode, which removes nothing"));
    if (!UninstallSingleInstance::getInstance()->isRunnable()) {
        UninstallSingleInstance::releaseInstance();
        return refuse(QStringLiteral("another uninstall of this product is running"));
    }
    LMGA::instance()->startService(4, QStringLiteral("uninstall"));
    sendMainEvent(QStringLiteral("uninstall_c_start"));
    const int result = uninstall(run);
    sendMainEvent(QStringLiteral("uninstall_c_stop"));
    LMGA::instance()->stopService();
    LmSingleInstance::release();
    UninstallSingleInstance::releaseInstance();
    return result;
}

int SilentUninstall::uninstall(const RunContext &run)
{
    if (!closeProduct(run))
        return refuse(QStringLiteral("the product is still running"));
    say(QStringLiteral("Removing files"));
    FileDeletionThread worker(run);
    std::optional<FileDeletionThread::StartFailure> failure;
    QObject::connect(
        &worker,
        &FileDeletionThread::updateBar,
        &worker,
        [](int value) {
            Log("debug", 1, QStringLiteral("silent uninstall progress: %1%").arg(value));
        },
        Qt::DirectConnection);
    QObject::connect(
        &worker,
        &FileDeletionThread::cannotStart,
        &worker,
        [&failure](FileDeletionThread::StartFailure reason) { failure = reason; },
        Qt::DirectConnection);
    worker.start();
    worker.wait();
    if (failure == FileDeletionThread::StartFailure::Missing)
        return refuse(
            QStringLiteral("the installation folder %1 does not exist").arg(installFolder(run)));
    if (failure)
        return refuse(QStringLiteral("the folder %1 is not an installation that may be removed")
                          .arg(installFolder(run)));

    say(QStringLiteral("Removing install records"));
    LmInstallInfo::deregisterInstall();
    LmProductCommonInfo::instance()->unsetInstallPath(run.productId);
    LmProductCommonInfo::instance()->unsetInstallVersion(run.productId);
    const int leftBehind = worker.leftBehindCount();
    say(leftBehind == 0
            ? QStringLiteral("Uninstalled")
            : QStringLiteral("Uninstalled; %1 entries could not be removed").arg(leftBehind));
    Log("debug", 1, QStringLiteral("unins000.exe running!"));
    return 512;
}

// Ends the product's processes inside the installation, as the close-product dialog does.
bool SilentUninstall::closeProduct(const RunContext &run)
{
    if (LmSingleInstance::instance()->isAppRunnabled())
        return true;
    LmSingleInstance::release();
    const QString program = run.productName + QString::fromStdString(platform::executableSuffix());
    say(QStringLiteral("Closing ") + program);
    run.processEnder->endProduct(program, run.installRoot.absolutePath());
    const QDeadlineTimer deadline(productExitMs);
    while (!LmSingleInstance::instance()->isAppRunnabled()) {
        LmSingleInstance::release();
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

int SilentUninstall::refuse(const QString &reason)
{
    Log("error", 1, QStringLiteral("silent uninstall refused: ") + reason);
    std::fprintf(stderr, "uninstall refused: %s\n", qUtf8Printable(reason));
    return 0;
}

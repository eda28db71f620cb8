#include "entry/UninstallSingleInstance.h"

#include "host/LmProductInfo.h"
#include "platform/LockName.h"
#include "platform/NamedLock.h"
#include "platform/WindowActivation.h"

#include <QSharedMemory>
#include <QWidget>
#include <QtEndian>

namespace {

UninstallSingleInstance *guardInstance = nullptr;

// The published handle: the running wizard's top-level window, 64-bit little-endian at offset
// 0, so that wizards of any build read each other's handle.
constexpr int segmentSize = 64;

} // namespace

UninstallSingleInstance::UninstallSingleInstance()
{
    const QString name = LmProductInfo::instance()->productName(QString());
    const std::string key = name.toStdString() + "_uninstall";
    // The system names the segment after its key too, within the same limits as the lock.
    sharedMemory = new QSharedMemory(QString::fromStdString(platform::lockName(key)), this);
    mutex = std::make_unique<platform::NamedLock>(key);
    // A lock that cannot be taken counts as held: two wizards must never both run.
    const platform::NamedLock::Result lock = mutex->tryAcquire();
    if (lock != platform::NamedLock::Result::Acquired) {
        mutex.reset();
        runnable = false;
        if (lock == platform::NamedLock::Result::AlreadyExists
            && sharedMemory->attach(QSharedMemory::ReadOnly))
            activateRunningWizard();
        return;
    }
    // The lock makes this the only wizard, so a segment left by one that was killed is taken over.
    if (sharedMemory->create(segmentSize, QSharedMemory::ReadWrite))
        return;
    if (sharedMemory->error() == QSharedMemory::AlreadyExists
        && sharedMemory->attach(QSharedMemory::ReadWrite))
        return;
    mutex.reset();
    runnable = false;
}

UninstallSingleInstance::~UninstallSingleInstance() = default;

UninstallSingleInstance *UninstallSingleInstance::getInstance()
{
    if (!guardInstance)
        guardInstance = new UninstallSingleInstance;
    return guardInstance;
}

void UninstallSingleInstance::releaseInstance()
{
    delete guardInstance;
    guardInstance = nullptr;
}

bool UninstallSingleInstance::isRunnable() const
{
    return runnable;
}

void UninstallSingleInstance::setWindow(QWidget *newWindow)
{
    if (!sharedMemory->lock())
        return;
    window = newWindow;
    const quint64 handle = newWindow ? quint64(newWindow->window()->winId()) : 0;
    if (sharedMemory->data())
        qToLittleEndian(handle, sharedMemory->data());
    sharedMemory->unlock();
}

void UninstallSingleInstance::activateRunningWizard()
{
    if (!sharedMemory->lock())
        return;
    const void *data = sharedMemory->constData();
    const quint64 handle = data ? qFromLittleEndian<quint64>(data) : 0;
    sharedMemory->unlock();
    if (handle != 0)
        platform::activateWindow(handle);
}

#include "entry/UninstallSingleInstance.h"

#include "host/LmProductInfo.h"
#include "host/Utility.h"
#include "platform/LockName.h"
#include "platform/NamedLock.h"
#include "platform/WindowActivation.h"

#include <QFile>
#include <QSharedMemory>
#include <QWidget>
#include <QtEndian>

#include <atomic>

namespace {

UninstallSingleInstance *guardInstance = nullptr;

// The published handle: the running wizard's top-level window, 64-bit little-endian at offset
// 0, so that wizards of any build read each other's handle. One atomic word needs no lock, and
// Qt's lock would be a semaphore keyed by a file in the shared temporary folder.
constexpr int segmentSize = 64;
static_assert(std::atomic<quint64>::is_always_lock_free);

std::atomic<quint64> *publishedHandle(QSharedMemory *segment)
{
    return segment->size() >= int(sizeof(quint64))
               ? static_cast<std::atomic<quint64> *>(segment->data())
               : nullptr;
}

} // namespace

UninstallSingleInstance::UninstallSingleInstance()
{
    const QString name = LmProductInfo::instance()->productName(QString());
    const std::string key = name.toStdString() + "_uninstall";
    std::vector<std::string> problems;
    const std::string directory = platform::lockDirectory(&problems);
    for (const std::string &problem : problems)
        Log("error", 1, QString::fromStdString(problem));
    sharedMemory = new QSharedMemory(this);
    // Qt would derive the segment's key from a file in the shared temporary folder, where another
    // user can take the name first; a file in the private lock folder cannot be taken.
    if (directory.empty()) // Windows: the logon session's namespace
        sharedMemory->setKey(QString::fromStdString(platform::lockName(key)));
    else
        sharedMemory->setNativeKey(
            QString::fromStdString(directory + '/' + platform::lockName(key) + ".segment"));
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
    if (!takeSegment())
        Log("error", 1, QStringLiteral("no window segment: ") + sharedMemory->errorString());
}

// The lock makes this the only wizard, so a segment left by one that was killed is taken over.
// Without a segment the lock still decides who runs; a later start only cannot bring this wizard
// to the front.
bool UninstallSingleInstance::takeSegment()
{
    const QString keyFile = sharedMemory->key().isEmpty() ? sharedMemory->nativeKey() : QString();
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) { // Qt cannot attach by a native key with an object whose create() failed
            delete sharedMemory;
            sharedMemory = new QSharedMemory(this);
            sharedMemory->setNativeKey(keyFile);
        }
        if (sharedMemory->attach(QSharedMemory::ReadWrite)
            || sharedMemory->create(segmentSize, QSharedMemory::ReadWrite))
            return true;
        if (sharedMemory->error() != QSharedMemory::AlreadyExists || keyFile.isEmpty())
            return false;
        // The key file's inode names the segment, and one under that name that cannot be attached
        // is another program's: the file is replaced by one made while it still exists, so that
        // the new one has another inode, hence another key.
        const QString fresh = keyFile + QStringLiteral(".new");
        if (attempt > 0 && QFile(fresh).open(QIODevice::WriteOnly) && QFile::remove(keyFile))
            QFile::rename(fresh, keyFile);
    }
    return false;
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
    window = newWindow;
    const quint64 handle = newWindow ? quint64(newWindow->window()->winId()) : 0;
    if (std::atomic<quint64> *published = publishedHandle(sharedMemory); published && runnable)
        published->store(qToLittleEndian(handle));
}

void UninstallSingleInstance::activateRunningWizard()
{
    const std::atomic<quint64> *published = publishedHandle(sharedMemory);
    const quint64 handle = published ? qFromLittleEndian(published->load()) : 0;
    if (handle != 0)
        platform::activateWindow(handle);
}

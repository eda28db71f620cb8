#include "LmSingleInstance.h"
#include "NamedLock.h"
#include "TestEnvironment.h"

#include <QProcess>
#include <QtTest>

#include <memory>
#include <unistd.h>

using platform::NamedLock;
using Result = NamedLock::Result;

class TestNamedLock : public QObject
{
    Q_OBJECT

private slots:
    void ownersInThisProcess();
    void privateFolderWithoutRuntimeDirectory();
    void ownersInOtherProcesses();
    void productInstanceLock();

private:
    TestEnvironment m_env;
};

namespace {

// Starts `lockholder key`; its first line is "locked" or "busy".
std::unique_ptr<QProcess> startHolder(const QString &key, QByteArray *answer)
{
    auto holder = std::make_unique<QProcess>();
    holder->start(LOCKHOLDER, {key});
    *answer = holder->waitForReadyRead(10000) ? holder->readLine().trimmed() : QByteArray();
    return holder;
}

} // namespace

void TestNamedLock::ownersInThisProcess()
{
    NamedLock first("Demo Suite"), second("Demo Suite"), wizard("Demo Suite_uninstall");
    QCOMPARE(first.tryAcquire(), Result::Acquired);
    QCOMPARE(second.tryAcquire(), Result::AlreadyExists);
    QVERIFY(first.isHeld() && !second.isHeld());
    QCOMPARE(wizard.tryAcquire(), Result::Acquired);
    NamedLock slashed("Example/Demo");
    QCOMPARE(slashed.tryAcquire(), Result::Acquired);
    QCOMPARE(NamedLock("Example_Demo").tryAcquire(), Result::AlreadyExists);
    QVERIFY(QFile::exists(m_env.root() + "/runtime/Demo Suite.lock"));
    QVERIFY(QFile::exists(m_env.root() + "/runtime/Example_Demo.lock"));
    first.release();
    QCOMPARE(second.tryAcquire(), Result::Acquired);
}

// Without a runtime directory every process of the user meets in one private folder, whatever
// its TMPDIR; a folder that others could write makes every lock count as held.
void TestNamedLock::privateFolderWithoutRuntimeDirectory()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "");
    qputenv("TMPDIR", QFile::encodeName(m_env.root()));
    const QString key = QStringLiteral("fallback %1 ").arg(QCoreApplication::applicationPid())
                        + QString(1024, QLatin1Char('n'));
    QByteArray answer;
    std::unique_ptr<QProcess> holder = startHolder(key, &answer);
    qputenv("TMPDIR", QFile::encodeName(m_env.installDir()));
    NamedLock lock(key.toStdString());
    const Result whileHeld = lock.tryAcquire();
    holder->kill();
    holder->waitForFinished();
    const QString folder = QStringLiteral("/tmp/uninstall-locks-%1").arg(::getuid());
    const QFile::Permissions own = QFile(folder).permissions();
    QFile(folder).setPermissions(own | QFile::WriteOther);
    const Result whileOpen = lock.tryAcquire();
    QFile(folder).setPermissions(own);
    const Result afterwards = lock.tryAcquire();
    qputenv("XDG_RUNTIME_DIR", runtime);
    qunsetenv("TMPDIR");
    QCOMPARE(answer, "locked");
    QCOMPARE(whileHeld, Result::AlreadyExists);
    QCOMPARE(whileOpen, Result::Failed);
    QCOMPARE(afterwards, Result::Acquired);
    QVERIFY(QDir(m_env.installDir()).entryList({QStringLiteral("*.lock")}).isEmpty());
}

void TestNamedLock::ownersInOtherProcesses()
{
    QByteArray answer;
    std::unique_ptr<QProcess> holder = startHolder("Demo/Suite", &answer);
    QCOMPARE(answer, "locked");
    NamedLock lock("Demo/Suite");
    QCOMPARE(lock.tryAcquire(), Result::AlreadyExists);
    holder->kill(); // the system must drop the lock of a process that died
    QVERIFY(holder->waitForFinished());
    QCOMPARE(lock.tryAcquire(), Result::Acquired);
}

// The product's own lock: refused while the product holds it, then kept until release().
void TestNamedLock::productInstanceLock()
{
    QByteArray answer;
    std::unique_ptr<QProcess> product = startHolder("Demo Suite", &answer);
    QCOMPARE(answer, "locked");
    QVERIFY(!LmSingleInstance::instance()->isAppRunnabled());
    product->kill();
    QVERIFY(product->waitForFinished());
    QVERIFY(LmSingleInstance::instance()->isAppRunnabled());
    product = startHolder("Demo Suite", &answer);
    QCOMPARE(answer, "busy");
    QVERIFY(product->waitForFinished());
    LmSingleInstance::release();
    product = startHolder("Demo Suite", &answer);
    QCOMPARE(answer, "locked");
    product->closeWriteChannel();
    QVERIFY(product->waitForFinished());
    QCOMPARE(product->exitCode(), 0);
    QVERIFY(LmSingleInstance::instance()->isAppRunnabled());
}

QTEST_GUILESS_MAIN(TestNamedLock)
#include "tst_namedlock.moc"

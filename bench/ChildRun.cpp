#include "ChildRun.h"

#include "MonotonicClock.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryFile>
#include <QTimer>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Keeps the bytes alive for as long as the pointer array is used.
class CStrings
{
public:
    explicit CStrings(const QStringList &strings)
    {
        for (const QString &string : strings)
            m_bytes.push_back(string.toLocal8Bit());
        for (QByteArray &bytes : m_bytes)
            m_pointers.push_back(bytes.data());
        m_pointers.push_back(nullptr);
    }
    char **data() { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_bytes;
    std::vector<char *> m_pointers;
};

} // namespace

ChildRun::Result ChildRun::run(const QString &program,
                               const QStringList &arguments,
                               const QProcessEnvironment &environment,
                               const QString &workingDirectory,
                               int timeoutMs)
{
    Result result;
    QTemporaryFile output;
    QTemporaryFile errors;
    if (!output.open() || !errors.open())
        return result;
    CStrings argv(QStringList{program} + arguments);
    CStrings envp(environment.toStringList());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output.handle(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors.handle(), STDERR_FILENO);
    const QByteArray directory = workingDirectory.toLocal8Bit();
    posix_spawn_file_actions_addchdir_np(&actions, directory.constData());
    const QByteArray path = program.toLocal8Bit();

    pid_t pid = 0;
    result.spawnNs = monotonicNs();
    const int spawned
        = posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return result;

    QEventLoop loop;
    int status = 0;
    std::atomic<bool> ended{false};
    std::thread waiter([&] {
        waitpid(pid, &status, 0);
        result.endNs = monotonicNs();
        ended = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    QTimer::singleShot(timeoutMs, &loop, [&] {
        if (!ended)
            kill(pid, SIGKILL);
    });
    while (!ended)
        loop.exec();
    waiter.join();
    result.exited = WIFEXITED(status);
    result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
    output.seek(0);
    result.output = output.readAll();
    errors.seek(0);
    result.errors = errors.readAll();
    return result;
}

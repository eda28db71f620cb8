#include "host/Utility.h"

#include "host/RotatingFile.h"

#include <QDateTime>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

namespace {

struct LogState
{
    QMutex mutex;
    RotatingFile file;
    int level = 0;
};

LogState &logState()
{
    static LogState state;
    return state;
}

QByteArray threadTag()
{
    const QString name = QThread::currentThread() ? QThread::currentThread()->objectName()
                                                  : QString();
    if (!name.isEmpty())
        return name.toUtf8();
    return "0x" + QByteArray::number(quintptr(QThread::currentThreadId()), 16);
}

} // namespace

void SetLogfile(const std::string &path)
{
    LogState &state = logState();
    QMutexLocker locker(&state.mutex);
    state.file.close();
    const QString fileName = QString::fromStdString(path);
    if (!fileName.isEmpty())
        state.file.open(fileName);
}

void SetLogLevel(int level)
{
    LogState &state = logState();
    QMutexLocker locker(&state.mutex);
    state.level = level;
}

void Log(const char *level, int module, const QString &text)
{
    Q_UNUSED(module)
    LogState &state = logState();
    QMutexLocker locker(&state.mutex);
    if (!state.file.isOpen())
        return;
    const QByteArray levelName(level);
    if (state.level > 0 && levelName != "error")
        return;
    const QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + '\t'
                            + levelName + '\t' + threadTag() + '\t' + text.toUtf8() + '\n';
    state.file.append(line);
}

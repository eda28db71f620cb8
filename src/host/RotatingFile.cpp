#include "host/RotatingFile.h"

#include "platform/FileLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

RotatingFile::RotatingFile(qint64 limit)
    : m_limit(limit)
{}

RotatingFile::~RotatingFile() = default;

bool RotatingFile::open(const QString &fileName)
{
    close();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    m_fileName = fileName;
    const QString lockName = fileName + QStringLiteral(".lock");
    m_lock = std::make_unique<platform::FileLock>(lockName.toStdString());
    return true;
}

void RotatingFile::close()
{
    m_fileName.clear();
    m_lock.reset();
}

bool RotatingFile::isOpen() const
{
    return !m_fileName.isEmpty();
}

void RotatingFile::append(const QByteArray &line)
{
    if (!isOpen())
        return;
    // The file is opened by name under the lock each time: a process that kept it open would go
    // on writing into the older copy after another one moved the file aside.
    const bool locked = m_lock->lock();
    QFile file(m_fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append) && file.size() > 0
        && file.size() + line.size() > m_limit) {
        file.close();
        const QString older = m_fileName + QStringLiteral(".1");
        QFile::remove(older);
        QFile::rename(m_fileName, older);
        file.open(QIODevice::WriteOnly | QIODevice::Append);
    }
    if (file.isOpen())
        file.write(line);
    file.close();
    if (locked)
        m_lock->unlock();
}

#include "host/RotatingFile.h"

#include <QDir>
#include <QFileInfo>

RotatingFile::RotatingFile(qint64 limit)
    : m_limit(limit)
{}

bool RotatingFile::open(const QString &fileName)
{
    close();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    m_file.setFileName(fileName);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void RotatingFile::close()
{
    m_file.close();
}

bool RotatingFile::isOpen() const
{
    return m_file.isOpen();
}

void RotatingFile::append(const QByteArray &line)
{
    if (!m_file.isOpen())
        return;
    if (m_file.size() > 0 && m_file.size() + line.size() > m_limit)
        rotate();
    m_file.write(line);
    m_file.flush();
}

void RotatingFile::rotate()
{
    const QString fileName = m_file.fileName();
    const QString older = fileName + QStringLiteral(".1");
    m_file.close();
    QFile::remove(older);
    QFile::rename(fileName, older);
    m_file.open(QIODevice::WriteOnly | QIODevice::Append);
}

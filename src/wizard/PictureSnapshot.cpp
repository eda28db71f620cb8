#include "wizard/PictureSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString skinPrefix = QStringLiteral("skin");

} // namespace

PictureSnapshot::PictureSnapshot(const QStringList &files)
    : m_diskSkinPaths(QDir::searchPaths(skinPrefix))
{
    for (int i = 0; i < m_diskSkinPaths.size(); ++i) {
        const QString name = QStringLiteral("skin%1").arg(i);
        m_resource.addDirectory(name + QLatin1Char('/'), m_diskSkinPaths.at(i));
        m_memorySkinPaths << m_resource.root() + QLatin1Char('/') + name;
    }
    QMap<QString, QString> copies;
    for (int i = 0; i < files.size(); ++i) {
        QFile file(files.at(i));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString name = QStringLiteral("files/%1/").arg(i) + QFileInfo(file).fileName();
        m_resource.addFile(name, file.readAll());
        copies.insert(files.at(i), m_resource.root() + QLatin1Char('/') + name);
    }
    m_taken = m_resource.registerResource();
    if (!m_taken)
        return;
    m_copies = copies;
    if (!m_memorySkinPaths.isEmpty())
        QDir::setSearchPaths(skinPrefix, m_memorySkinPaths);
}

PictureSnapshot::~PictureSnapshot()
{
    if (m_taken && !m_memorySkinPaths.isEmpty()
        && QDir::searchPaths(skinPrefix) == m_memorySkinPaths)
        QDir::setSearchPaths(skinPrefix, m_diskSkinPaths);
}

bool PictureSnapshot::isTaken() const
{
    return m_taken;
}

QString PictureSnapshot::inMemory(const QString &file) const
{
    return m_copies.value(file, file);
}

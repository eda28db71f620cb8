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
        const QString folder = QStringLiteral("files/%1/").arg(i);
        if (!addFile(folder, files.at(i)))
            continue;
        copies.insert(files.at(i),
                      m_resource.root() + QLatin1Char('/') + folder
                          + QFileInfo(files.at(i)).fileName());
        // The copy for high-DPI screens, which Qt looks for beside the picture itself.
        const QFileInfo picture(files.at(i));
        addFile(folder,
                picture.path() + QLatin1Char('/') + picture.completeBaseName()
                    + QStringLiteral("@2x.") + picture.suffix());
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

bool PictureSnapshot::addFile(const QString &folder, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_resource.addFile(folder + QFileInfo(file).fileName(), file.readAll());
    return true;
}

bool PictureSnapshot::isTaken() const
{
    return m_taken;
}

QString PictureSnapshot::inMemory(const QString &file) const
{
    return m_copies.value(file, file);
}

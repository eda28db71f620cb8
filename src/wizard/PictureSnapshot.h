#pragma once

#include "wizard/MemoryResource.h"

#include <QMap>
#include <QStringList>

/// In-memory copies of the pictures the window shows, so that they keep showing after the
/// installation's files are removed: the skin folders behind the "skin:" prefix, which is
/// pointed at the copies, and single files such as the offer images.
class PictureSnapshot
{
public:
    explicit PictureSnapshot(const QStringList &files);
    ~PictureSnapshot();
    PictureSnapshot(const PictureSnapshot &) = delete;
    PictureSnapshot &operator=(const PictureSnapshot &) = delete;

    bool isTaken() const;
    // Where the copy of a file given at construction is read from; the file itself when it had
    // no copy.
    QString inMemory(const QString &file) const;

private:
    bool addFile(const QString &folder, const QString &path);
    MemoryResource m_resource;
    QStringList m_diskSkinPaths;
    QStringList m_memorySkinPaths;
    QMap<QString, QString> m_copies;
    bool m_taken = false;
};

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

/// A Qt resource assembled at run time: files added under relative names become readable as
/// root() + "/" + name once it is registered, and stay so without any file on disk.
class MemoryResource
{
public:
    MemoryResource();
    ~MemoryResource();
    MemoryResource(const MemoryResource &) = delete;
    MemoryResource &operator=(const MemoryResource &) = delete;

    // name: a relative path with '/' between its parts, such as "skin/images/close.png".
    void addFile(const QString &name, const QByteArray &content);
    // Adds every file below the directory under prefix + its path relative to the directory.
    void addDirectory(const QString &prefix, const QString &directory);
    bool registerResource();

    // The resource path that the names are found under, such as ":/memory-1".
    QString root() const;

private:
    QByteArray encode() const;

    QMap<QString, QByteArray> m_files;
    QByteArray m_encoded;
    QString m_mapRoot;
    bool m_registered = false;
};

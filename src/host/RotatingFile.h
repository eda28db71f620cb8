#pragma once

#include <QString>

#include <memory>

namespace platform {
class FileLock;
}

/// An append-only file that is moved aside to "<name>.1" (replacing the older copy) once it
/// reaches its limit, so that years of runs never grow it without bound. Processes share it:
/// each line is appended, and the file moved aside, under a lock on "<name>.lock".
class RotatingFile
{
public:
    static constexpr qint64 defaultLimit = 1024 * 1024;

    explicit RotatingFile(qint64 limit = defaultLimit);
    ~RotatingFile();

    bool open(const QString &fileName);
    void close();
    bool isOpen() const;
    // Writes line whole into the current file, rotating first when it would pass the limit.
    void append(const QByteArray &line);

private:
    QString m_fileName;
    std::unique_ptr<platform::FileLock> m_lock;
    qint64 m_limit;
};

#pragma once

#include <QFile>
#include <QString>

/// An append-only file that is moved aside to "<name>.1" (replacing the older copy) once it
/// reaches its limit, so that years of runs never grow it without bound.
class RotatingFile
{
public:
    static constexpr qint64 defaultLimit = 1024 * 1024;

    explicit RotatingFile(qint64 limit = defaultLimit);

    bool open(const QString &fileName);
    void close();
    bool isOpen() const;
    // Writes line whole into the current file, rotating first when it would pass the limit.
    void append(const QByteArray &line);

private:
    void rotate();

    QFile m_file;
    qint64 m_limit;
};

#pragma once

#include <QDir>
#include <QStringList>
#include <QThread>

/// Removes the installed files on its own thread and reports progress in percent.
class FileDeletionThread : public QThread
{
    Q_OBJECT

public:
    explicit FileDeletionThread(const QDir &dir);
    ~FileDeletionThread() override;

signals:
    void updateBar(int value);
    void deleteComplete();

protected:
    void run() override;

private:
    void collectFilesAndDirectories(const QDir &dir);
    void deleteFilesAndDirectories();
    void reportProgress(int step, int total);
    static bool isRefusedRoot(const QDir &dir);

    QDir m_rootDir;
    QStringList m_fileList;
    QStringList m_dirList;
};

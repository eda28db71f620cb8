#include "FileDeletionThread.h"

#include "LMGA.h"
#include "Utility.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

const QLatin1String keptPathPart("unins000");
const QLatin1String keptFileNamePart(".dll");

} // namespace

FileDeletionThread::FileDeletionThread(const QDir &dir)
    : m_rootDir(dir)
{
    Log("debug", 1, QStringLiteral("FileDeletionThread init!"));
}

FileDeletionThread::~FileDeletionThread() = default;

void FileDeletionThread::run()
{
    const QDir root = m_rootDir;
    Log("debug", 1, QStringLiteral("FileDeletionThread start!"));
    if (!root.exists())
        return;
    if (isRefusedRoot(root)) {
        Log("error", 1, QStringLiteral("FileDeletionThread refused root: ") + root.absolutePath());
        return;
    }
    collectFilesAndDirectories(root);
    deleteFilesAndDirectories();
    Log("debug", 1, QStringLiteral("deleteFilesAndDirectories complete!"));
    emit deleteComplete();
    LMGA::instance()->CEIP(QStringLiteral("uninstall"),
                           QStringLiteral("uninstall_complete"),
                           LMGA::Event,
                           QString(),
                           0);
}

// A wrong installation directory must never take the whole disk or the user's files with it.
bool FileDeletionThread::isRefusedRoot(const QDir &dir)
{
    const QString path = dir.canonicalPath();
    return path.isEmpty() || QDir(path).isRoot() || path == QDir(QDir::homePath()).canonicalPath();
}

void FileDeletionThread::collectFilesAndDirectories(const QDir &dir)
{
    Log("debug", 1, QStringLiteral("collectFilesAndDirectories start!"));
    QStringList directories;
    QDirIterator it(dir.absolutePath(),
                    QDir::AllEntries | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(keptPathPart))
            continue;
        // A link is removed as a link, so whatever it points to stays untouched.
        const QFileInfo info = it.fileInfo();
        if (info.isDir() && !info.isSymLink())
            directories.append(path);
        else
            m_fileList.append(path);
    }
    std::sort(directories.begin(), directories.end(), [](const QString &a, const QString &b) {
        return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/'));
    });
    m_dirList = std::move(directories);
}

void FileDeletionThread::deleteFilesAndDirectories()
{
    Log("debug", 1, QStringLiteral("deleteFilesAndDirectories start!"));
    const int total = m_fileList.size() + m_dirList.size();
    int step = 0;
    for (const QString &path : qAsConst(m_fileList)) {
        const QFileInfo info(path);
        if (!info.fileName().contains(keptFileNamePart))
            QFile::remove(info.absoluteFilePath());
        reportProgress(++step, total);
    }
    for (const QString &path : qAsConst(m_dirList)) {
        // rmdir leaves a directory that still holds anything: kept files, hidden entries.
        const QDir directory(path);
        directory.rmdir(directory.absolutePath());
        reportProgress(++step, total);
    }
}

void FileDeletionThread::reportProgress(int step, int total)
{
    emit updateBar(int(double(step) / double(total) * 100.0));
    QThread::usleep(100);
}

#include "FileTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

bool FileTree::create(const QString &root, int fileCount)
{
    const QByteArray content(512, 'x');
    for (int folder = 0; folder < folders; ++folder) {
        const QString directory = root
                                  + QStringLiteral("/folder%1").arg(folder, 3, 10, QLatin1Char('0'));
        if (!QDir().mkpath(directory))
            return false;
        for (int file = 0; file < fileCount / folders; ++file) {
            QFile out(directory + QStringLiteral("/file%1.bin").arg(file, 4, 10, QLatin1Char('0')));
            if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
                return false;
        }
    }
    return true;
}

int FileTree::countEntries(const QString &root)
{
    int count = 0;
    QDirIterator it(root,
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

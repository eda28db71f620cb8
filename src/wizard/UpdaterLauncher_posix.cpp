#include "wizard/UpdaterLauncher.h"

#include <QProcess>

// The path is handed over as the program itself: no shell and no quote parsing in between.
bool UpdaterLauncher::startDetached(const QString &path)
{
    return QProcess::startDetached(path, QStringList());
}

#include "wizard/UpdaterLauncher.h"

#include <QDir>
#include <QProcess>

// The command is the quoted path, so a path with blanks names one program.
bool UpdaterLauncher::startDetached(const QString &path)
{
    const QString command = QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
    QStringList parts = QProcess::splitCommand(command);
    if (parts.isEmpty())
        return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

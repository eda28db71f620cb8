#include "checkclose/ProcessEnder.h"

#include <QCoreApplication>

platform::EndedProcesses SystemProcessEnder::endProduct(const QString &program,
                                                        const QString &installRoot)
{
    return platform::terminateProcessesNamed(program.toStdString(),
                                             installRoot.toStdString(),
                                             QCoreApplication::applicationPid());
}

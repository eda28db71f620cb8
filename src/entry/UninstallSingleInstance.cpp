#include "entry/UninstallSingleInstance.h"

#include <QWidget>

namespace {

UninstallSingleInstance *guardInstance = nullptr;

} // namespace

UninstallSingleInstance::UninstallSingleInstance() = default;

UninstallSingleInstance *UninstallSingleInstance::getInstance()
{
    if (!guardInstance)
        guardInstance = new UninstallSingleInstance;
    return guardInstance;
}

void UninstallSingleInstance::releaseInstance()
{
    delete guardInstance;
    guardInstance = nullptr;
}

bool UninstallSingleInstance::isRunnable() const
{
    return runnable;
}

void UninstallSingleInstance::setWindow(QWidget *newWindow)
{
    window = newWindow;
}

// guardprobe <product.ini> [--late]: starts the framework as the wizard does ("init=0" when it
// cannot), asks the wizard guard whether it may run and prints "runnable=1" or "runnable=0". A
// runnable probe publishes a window ("published=<handle>") unless --late, and runs until killed.
#include "entry/UninstallSingleInstance.h"
#include "host/Framework.h"
#include "host/LmProductInfo.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    LmProductInfo::instance()->load(QString::fromLocal8Bit(argv[1]));
    if (!Framework::init(0, argc, argv))
        return std::puts("init=0");
    UninstallSingleInstance *guard = UninstallSingleInstance::getInstance();
    std::printf("runnable=%d\n", guard->isRunnable());
    QWidget window;
    if (guard->isRunnable() && argc == 2) {
        guard->setWindow(&window);
        std::printf("published=%llu\n", quint64(window.winId()));
    }
    return guard->isRunnable() ? QApplication::exec() : 0;
}

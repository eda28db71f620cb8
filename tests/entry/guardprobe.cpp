// guardprobe <product.ini> [--late]: starts the framework as the wizard does ("init=0" when it
// cannot), asks the wizard guard whether it may run and prints "runnable=1" or "runnable=0". A
// runnable probe publishes a window ("published=<handle>") unless --late, and keeps the guard
// until its input closes.
#include "Framework.h"
#include "LmProductInfo.h"
#include "entry/UninstallSingleInstance.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    const auto print = [](const QByteArray &line) {
        std::printf("%s\n", line.constData());
        std::fflush(stdout);
    };
    LmProductInfo::instance()->load(QString::fromLocal8Bit(argv[1]));
    if (!Framework::init(0, argc, argv)) {
        print("init=0");
        return 0;
    }
    UninstallSingleInstance *guard = UninstallSingleInstance::getInstance();
    print("runnable=" + QByteArray::number(guard->isRunnable()));
    auto *window = new QWidget;
    if (guard->isRunnable() && argc == 2) {
        guard->setWindow(window);
        print("published=" + QByteArray::number(quint64(window->winId())));
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, window, [] {
        char received[256];
        if (::read(STDIN_FILENO, received, sizeof(received)) <= 0)
            QCoreApplication::quit();
    });
    if (guard->isRunnable())
        QApplication::exec();
    delete window;
    UninstallSingleInstance::releaseInstance();
    Framework::uninit();
    return 0;
}

// guardprobe <product.ini> [--late]
// Asks the wizard guard of that product whether this process may run and prints "runnable=1"
// or "runnable=0"; a refused probe ends at once. A runnable one publishes a window
// ("published=<handle>") unless --late, and keeps the guard until stdin closes.
#include "LmProductInfo.h"
#include "entry/UninstallSingleInstance.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void print(const QByteArray &line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

int runGuard(bool late)
{
    UninstallSingleInstance *guard = UninstallSingleInstance::getInstance();
    print("runnable=" + QByteArray::number(guard->isRunnable()));
    if (!guard->isRunnable()) {
        UninstallSingleInstance::releaseInstance();
        return 0;
    }
    QWidget window;
    if (!late) {
        guard->setWindow(&window);
        print("published=" + QByteArray::number(quint64(window.winId())));
    }
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &window, [] {
        char received[256];
        if (::read(STDIN_FILENO, received, sizeof(received)) <= 0)
            QCoreApplication::quit();
    });
    QApplication::exec();
    UninstallSingleInstance::releaseInstance();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    LmProductInfo::instance()->load(QString::fromLocal8Bit(argv[1]));
    QApplication application(argc, argv);
    return runGuard(argc > 2 && std::strcmp(argv[2], "--late") == 0);
}

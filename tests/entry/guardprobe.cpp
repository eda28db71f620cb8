// guardprobe <product.ini> [--late | --wizard]
// Asks the wizard guard of that product whether this process may run and prints "runnable=1"
// or "runnable=0"; a refused probe ends at once. A runnable one publishes a window
// ("published=<handle>") at once, or with --late when it reads "publish" on stdin, and keeps
// the guard until stdin closes. --wizard runs the whole start-up instead and prints
// "result=<main_entry's result>".
#include "LmProductInfo.h"
#include "entry/UninstallSingleInstance.h"
#include "entry/WizardMain.h"

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
    const auto publish = [guard, &window] {
        guard->setWindow(&window);
        QCoreApplication::processEvents(); // the window reaches the display server
        print("published=" + QByteArray::number(quint64(window.winId())));
    };
    if (!late)
        publish();
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &window, [&publish] {
        char received[256];
        const ssize_t size = ::read(STDIN_FILENO, received, sizeof(received));
        if (size <= 0)
            QCoreApplication::quit();
        else if (QByteArray(received, int(size)).contains("publish"))
            publish();
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
    if (argc > 2 && std::strcmp(argv[2], "--wizard") == 0) {
        const int result = runWizard(argc, argv);
        print("result=" + QByteArray::number(result));
        return 0;
    }
    QApplication application(argc, argv);
    return runGuard(argc > 2 && std::strcmp(argv[2], "--late") == 0);
}

#include "host/Framework.h"

#include "host/LmProductInfo.h"
#include "platform/ProcessEnvironment.h"

#include <QApplication>
#include <QByteArray>
#include <QNetworkAccessManager>

#include <memory>
#include <vector>

namespace {

struct FrameworkState
{
    // QApplication keeps references to argc and argv for its whole life.
    int argc = 0;
    std::vector<QByteArray> arguments;
    std::vector<char *> argv;
    std::unique_ptr<QApplication> application;
    std::unique_ptr<QNetworkAccessManager> networkManager;
    bool aboutIconShown = true;
};

FrameworkState &state()
{
    static FrameworkState framework;
    return framework;
}

// The manager's connection thread must end while the application and the TLS library are
// still alive, also when the application belongs to someone else.
void releaseNetworkManager()
{
    state().networkManager.reset();
}

void copyArguments(FrameworkState &framework, int argc, char **argv)
{
    framework.arguments.clear();
    framework.argv.clear();
    for (int i = 0; i < argc && argv; ++i)
        framework.arguments.emplace_back(argv[i]);
    if (framework.arguments.empty())
        framework.arguments.emplace_back("uninstall");
    for (QByteArray &argument : framework.arguments)
        framework.argv.push_back(argument.data());
    framework.argv.push_back(nullptr);
    framework.argc = int(framework.arguments.size());
}

} // namespace

bool Framework::init(int, int argc, char **argv)
{
    FrameworkState &framework = state();
    const LmProductInfo *product = LmProductInfo::instance();
    QCoreApplication::setOrganizationName(product->brand());
    QCoreApplication::setApplicationName(product->productName(QString()));
    if (!QCoreApplication::instance()) {
        if (!platform::hasDisplay())
            return false;
        copyArguments(framework, argc, argv);
        // The skin is sized in device-independent pixels; Qt scales them to the desktop's factor
        // and picks the pictures' @2x files.
        bool isNumber = false;
        const int keepDrawnSize = product->extendParam(QStringLiteral("NoUserDpiChange"), QString())
                                      .toInt(&isNumber, 10);
        if (!(isNumber && keepDrawnSize == 1)) {
            QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
            QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
        }
        framework.application = std::make_unique<QApplication>(framework.argc,
                                                               framework.argv.data());
    }
    // Windows only hide or close; the wizard decides when the run ends.
    QApplication::setQuitOnLastWindowClosed(false);
    framework.networkManager = std::make_unique<QNetworkAccessManager>();
    qAddPostRoutine(releaseNetworkManager);
    framework.aboutIconShown = true;
    return true;
}

void Framework::uninit()
{
    FrameworkState &framework = state();
    framework.networkManager.reset();
    framework.application.reset();
}

QNetworkAccessManager *Framework::networkAccessManager()
{
    return state().networkManager.get();
}

void Framework::setAboutIcnShow(bool show)
{
    state().aboutIconShown = show;
}

bool Framework::isAboutIconShown()
{
    return state().aboutIconShown;
}

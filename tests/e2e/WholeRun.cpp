#include "WholeRun.h"

#include "TestEnvironment.h"

#include <QDirIterator>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTimer>

namespace {

const QString brand = QStringLiteral("Example Works");
const QString productFileNames = QStringLiteral(
    "bin/demo bin/plugins/x.so Demo.dll doc/a.txt .settings");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesUnder(const QString &dir)
{
    QStringList entries;
    for (QDirIterator it(dir,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        entries << it.next().mid(dir.size() + 1);
    entries.sort();
    return entries;
}

bool isSecond(const QByteArray &report)
{
    return QJsonDocument::fromJson(report).object().contains(QStringLiteral("userEmail"));
}

} // namespace

QString WholeRun::dataDir() const
{
    return m_dir.path() + "/data/" + brand + '/' + m_product;
}

QString WholeRun::settingsFile() const
{
    return m_dir.path() + "/config/" + brand + '/' + m_product + ".ini";
}

void WholeRun::layOut(const QMap<QString, QString> &extend)
{
    QDir().mkpath(installDir());
    QFile::copy(QStringLiteral(UNINSTALL_HOST), installDir() + "/unins000");
    QFile::copy(QStringLiteral(UNINSTALL_LIBRARY), installDir() + "/libuninstall.so");
    QByteArray ini = "[Product]\nName=" + m_product.toUtf8() + "\nBrand=" + brand.toUtf8()
                     + "\nVersion=3.2.1\nID=1001\nGUID={6F1B2C3D-0000-4000-8000-00000000DE30}\n"
                       "DefaultLanguage=en\nDefaultSkin=default\n"
                       "AfterUninstallUrl=https://www.example.com/goodbye?id=%1\n[Extend]\n";
    for (auto it = extend.cbegin(); it != extend.cend(); ++it)
        ini += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    writeFile(installDir() + "/product.ini", ini);
    QProcess::execute("cp", {"-R", TestEnvironment::sourceDir() + "/kit/resources", installDir()});
    for (const QString &name : productFileNames.split(' '))
        writeFile(installDir() + '/' + name, "product file");
    QSettings(settingsFile(), QSettings::IniFormat).setValue("Install/Path", installDir());
}

QProcessEnvironment WholeRun::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", m_dir.path() + "/config");
    env.insert("XDG_DATA_HOME", m_dir.path() + "/data");
    env.insert("XDG_RUNTIME_DIR", m_dir.path());
    // Shared-memory keys are files in the temporary directory, and the guard activates windows
    // on the display: a run sees no other run's wizard and reaches no real desktop.
    env.insert("TMPDIR", m_dir.path());
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_PLUGIN_PATH", UNINSTALL_PLUGIN_DIR);
    env.insert("QT_QPA_GENERIC_PLUGINS", "autopilot");
    env.insert("UNINSTALL_AUTOPILOT_LOG", m_dir.path() + "/autopilot.log");
    // Qt's platform plugins leak at exit; a sanitizer build checks the host for errors, not leaks.
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    return env;
}

std::unique_ptr<QProcess> WholeRun::start(const QStringList &arguments, const QString &script) const
{
    auto host = std::make_unique<QProcess>();
    QProcessEnvironment env = environment();
    env.insert("UNINSTALL_AUTOPILOT", script);
    host->setProcessEnvironment(env);
    host->setWorkingDirectory(m_dir.path());
    host->start(installDir() + "/unins000", arguments);
    return host;
}

int WholeRun::finish(QProcess &host, int timeoutMs)
{
    // An event loop, so that the test's servers answer the run meanwhile.
    QEventLoop loop;
    QObject::connect(&host,
                     qOverload<int, QProcess::ExitStatus>(&QProcess::finished),
                     &loop,
                     &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (host.state() != QProcess::NotRunning)
        loop.exec();
    if (host.state() != QProcess::NotRunning) {
        host.kill();
        host.waitForFinished();
        return -1;
    }
    m_standardError = host.readAllStandardError();
    const QList<QByteArray> output = host.readAllStandardOutput().trimmed().split('\n');
    return output.last().startsWith("result=") ? output.last().mid(7).toInt() : -1;
}

QStringList WholeRun::productFiles() const
{
    return entriesUnder(installDir());
}

QStringList WholeRun::autopilotLog() const
{
    return QString::fromUtf8(contentOf(m_dir.path() + "/autopilot.log"))
        .split('\n', Qt::SkipEmptyParts);
}

ProductService::ProductService(const ReportPolicy &policy)
{
    const QString kit = TestEnvironment::sourceDir() + "/kit/resources/uninstallConfig/";
    const QStringList files{"banner_pic/en",
                            "promotion_pic/en",
                            "recAppIcon/photo-editor",
                            "recAppIcon/pdf-workshop"};
    const QStringList paths{"/banner_pic_en.png", "/promotion_pic_en.png", "/a.png", "/b.png"};
    for (int i = 0; i < paths.size(); ++i) {
        pictures.insert(paths.at(i), contentOf(kit + files.at(i) + ".png"));
        setResponse(paths.at(i), answer(200, pictures.value(paths.at(i)), "image/png"));
    }
    // '@' stands for this server's address.
    const auto serve = [this, at = url("/").toEncoded().chopped(1)](const char *path,
                                                                    QByteArray json) {
        setResponse(QLatin1String(path), answer(200, json.replace('@', at)));
    };
    serve("/config", R"({"version": "v2", "banner_pic": "@/banner_pic_",
        "promotion_pic": "@/promotion_pic_", "recommendApp": "@/apps", "uninstallChose": "@/chose",
        "uninstallCause": "@/cause"})");
    serve("/apps", R"({"recommendApp": {"en": [
        {"icon": "a.png", "name": "A", "url": "https://example.com", "pic_url": "@/a.png"},
        {"icon": "b.png", "name": "B", "url": "https://example.com", "pic_url": "@/b.png"}]}})");
    serve("/chose", R"({"uninstallChose": {"en": ["slow", "price"]}})");
    serve("/cause", R"({"uninstallCause": {"en": {"slow": "Slow"}}})");
    setHandler("/report", [this, policy](const Request &request) {
        const int attempt = ++m_posts[isSecond(request.body)];
        return policy ? policy(isSecond(request.body), attempt) : answer(200, "ok");
    });
}

QMap<QString, QString> ProductService::extend() const
{
    return {{"uninstallConfigURL", url("/config").toString()},
            {"uninstallReportUrl", url("/report").toString()}};
}

QList<QByteArray> ProductService::reports(bool second) const
{
    QList<QByteArray> bodies;
    for (const Request &request : requests()) {
        if (request.path == QLatin1String("/report") && isSecond(request.body) == second)
            bodies << request.body;
    }
    return bodies;
}

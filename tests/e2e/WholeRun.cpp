#include "WholeRun.h"

#include "TestEnvironment.h"

#include <QTest>
#include <QtCore>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

WholeRun::~WholeRun()
{
    if (!m_installDir.startsWith(m_dir.path() + '/'))
        QDir(m_installDir).removeRecursively();
#ifdef Q_OS_WIN
    QDir(dataDir()).removeRecursively();
    QFile::remove(settingsFile());
#endif
}

// Windows keeps settings and data in the user's profile, which scripts/test-windows makes
// afresh in a temporary Wine prefix; elsewhere they live in the run's temporary directory.
QString WholeRun::dataDir() const
{
#ifdef Q_OS_WIN
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    const QString base = m_dir.path() + "/data";
#endif
    return base + "/Example Works/" + m_product;
}

QString WholeRun::settingsFile() const
{
#ifdef Q_OS_WIN
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Example Works", m_product)
        .fileName();
#else
    return m_dir.path() + "/config/Example Works/" + m_product + ".ini";
#endif
}

QString WholeRun::hostName()
{
    return QFileInfo(UNINSTALL_HOST).fileName();
}

QByteArray WholeRun::contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WholeRun::layOut(const QMap<QString, QString> &extend)
{
    QByteArray ini = "[Product]\nName=" + m_product.toUtf8()
                     + "\nBrand=Example Works"
                       "\nVersion=3.2.1\nID=1001\nGUID={6F1B2C3D-0000-4000-8000-00000000DE30}\n"
                       "DefaultLanguage=en\nDefaultSkin=default\n"
                       "AfterUninstallUrl=https://www.example.com/goodbye?id=%1\n[Extend]\n";
    for (auto it = extend.cbegin(); it != extend.cend(); ++it)
        ini += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    for (const QString &name :
         QString("product.ini bin/demo bin/plugins/x.so Demo.dll doc/a.txt .settings").split(' ')) {
        QDir().mkpath(QFileInfo(installDir() + '/' + name).path());
        QFile file(installDir() + '/' + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(name == "product.ini" ? ini : "product file");
    }
#ifdef Q_OS_WIN
    // Hidden by its attribute there, not by its leading dot.
    const QString hidden = QDir::toNativeSeparators(installDir() + "/.settings");
    SetFileAttributesW(reinterpret_cast<const wchar_t *>(hidden.utf16()), FILE_ATTRIBUTE_HIDDEN);
#endif
    for (const QString &program : {QString(UNINSTALL_HOST), QString(UNINSTALL_LIBRARY)})
        QFile::copy(program, installDir() + '/' + QFileInfo(program).fileName());
    const QString kit = TestEnvironment::sourceDir() + "/kit";
    for (QDirIterator it(kit + "/resources",
                         QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString target = installDir() + it.next().mid(kit.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(it.filePath(), target);
    }
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
#ifdef Q_OS_WIN
    // Real windows, on the display that Wine draws to under scripts/test-windows.
    env.insert("QT_QPA_PLATFORM", "windows");
#else
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", platform);
#endif
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
    host->start(installDir() + '/' + hostName(), arguments);
    return host;
}

int WholeRun::finish(QProcess &host, int timeoutMs)
{
    // Waits with the events flowing, so that the test's servers answer the run meanwhile; a
    // host still running is killed with its QProcess.
    if (!QTest::qWaitFor([&host] { return host.state() == QProcess::NotRunning; }, timeoutMs))
        return -1;
    standardError = host.readAllStandardError();
    const QByteArray last = host.readAllStandardOutput().trimmed().split('\n').last();
    return last.startsWith("result=") ? last.mid(7).toInt() : -1;
}

QStringList WholeRun::productFiles() const
{
    QStringList entries;
    const auto filter = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
    for (QDirIterator it(installDir(), filter, QDirIterator::Subdirectories); it.hasNext();)
        entries << it.next().mid(installDir().size() + 1);
    entries.sort();
    return entries;
}

QStringList WholeRun::autopilotLog() const
{
    return QString::fromUtf8(contentOf(m_dir.path() + "/autopilot.log"))
        .split('\n', Qt::SkipEmptyParts);
}

ProductService::ProductService(const QSslCertificate &certificate, const QSslKey &key)
{
    if (!certificate.isNull())
        useTls(certificate, key);
    const QString kit = TestEnvironment::sourceDir() + "/kit/resources/uninstallConfig/";
    const QMap<QString, QString> served{{"/banner_pic_en.png", "banner_pic/en"},
                                        {"/promotion_pic_en.png", "promotion_pic/en"},
                                        {"/a.png", "recAppIcon/photo-editor"},
                                        {"/b.png", "recAppIcon/pdf-workshop"}};
    for (auto it = served.cbegin(); it != served.cend(); ++it) {
        pictures.insert(it.key(), WholeRun::contentOf(kit + it.value() + ".png"));
        setResponse(it.key(), answer(200, pictures.value(it.key()), "image/png"));
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
    setResponse("/report", answer(200, "ok"));
}

QMap<QString, QString> ProductService::extend() const
{
    return {{"uninstallConfigURL", url("/config").toString()},
            {"uninstallReportUrl", url("/report").toString()}};
}

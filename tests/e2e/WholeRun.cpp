#include "WholeRun.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTimer>

namespace {

const QString brand = QStringLiteral("Example Works");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

void copyTree(const QString &source, const QString &target)
{
    QDirIterator it(source,
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString destination = target + path.mid(source.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(destination);
        else
            QFile::copy(path, destination);
    }
}

QStringList linesOf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

bool WholeRun::inOrder(const QStringList &lines, const QStringList &expected)
{
    int from = 0;
    for (const QString &line : expected) {
        from = lines.indexOf(line, from);
        if (from < 0) {
            qWarning("missing or out of order: %s", qPrintable(line));
            return false;
        }
        ++from;
    }
    return true;
}

WholeRun::WholeRun(const QString &productName)
    : m_product(productName)
{
    Q_ASSERT(m_dir.isValid());
}

QString WholeRun::installDir() const
{
    return m_dir.path() + QStringLiteral("/install");
}

QString WholeRun::dataDir() const
{
    return m_dir.path() + QStringLiteral("/data/") + brand + QLatin1Char('/') + m_product;
}

QString WholeRun::settingsFile() const
{
    return m_dir.path() + QStringLiteral("/config/") + brand + QLatin1Char('/') + m_product
           + QStringLiteral(".ini");
}

void WholeRun::layOut(const QMap<QString, QString> &extend)
{
    copyHost();
    QByteArray ini = "[Product]\nName=" + m_product.toUtf8() + "\nBrand=" + brand.toUtf8()
                     + "\nVersion=3.2.1\nID=1001\nGUID={6F1B2C3D-0000-4000-8000-00000000DE30}\n"
                       "DefaultLanguage=en\nDefaultSkin=default\n"
                       "PurchaseUrl=https://shop.example.com/buy\n"
                       "AfterUninstallUrl=https://www.example.com/goodbye?id=%1\n[Extend]\n";
    for (auto it = extend.cbegin(); it != extend.cend(); ++it)
        ini += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    writeFile(installDir() + QStringLiteral("/product.ini"), ini);
    copyTree(TestEnvironment::sourceDir() + QStringLiteral("/kit/resources"),
             installDir() + QStringLiteral("/resources"));
    writeProductFiles();
    writeInstallRecords();
}

void WholeRun::copyHost()
{
    QDir().mkpath(installDir());
    QFile::copy(QStringLiteral(UNINSTALL_HOST), installDir() + QStringLiteral("/unins000"));
    QFile::copy(QStringLiteral(UNINSTALL_LIBRARY),
                installDir() + QStringLiteral("/libuninstall.so"));
}

void WholeRun::writeProductFiles()
{
    for (const char *name : {"bin/demo-suite",
                             "bin/plugins/export.plugin",
                             "DemoSuite.dll",
                             "docs/readme.txt",
                             ".settings"})
        writeFile(installDir() + QLatin1Char('/') + QLatin1String(name), "product file");
}

void WholeRun::writeInstallRecords()
{
    QSettings records(settingsFile(), QSettings::IniFormat);
    records.setValue(QStringLiteral("Install/Registered"), 1);
    records.setValue(QStringLiteral("Install/Path"), installDir());
    records.setValue(QStringLiteral("Install/Version"), QStringLiteral("3.2.1"));
}

QProcessEnvironment WholeRun::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    // Shared-memory keys are files in the temporary directory, and the guard activates windows
    // on the display: a run sees no other run's wizard and reaches no real desktop.
    env.insert(QStringLiteral("TMPDIR"), m_dir.path());
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(UNINSTALL_PLUGIN_DIR));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("autopilot"));
    env.insert(QStringLiteral("UNINSTALL_AUTOPILOT_LOG"),
               m_dir.path() + QStringLiteral("/autopilot.log"));
    return env;
}

int WholeRun::run(const QStringList &arguments, const QString &script, int timeoutMs)
{
    const std::unique_ptr<QProcess> host = start(arguments, script);
    return finish(*host, timeoutMs);
}

std::unique_ptr<QProcess> WholeRun::start(const QStringList &arguments, const QString &script) const
{
    auto host = std::make_unique<QProcess>();
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("UNINSTALL_AUTOPILOT"), script);
    host->setProcessEnvironment(env);
    host->setWorkingDirectory(m_dir.path());
    host->start(installDir() + QStringLiteral("/unins000"), arguments);
    return host;
}

int WholeRun::finish(QProcess &host, int timeoutMs)
{
    // Waits in an event loop, so that servers of the test process answer the run meanwhile.
    if (host.state() != QProcess::NotRunning) {
        QEventLoop loop;
        QObject::connect(&host,
                         qOverload<int, QProcess::ExitStatus>(&QProcess::finished),
                         &loop,
                         &QEventLoop::quit);
        QObject::connect(&host, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (host.state() != QProcess::NotRunning) {
        host.kill();
        host.waitForFinished();
        return -1;
    }
    m_exitCode = host.exitCode();
    m_standardError = host.readAllStandardError();
    const QStringList output = QString::fromUtf8(host.readAllStandardOutput())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (output.isEmpty() || !output.last().startsWith(QLatin1String("result=")))
        return -1;
    return output.last().mid(7).toInt();
}

bool WholeRun::installed(const QString &relativePath) const
{
    return QFileInfo::exists(installDir() + QLatin1Char('/') + relativePath);
}

QStringList WholeRun::productFiles() const
{
    QStringList files;
    QDirIterator it(installDir(),
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(installDir().size() + 1);
    files.sort();
    return files;
}

QStringList WholeRun::logTexts() const
{
    QStringList texts;
    for (const QString &line : linesOf(dataDir() + QStringLiteral("/uninstall.log")))
        texts << line.section(QLatin1Char('\t'), 3);
    return texts;
}

QStringList WholeRun::usageLabels() const
{
    QStringList labels;
    for (const QString &event : usageEvents())
        labels << event.section(QLatin1Char('/'), 2);
    return labels;
}

QStringList WholeRun::usageEvents() const
{
    QStringList events;
    for (const QString &line : linesOf(dataDir() + QStringLiteral("/usage.jsonl"))) {
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8()).object();
        events << QStringList{event.value(QStringLiteral("category")).toString(),
                              event.value(QStringLiteral("action")).toString(),
                              event.value(QStringLiteral("label")).toString()}
                      .join(QLatin1Char('/'));
    }
    return events;
}

QStringList WholeRun::autopilotLog() const
{
    return linesOf(m_dir.path() + QStringLiteral("/autopilot.log"));
}

#include "removal/FileDeletionThread.h"

#include "host/LMGA.h"
#include "host/LmProductInfo.h"
#include "host/LmSettings.h"
#include "host/Utility.h"
#include "platform/TreeRemover.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int namedLeftBehind = 20;

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
const char libraryFileName[] = "uninstall.dll";
#elif defined(Q_OS_MACOS)
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
const char libraryFileName[] = "libuninstall.dylib";
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
const char libraryFileName[] = "libuninstall.so";
#endif

platform::EntryAction ruleFor(const platform::TreeEntry &entry)
{
    if (entry.hidden || entry.relativePath.find("unins000") != std::string::npos)
        return platform::EntryAction::Skip;
    if (!entry.directory && entry.name.find(".dll") != std::string::npos)
        return platform::EntryAction::Keep;
    return platform::EntryAction::Remove;
}

QString canonicalOrClean(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir::fromNativeSeparators(path)) : canonical;
}

bool isSameOrAbove(const QString &folder, const QString &path)
{
    return path.compare(folder, pathCase) == 0
           || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'),
                              pathCase);
}

} // namespace

FileDeletionThread::FileDeletionThread(const QDir &dir)
    : m_rootDir(dir)
{
    Log("debug", 1, QStringLiteral("FileDeletionThread init!"));
    qRegisterMetaType<StartFailure>();
    m_recordedInstallPath = LmSettings::instance()->installRecord(QStringLiteral("Path"));
    const LmProductInfo *product = LmProductInfo::instance();
    const QString resources = QDir(product->installDirectory())
                                  .relativeFilePath(product->resourceRoot())
                                  .section(QLatin1Char('/'), 0, 0);
    if (!resources.isEmpty() && resources != QLatin1String(".") && resources != QLatin1String("..")
        && QDir::isRelativePath(resources))
        m_lastNames.push_back(resources.toStdString());
    m_lastNames.push_back("product.ini");
    m_lastNames.push_back(libraryFileName);
}

FileDeletionThread::~FileDeletionThread() = default;

int FileDeletionThread::leftBehindCount() const
{
    return m_leftBehind;
}

void FileDeletionThread::run()
{
    const QDir root = m_rootDir;
    Log("debug", 1, QStringLiteral("FileDeletionThread start!"));
    const QString canonical = QFileInfo(root.absolutePath()).canonicalFilePath();
    if (isRefusedRoot(root, m_recordedInstallPath)) {
        Log("error", 1, QStringLiteral("FileDeletionThread refused root: ") + root.absolutePath());
        emit cannotStart(StartFailure::Refused);
        return;
    }
    m_remover = platform::TreeRemover::open(canonical.toStdString());
    if (!m_remover) {
        Log("error", 1, QStringLiteral("FileDeletionThread missing root: ") + root.absolutePath());
        emit cannotStart(StartFailure::Missing);
        return;
    }
    collectFilesAndDirectories(root);
    deleteFilesAndDirectories();
    m_remover.reset();
    Log("debug", 1, QStringLiteral("deleteFilesAndDirectories complete!"));
    emit deleteComplete();
    LMGA::instance()->CEIP(QStringLiteral("uninstall"),
                           QStringLiteral("uninstall_complete"),
                           LMGA::Event,
                           QString(),
                           0);
}

// A wrong installation directory must never take the disk, the system or anyone's files with it.
bool FileDeletionThread::isRefusedRoot(const QDir &root, const QString &recordedInstallPath)
{
    const QString path = QFileInfo(root.absolutePath()).canonicalFilePath();
    if (path.isEmpty())
        return false; // missing: nothing to refuse, nothing to remove
    if (QDir(path).isRoot())
        return true;
    if (!recordedInstallPath.isEmpty()
        && QFileInfo(recordedInstallPath).canonicalFilePath().compare(path, pathCase) != 0)
        return true;
    for (const std::string &folder : platform::systemFolders()) {
        if (canonicalOrClean(QString::fromStdString(folder)).compare(path, pathCase) == 0)
            return true;
    }
    std::vector<std::string> homes = platform::accountHomes();
    homes.push_back(QDir::homePath().toStdString());
    return std::any_of(homes.begin(), homes.end(), [&path](const std::string &home) {
        return isSameOrAbove(path, canonicalOrClean(QString::fromStdString(home)));
    });
}

// Counts what the removal will meet, so that the progress can be given in percent.
void FileDeletionThread::collectFilesAndDirectories(const QDir &)
{
    Log("debug", 1, QStringLiteral("collectFilesAndDirectories start!"));
    m_total = int(m_remover->count(ruleFor));
}

void FileDeletionThread::deleteFilesAndDirectories()
{
    Log("debug", 1, QStringLiteral("deleteFilesAndDirectories start!"));
    int step = 0;
    int shown = 0;
    QStringList named;
    m_remover->remove(ruleFor,
                      m_lastNames,
                      [&](const platform::TreeEntry &entry, platform::EntryOutcome outcome) {
                          if (outcome == platform::EntryOutcome::Failed
                              && ++m_leftBehind <= namedLeftBehind)
                              named << QString::fromStdString(entry.relativePath);
                          // The tree may have changed since it was counted.
                          ++step;
                          const int value = m_total > 0 ? std::min(100,
                                                                   int(double(step)
                                                                       / double(m_total) * 100.0))
                                                        : 100;
                          if (value != shown)
                              emit updateBar(shown = value);
                      });
    if ((m_total > 0 || step > 0) && shown != 100)
        emit updateBar(100);
    if (m_leftBehind > 0) {
        Log("error",
            1,
            QStringLiteral("FileDeletionThread could not remove %1 entries: ").arg(m_leftBehind)
                + named.join(QStringLiteral(", ")));
    }
}

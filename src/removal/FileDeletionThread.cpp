#include "removal/FileDeletionThread.h"

#include "host/LMGA.h"
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
    // No link is entered, so a path below the root holds the word exactly when one name does.
    if (entry.hidden || entry.name.find("unins000") != std::string::npos)
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

// A wrong installation directory must never take the disk, the system or anyone's files with it.
bool isRefused(const platform::TreeRemover &root, const QString &recordedInstallPath)
{
    const QString path = QDir::fromNativeSeparators(QString::fromStdString(root.path()));
    const QString ownHome = canonicalOrClean(QDir::homePath());
    if (platform::isSystemFolder(root.path(), QDir::toNativeSeparators(ownHome).toStdString()))
        return true;
    if (!recordedInstallPath.isEmpty() && !root.isSameFolder(recordedInstallPath.toStdString()))
        return true;
    std::vector<std::string> homes = platform::accountHomes();
    homes.push_back(ownHome.toStdString());
    return std::any_of(homes.begin(), homes.end(), [&](const std::string &home) {
        return root.isSameFolder(home)
               || isSameOrAbove(path, canonicalOrClean(QString::fromStdString(home)));
    });
}

} // namespace

FileDeletionThread::FileDeletionThread(const RunContext &run)
    : m_rootDir(run.installRoot)
    , m_recordedInstallPath(run.recordedInstallPath)
{
    Log("debug", 1, QStringLiteral("FileDeletionThread init!"));
    qRegisterMetaType<StartFailure>();
    const QString resources = run.installRoot.relativeFilePath(run.resourceRoot)
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
    Log("debug", 1, QStringLiteral("FileDeletionThread start!"));
    StartFailure failure = StartFailure::Missing;
    m_remover = openRoot(m_rootDir, m_recordedInstallPath, failure);
    if (!m_remover) {
        Log("error",
            1,
            (failure == StartFailure::Refused ? QStringLiteral("FileDeletionThread refused root: ")
                                              : QStringLiteral("FileDeletionThread missing root: "))
                + m_rootDir.absolutePath());
        emit cannotStart(failure);
        return;
    }
    collectFilesAndDirectories(m_rootDir);
    deleteFilesAndDirectories();
    m_remover.reset();
    Log("debug", 1, QStringLiteral("deleteFilesAndDirectories complete!"));
    emit deleteComplete();
    LMGA::uninstallEvent(QStringLiteral("uninstall_complete"), QString());
}

// The root is opened once, without following a link in any component, and judged by that handle.
std::unique_ptr<platform::TreeRemover> FileDeletionThread::openRoot(const QDir &root,
                                                                    const QString &recorded,
                                                                    StartFailure &failure)
{
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(root.absolutePath()));
    platform::TreeRemover::OpenFailure why = platform::TreeRemover::OpenFailure::None;
    std::unique_ptr<platform::TreeRemover> remover = platform::TreeRemover::open(path.toStdString(),
                                                                                 &why);
    failure = why == platform::TreeRemover::OpenFailure::Missing ? StartFailure::Missing
                                                                 : StartFailure::Refused;
    if (remover && isRefused(*remover, recorded))
        remover.reset();
    return remover;
}

bool FileDeletionThread::isRefusedRoot(const QDir &root, const QString &recordedInstallPath)
{
    StartFailure failure = StartFailure::Missing;
    return !openRoot(root, recordedInstallPath, failure) && failure == StartFailure::Refused;
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

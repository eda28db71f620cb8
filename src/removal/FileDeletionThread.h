#pragma once

#include "host/RunContext.h"

#include <QDir>
#include <QThread>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class TreeRemover;
}

/// Removes the installed files on its own thread and reports progress in percent.
class FileDeletionThread : public QThread
{
    Q_OBJECT

public:
    enum class StartFailure { Missing, Refused };
    Q_ENUM(StartFailure)

    // Removes run's installation root, refused unless it is the folder the install records name;
    // the resource folder, product.ini and the library go last.
    explicit FileDeletionThread(const RunContext &run);
    ~FileDeletionThread() override;

    // Entries that should have gone but stayed; read once deleteComplete() has arrived.
    int leftBehindCount() const;

    // Whether root may be removed at all; recordedInstallPath is the install records' folder.
    static bool isRefusedRoot(const QDir &root, const QString &recordedInstallPath);

signals:
    void updateBar(int value);
    void deleteComplete();
    void cannotStart(FileDeletionThread::StartFailure reason);

protected:
    void run() override;

private:
    static std::unique_ptr<platform::TreeRemover> openRoot(const QDir &root,
                                                           const QString &recorded,
                                                           StartFailure &failure);
    void collectFilesAndDirectories(const QDir &dir);
    void deleteFilesAndDirectories();

    QDir m_rootDir;
    QString m_recordedInstallPath;
    // What the uninstaller needs to start again goes last, so an interrupted run can be resumed.
    std::vector<std::string> m_lastNames;
    std::unique_ptr<platform::TreeRemover> m_remover;
    int m_total = 0;
    std::atomic<int> m_leftBehind{0};
};

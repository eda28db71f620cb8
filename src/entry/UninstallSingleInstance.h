#pragma once

#include <QObject>

#include <memory>

class QSharedMemory;
class QWidget;

namespace platform {
class NamedLock;
}

/// Lets one wizard of a product run at a time and brings the running one to the front.
class UninstallSingleInstance : public QObject
{
    Q_OBJECT

public:
    static UninstallSingleInstance *getInstance();
    static void releaseInstance();

    bool isRunnable() const;
    void setWindow(QWidget *window);

private:
    UninstallSingleInstance();
    ~UninstallSingleInstance() override;

    bool takeSegment();
    void activateRunningWizard();

    bool runnable = true;
    std::unique_ptr<platform::NamedLock> mutex;
    QSharedMemory *sharedMemory = nullptr;
    QWidget *window = nullptr;
};

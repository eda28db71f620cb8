#pragma once

#include <QObject>

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

    bool runnable = true;
    QWidget *window = nullptr;
};

#pragma once

#include "config/RecApp.h"
#include "removal/FileDeletionThread.h"

#include <QString>
#include <QVector>

class QDir;
class QLocale;

namespace Ui {
class UnInstallWindow;
}

/// The removal's page: the progress bar while files go, then the finish text with the e-mail
/// line and "Done", or why nothing was removed.
class ProgressPage
{
public:
    ProgressPage(Ui::UnInstallWindow &ui, const QLocale &locale, bool testMode);

    void setValue(int percent);
    // The carousel of recommended apps, reached by Tab between its arrows.
    void showApps(const QVector<RecApp> &apps);
    // The finish text takes the progress text's place: the label keeps room for the taller of
    // the two from the start, so the carousel below does not move when the removal ends. Called
    // once the page is laid out and the label has its width.
    void reserveFinishTextHeight(const QString &weight);
    void showFinish(int leftBehind, const QString &weight);
    void showRefusal(FileDeletionThread::StartFailure reason, const QDir &root);

private:
    Ui::UnInstallWindow &m_ui;
};

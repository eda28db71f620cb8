#include "wizard/ProgressPage.h"
#include "ui_Uninstall.h"

#include "host/Utility.h"
#include "wizard/WindowTexts.h"

#include <QDir>
#include <QLocale>

#include <algorithm>

ProgressPage::ProgressPage(Ui::UnInstallWindow &ui, const QLocale &locale, bool testMode)
    : m_ui(ui)
{
    m_ui.frameEmail->hide();
    m_ui.emailTitle->hide();
    m_ui.btnComplete->setVisible(testMode);
    m_ui.progressBar->setValue(0);
    m_ui.progressBar->setMaximum(100);
    m_ui.progressBar->setLocale(locale);
    m_ui.progressBar->setFormat(QStringLiteral("%p") + locale.percent());
    m_ui.progressBar->setTextVisible(true);
}

void ProgressPage::setValue(int percent)
{
    m_ui.progressBar->setValue(percent);
}

void ProgressPage::showApps(const QVector<RecApp> &apps)
{
    m_ui.recWidget->setRecAppInfos(apps);
    // New tiles would come last in the Tab order, after "Done": they go between the arrows.
    QWidget *before = m_ui.recWidget->findChild<QWidget *>(QStringLiteral("btnPre"));
    for (QWidget *tileButton :
         m_ui.recWidget->findChildren<QWidget *>(QStringLiteral("btnRecUrl"))) {
        QWidget::setTabOrder(before, tileButton);
        before = tileButton;
    }
    QWidget::setTabOrder(before, m_ui.recWidget->findChild<QWidget *>(QStringLiteral("btnNext")));
}

void ProgressPage::reserveFinishTextHeight(const QString &weight)
{
    QLabel *label = m_ui.thinkLab;
    const QString shown = label->text();
    const int width = label->width();
    const int shownHeight = label->heightForWidth(width);
    label->setText(WindowTexts::finished(weight));
    const int finishHeight = label->heightForWidth(width);
    label->setText(shown);
    label->setMinimumHeight(std::max(shownHeight, finishHeight));
}

void ProgressPage::showFinish(int leftBehind, const QString &weight)
{
    m_ui.btnComplete->show();
    m_ui.frameEmail->show();
    m_ui.emailTitle->show();
    m_ui.btnClose->show();
    m_ui.frameBar->hide();
    m_ui.processBarTitle->hide();
    WindowTexts::setRichText(m_ui.thinkLab,
                             leftBehind > 0 ? WindowTexts::leftBehind(leftBehind, weight)
                                            : WindowTexts::finished(weight));
}

void ProgressPage::showRefusal(FileDeletionThread::StartFailure reason, const QDir &root)
{
    const bool missing = reason == FileDeletionThread::StartFailure::Missing;
    Log("error",
        1,
        QStringLiteral("Uninstall cannot remove the installation: ")
            + (missing ? QStringLiteral("missing") : QStringLiteral("refused")));
    m_ui.thinkLab->setText(
        WindowTexts::removalRefused(missing, QDir::toNativeSeparators(root.absolutePath())));
    m_ui.frameBar->hide();
    m_ui.processBarTitle->hide();
    m_ui.btnClose->show();
}

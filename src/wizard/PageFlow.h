#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QCloseEvent;
class QKeyEvent;
class QWidget;
class ReasonSurvey;

namespace Ui {
class UnInstallWindow;
}

/// The order of the window's pages, and the keys and the window manager's close on each: the
/// one place that knows which page of the form is which step.
class PageFlow : public QObject
{
    Q_OBJECT

public:
    enum class Step { Loading, DiscountOffer, ReasonSurvey, UpgradeOffer, Removal };
    Q_ENUM(Step)

    // Starts on the loading page, and watches the window's keys and close requests.
    // The upgrade offer is made only with the updater file present.
    PageFlow(QWidget *window,
             Ui::UnInstallWindow &ui,
             const ReasonSurvey &survey,
             const QString &updaterFile);

    Step step() const;
    void show(Step step);
    // Moves on from the page shown, with the usage event of leaving it; the removal waits for
    // the window once the user confirmed it.
    void forward();
    // The usage events of the Cancel and purchase buttons on the offer and survey steps.
    static void sendCancelEvent(Step step);
    void sendPurchaseEvent() const;
    // The button that Return (forward) or Escape and the window manager's close act through on
    // the page shown; none while files are being removed, when the page shows none. The finish
    // page has a single way out, "Done".
    QAbstractButton *pageButton(bool forward) const;
    // Keyboard users start on each page at its way forward, or at its first reason.
    void focusPage();

signals:
    // The survey's Continue without an upgrade offer, or the offer's Continue.
    void removalConfirmed();
    // The window's own way out: the close button's, the discount offer's Cancel.
    void closeRequested();
    // The survey's or the upgrade offer's Cancel: the user keeps the installation.
    void cancelRequested();
    // "Done" on the finish page.
    void doneRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The step the form shows with these page indexes.
    static Step stepAt(int page, int innerPage);
    void answerClose(QCloseEvent *event);
    bool answerKey(QKeyEvent *event);

    QWidget *m_window;
    Ui::UnInstallWindow &m_ui;
    const ReasonSurvey &m_survey;
    const QString m_updaterFile;
};

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

    // The usage events' labels of the buttons on the offer and survey steps; empty on others.
    struct EventLabels
    {
        QString purchase;
        QString cancel;
    };

    // Starts on the loading page, and watches the window's keys and close requests.
    PageFlow(QWidget *window, Ui::UnInstallWindow &ui, const ReasonSurvey &survey);

    Step step() const;
    // The step the form shows with these page indexes.
    static Step stepAt(int page, int innerPage);
    static EventLabels eventLabels(Step step);
    void show(Step step);
    // The button that Return (forward) or Escape and the window manager's close act through on
    // the page shown; none while files are being removed, when the page shows none. The finish
    // page has a single way out, "Done".
    QAbstractButton *pageButton(bool forward) const;
    // Keyboard users start on each page at its way forward, or at its first reason.
    void focusPage();

signals:
    // The window's own way out: the close button's.
    void closeRequested();
    // "Done" on the finish page.
    void doneRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answerClose(QCloseEvent *event);
    bool answerKey(QKeyEvent *event);

    QWidget *m_window;
    Ui::UnInstallWindow &m_ui;
    const ReasonSurvey &m_survey;
};

#include "wizard/PageFlow.h"
#include "ui_Uninstall.h"

#include "host/LMGA.h"
#include "wizard/ReasonSurvey.h"

#include <QFileInfo>
#include <QKeyEvent>

namespace {

// The form's pages: "processPage" holds the steps, its survey page "causePage_2" the reason
// survey and the upgrade offer.
enum Page { LoadingPage, DiscountPage, SurveyPage, RemovalPage };
enum InnerPage { ReasonsPage, UpgradePage };

// The usage events' labels of the buttons on the offer and survey steps; empty on others.
struct EventLabels
{
    QString purchase;
    QString cancel;
};

EventLabels eventLabels(PageFlow::Step step)
{
    switch (step) {
    case PageFlow::Step::DiscountOffer:
        return {QStringLiteral("d_click_purchase"), QStringLiteral("d_click_cancel")};
    case PageFlow::Step::ReasonSurvey:
        return {QStringLiteral("r_click_purchase"), QStringLiteral("r_click_cancel")};
    case PageFlow::Step::UpgradeOffer:
        return {QStringLiteral("u_click_purchase"), QStringLiteral("u_click_cancel")};
    default:
        return {};
    }
}

} // namespace

PageFlow::PageFlow(QWidget *window,
                   Ui::UnInstallWindow &ui,
                   const ReasonSurvey &survey,
                   const QString &updaterFile)
    : m_window(window)
    , m_ui(ui)
    , m_survey(survey)
    , m_updaterFile(updaterFile)
{
    m_ui.causePage_2->setCurrentIndex(ReasonsPage);
    m_ui.processPage->setCurrentIndex(LoadingPage);
    connect(m_ui.processPage, &QStackedWidget::currentChanged, this, &PageFlow::focusPage);
    connect(m_ui.causePage_2, &QStackedWidget::currentChanged, this, &PageFlow::focusPage);
    connect(m_ui.btnCancel_1, &QPushButton::clicked, this, &PageFlow::closeRequested);
    connect(m_ui.btnCancel_2, &QPushButton::clicked, this, &PageFlow::cancelRequested);
    connect(m_ui.btnCancel_3, &QPushButton::clicked, this, &PageFlow::cancelRequested);
    m_window->installEventFilter(this);
}

PageFlow::Step PageFlow::step() const
{
    return stepAt(m_ui.processPage->currentIndex(), m_ui.causePage_2->currentIndex());
}

PageFlow::Step PageFlow::stepAt(int page, int innerPage)
{
    switch (page) {
    case LoadingPage:
        return Step::Loading;
    case DiscountPage:
        return Step::DiscountOffer;
    case SurveyPage:
        return innerPage == UpgradePage ? Step::UpgradeOffer : Step::ReasonSurvey;
    default:
        return Step::Removal;
    }
}

void PageFlow::show(Step step)
{
    switch (step) {
    case Step::Loading:
        m_ui.processPage->setCurrentIndex(LoadingPage);
        break;
    case Step::DiscountOffer:
        m_ui.processPage->setCurrentIndex(DiscountPage);
        break;
    case Step::ReasonSurvey:
    case Step::UpgradeOffer:
        m_ui.causePage_2->setCurrentIndex(step == Step::UpgradeOffer ? UpgradePage : ReasonsPage);
        m_ui.processPage->setCurrentIndex(SurveyPage);
        break;
    case Step::Removal:
        m_ui.processPage->setCurrentIndex(RemovalPage);
        break;
    }
}

void PageFlow::forward()
{
    switch (step()) {
    case Step::Loading:
        show(Step::DiscountOffer);
        break;
    case Step::DiscountOffer:
        LMGA::uninstallEvent(QStringLiteral("uninstall_continue"),
                             QStringLiteral("d_click_uninstall"));
        show(Step::ReasonSurvey);
        break;
    case Step::ReasonSurvey:
        LMGA::uninstallEvent(QStringLiteral("uninstall_continue"),
                             QStringLiteral("r_click_uninstall"));
        m_ui.discountBg->show();
        // The upgrade offer is made only with a program that proved itself.
        if (QFileInfo(m_updaterFile).isFile()) {
            m_ui.btnUpdate->show();
            show(Step::UpgradeOffer);
            break;
        }
        [[fallthrough]];
    case Step::UpgradeOffer:
        emit removalConfirmed();
        break;
    case Step::Removal:
        break;
    }
}

void PageFlow::sendCancelEvent(Step step)
{
    const QString label = eventLabels(step).cancel;
    if (!label.isEmpty())
        LMGA::uninstallEvent(QStringLiteral("uninstall_cancel"), label);
}

void PageFlow::sendPurchaseEvent() const
{
    const QString label = eventLabels(step()).purchase;
    if (!label.isEmpty())
        LMGA::uninstallEvent(QStringLiteral("uninstall_purchase"), label);
}

QAbstractButton *PageFlow::pageButton(bool forward) const
{
    QAbstractButton *button = nullptr;
    switch (step()) {
    case Step::Loading:
        button = forward ? nullptr : m_ui.btnClose;
        break;
    case Step::DiscountOffer:
        button = forward ? m_ui.btnContinue_1 : m_ui.btnCancel_1;
        break;
    case Step::ReasonSurvey:
        button = forward ? m_ui.btnContinue_2 : m_ui.btnCancel_2;
        break;
    case Step::UpgradeOffer:
        button = forward ? m_ui.btnContinue_3 : m_ui.btnCancel_3;
        break;
    case Step::Removal:
        button = m_ui.btnComplete;
        break;
    }
    return button && button->isVisible() && button->isEnabled() ? button : nullptr;
}

void PageFlow::focusPage()
{
    QWidget *target = pageButton(true);
    if (!target && step() == Step::ReasonSurvey)
        target = m_survey.firstShownReason();
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

bool PageFlow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::Close) {
        answerClose(static_cast<QCloseEvent *>(event));
        return true;
    }
    return event->type() == QEvent::KeyPress && answerKey(static_cast<QKeyEvent *>(event));
}

// Leaving is always the window's own decision, whoever asks: accepting would end the event loop
// with the last window, while files are removed or before the reports are delivered.
void PageFlow::answerClose(QCloseEvent *event)
{
    event->ignore();
    if (m_window->isHidden())
        return;
    switch (step()) {
    case Step::Loading:
        emit closeRequested();
        break;
    case Step::Removal:
        if (pageButton(true))
            emit doneRequested();
        else if (m_ui.btnClose->isVisible())
            emit closeRequested();
        break;
    default:
        if (QAbstractButton *cancel = pageButton(false))
            cancel->click();
        break;
    }
}

bool PageFlow::answerKey(QKeyEvent *event)
{
    const int key = event->key();
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!forward && key != Qt::Key_Escape)
        return false;
    // A button the user moved to answers Return for itself (Return on Cancel must not go on).
    QWidget *focus = m_window->focusWidget();
    if (forward && (qobject_cast<QPushButton *>(focus) || qobject_cast<QToolButton *>(focus))) {
        static_cast<QAbstractButton *>(focus)->click();
        return true;
    }
    if (QAbstractButton *button = pageButton(forward))
        button->click();
    return true;
}

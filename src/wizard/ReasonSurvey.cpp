#include "wizard/ReasonSurvey.h"
#include "ui_Uninstall.h"

#include "wizard/WindowTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRegularExpression>

#include <algorithm>

ReasonSurvey::ReasonSurvey(Ui::UnInstallWindow &ui,
                           const QVector<QCheckBox *> &boxes,
                           const QLocale &locale,
                           QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_boxes(boxes)
    , m_locale(locale)
{
    m_ui.optionLineEdit_1->hide();
    m_ui.optionLineEdit_2->hide();
    m_ui.optionFrame->setEnabled(false);
    m_ui.btnContinue_2->setEnabled(false);
    m_ui.causeEdit->setEnabled(false);
}

void ReasonSurvey::fill(bool singleChoice,
                        const QVector<QString> &keys,
                        const QMap<QString, QString> &texts,
                        int answerLineHeight)
{
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < m_boxes.size() && i < keys.size(); ++i) {
        QCheckBox *box = m_boxes.at(i);
        const QString &key = keys.at(i);
        box->show();
        if (singleChoice)
            group->addButton(box);
        box->setObjectName(key);
        box->setText(texts.value(key));
        if (key == QLatin1String("q4"))
            followWithAnswerLine(box, m_ui.optionLineEdit_1, answerLineHeight);
        else if (key == QLatin1String("q15"))
            followWithAnswerLine(box, m_ui.optionLineEdit_2, answerLineHeight);
    }
    group->setExclusive(singleChoice);
    m_ui.causeEdit->setEnabled(true);
    m_ui.optionFrame->setEnabled(true);
    updateContinueRule();
}

void ReasonSurvey::followWithAnswerLine(QCheckBox *box, QWidget *line, int height)
{
    const auto toggle = [line, height](bool visible) {
        line->setVisible(visible);
        if (!visible)
            return;
        line->setMaximumHeight(height);
        line->setFixedHeight(height);
        line->setMinimumHeight(height);
    };
    connect(box, &QCheckBox::clicked, this, toggle);
    connect(box, &QCheckBox::stateChanged, this, [toggle](int state) { toggle(state != 0); });
}

void ReasonSurvey::showUsers(const QString &figure, const QString &weight, const QString &color)
{
    WindowTexts::setRichText(
        m_ui.hintLab,
        WindowTexts::usersServed(weight, color, localisedFigure(figure, m_locale).toHtmlEscaped()));
}

QString ReasonSurvey::localisedFigure(const QString &figure, const QLocale &locale)
{
    static const QRegularExpression grouped(QStringLiteral("^\\d{1,3}(,\\d{3})*$"));
    if (!grouped.match(figure).hasMatch())
        return figure;
    bool ok = false;
    const qulonglong number = QString(figure).remove(QLatin1Char(',')).toULongLong(&ok);
    return ok ? locale.toString(number) : figure;
}

void ReasonSurvey::updateContinueRule()
{
    const bool anyChecked = std::any_of(m_boxes.cbegin(), m_boxes.cend(), [](const QCheckBox *box) {
        return box->isChecked();
    });
    m_ui.btnContinue_2->setEnabled(anyChecked || !anyReasonShown());
}

bool ReasonSurvey::anyReasonShown() const
{
    return firstShownReason() != nullptr;
}

QCheckBox *ReasonSurvey::firstShownReason() const
{
    const auto shown = std::find_if(m_boxes.cbegin(), m_boxes.cend(), [](QCheckBox *box) {
        return !box->isHidden();
    });
    return shown != m_boxes.cend() ? *shown : nullptr;
}

FeedbackReport::Answers ReasonSurvey::answers() const
{
    FeedbackReport::Answers answers;
    // Boxes that never received a reason are listed only beside some that did.
    if (anyReasonShown()) {
        for (const QCheckBox *box : m_boxes)
            answers.reasons.append({box->objectName(), box->isChecked()});
    }
    answers.featureLine = m_ui.optionLineEdit_1->text();
    answers.priceLine = m_ui.optionLineEdit_2->text();
    answers.causeText = m_ui.causeEdit->toPlainText();
    return answers;
}

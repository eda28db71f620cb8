#pragma once

#include "wizard/FeedbackReport.h"

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QVector>

class QCheckBox;

namespace Ui {
class UnInstallWindow;
}

/// The reason survey: up to six reasons from the documents in the form's boxes, single choice
/// when the documents ask for it, answer lines for the reasons "q4" and "q15", the users figure,
/// and the rule for its Continue.
class ReasonSurvey : public QObject
{
    Q_OBJECT

public:
    // Holds the survey closed until the documents' reasons arrive.
    ReasonSurvey(Ui::UnInstallWindow &ui,
                 const QVector<QCheckBox *> &boxes,
                 const QLocale &locale,
                 QObject *parent);

    // Shows the reasons of keys in the boxes, in order; answer lines take the given height.
    void fill(bool singleChoice,
              const QVector<QString> &keys,
              const QMap<QString, QString> &texts,
              int answerLineHeight);
    void showUsers(const QString &figure, const QString &weight, const QString &color);
    // A survey without any reason to choose must not hold the user on its page.
    void updateContinueRule();
    // The box keyboard users start at when Continue is not yet enabled.
    QCheckBox *firstShownReason() const;
    // What the user chose and wrote, as the first report lists it.
    FeedbackReport::Answers answers() const;

    // The documents write the figure with comma groups; the language writes it its own way. Any
    // other text is shown as it stands.
    static QString localisedFigure(const QString &figure, const QLocale &locale);

private:
    bool anyReasonShown() const;
    void followWithAnswerLine(QCheckBox *box, QWidget *line, int height);

    Ui::UnInstallWindow &m_ui;
    const QVector<QCheckBox *> m_boxes;
    const QLocale m_locale;
};

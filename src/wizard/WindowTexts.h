#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace Ui {
class UnInstallWindow;
}

/// The window's longer texts, in the translation contexts their catalogues file them under, and
/// the rules for showing them in a right-to-left language.
class WindowTexts
{
public:
    // Qt lays out a rich text's paragraphs left to right and at the left edge of a wrapping
    // label, whatever the label's direction.
    static void setRichText(QLabel *label, QString html);
    // The form's opening texts: the title with the product's name, the discount offer and the
    // upgrade tip in the skin's line height, weights and colours, and the thanks.
    static void fillForm(Ui::UnInstallWindow &ui,
                         const QString &productName,
                         const QString &lineHeight,
                         const QStringList &weights,
                         const QStringList &colors);
    static QString usersServed(const QString &weight, const QString &color, const QString &users);
    static QString finished(const QString &weight);
    static QString leftBehind(int count, const QString &weight);
    static QString removalRefused(bool missing, const QString &folder);
};

#pragma once

#include <QString>

class QLabel;
class QWidget;

/// The window's longer texts, in the translation contexts their catalogues file them under, and
/// the rules for showing them in a right-to-left language.
class WindowTexts
{
public:
    // Qt lays out a rich text's paragraphs left to right and at the left edge of a wrapping
    // label, whatever the label's direction.
    static void setRichText(QLabel *label, QString html);
    // A plain text takes its direction from its first letter: a product name in Latin letters
    // would turn a right-to-left title around.
    static QString inWindowDirection(const QWidget *widget, const QString &text);

    static QString discountOffer(const QString &lineHeight,
                                 const QString &weight,
                                 const QString &color);
    static QString thanks();
    static QString usersServed(const QString &weight, const QString &color, const QString &users);
    static QString finished(const QString &weight);
    static QString leftBehind(int count, const QString &weight);
    static QString removalRefused(bool missing, const QString &folder);
};

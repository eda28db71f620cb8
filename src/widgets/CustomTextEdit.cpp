#include "widgets/CustomTextEdit.h"

CustomTextEdit::CustomTextEdit(QWidget *parent)
    : QTextEdit(parent)
{}

void CustomTextEdit::mousePressEvent(QMouseEvent *event)
{
    QTextEdit::mousePressEvent(event);
    if (placeholderText().isEmpty())
        return;
    savedPlaceholder = placeholderText();
    setPlaceholderText(QString());
}

void CustomTextEdit::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    setPlaceholderText(savedPlaceholder);
}

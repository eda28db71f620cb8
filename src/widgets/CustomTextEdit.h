#pragma once

#include <QTextEdit>

/// Free-text field whose placeholder hint disappears on a click and returns when focus leaves.
class CustomTextEdit : public QTextEdit
{
public:
    explicit CustomTextEdit(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString savedPlaceholder;
};

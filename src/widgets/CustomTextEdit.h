#pragma once

#include <QTextEdit>

/// The survey's free-text field. Its hint stays until something is typed: a click or a Tab
/// through the field never takes it away.
class CustomTextEdit : public QTextEdit
{
public:
    explicit CustomTextEdit(QWidget *parent = nullptr);
};

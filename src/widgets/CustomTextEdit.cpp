#include "widgets/CustomTextEdit.h"

CustomTextEdit::CustomTextEdit(QWidget *parent)
    : QTextEdit(parent)
{}

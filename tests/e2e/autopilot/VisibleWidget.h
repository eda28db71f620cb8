#pragma once

class QString;
class QWidget;

// The first visible widget of that object name: a visible top-level window or a child of one.
QWidget *findVisibleWidget(const QString &name);

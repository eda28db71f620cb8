#pragma once

#include <QApplication>
#include <QWidget>

// The first visible widget of that object name: a visible top-level window or a child of one.
inline QWidget *findVisibleWidget(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        for (QWidget *widget : top->findChildren<QWidget *>(name) + QList<QWidget *>{top}) {
            if (widget->isVisible() && widget->objectName() == name)
                return widget;
        }
    }
    return nullptr;
}

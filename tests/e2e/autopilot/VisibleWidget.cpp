#include "VisibleWidget.h"

#include <QApplication>
#include <QWidget>

QWidget *findVisibleWidget(const QString &name)
{
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (!topLevel->isVisible())
            continue;
        if (topLevel->objectName() == name)
            return topLevel;
        for (QWidget *child : topLevel->findChildren<QWidget *>(name)) {
            if (child->isVisible())
                return child;
        }
    }
    return nullptr;
}

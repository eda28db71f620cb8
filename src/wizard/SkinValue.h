#pragma once

#include <QString>
#include <QStringList>

/// A value the skin's style sheet binds to a property of the window: an empty one keeps what the
/// window has, any other is logged with its label and taken, a list split at '*'.
class SkinValue
{
public:
    static void bind(QString &field, const QString &value, const QString &label);
    static void bindList(QStringList &field, const QString &value, const QString &label);
};

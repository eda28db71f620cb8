#pragma once

#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVector>

/// One recommended application of the finish page.
struct RecApp
{
    QString icon;
    QString name;
    QString url;
};

Q_DECLARE_METATYPE(RecApp)

// Registers the types that the configuration signals carry across threads, under the names
// "RecApp", "QVector<RecApp>", "QVector<QString>" and "QMap<QString,QString>".
void registerConfigMetaTypes();

#include "config/RecApp.h"

void registerConfigMetaTypes()
{
    qRegisterMetaType<RecApp>("RecApp");
    qRegisterMetaType<QVector<RecApp>>("QVector<RecApp>");
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    qRegisterMetaType<QMap<QString, QString>>("QMap<QString,QString>");
}

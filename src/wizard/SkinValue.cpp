#include "wizard/SkinValue.h"

#include "host/Utility.h"

void SkinValue::bind(QString &field, const QString &value, const QString &label)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, label + value);
    field = value;
}

void SkinValue::bindList(QStringList &field, const QString &value, const QString &label)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, label + value);
    field = value.split(QLatin1Char('*'));
}

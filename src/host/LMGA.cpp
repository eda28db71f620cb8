#include "LMGA.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QStandardPaths>

LMGA *LMGA::instance()
{
    static LMGA service;
    return &service;
}

QString LMGA::usageFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation)
           + QStringLiteral("/usage.jsonl");
}

// Events are written as they happen, so the service has no state to switch.
void LMGA::startService(int, const QString &) {}

void LMGA::stopService() {}

void LMGA::startOneceTimeCheck() {}

void LMGA::CEIP(
    const QString &category, const QString &action, CEIPType type, const QString &label, int value)
{
    const QJsonObject event{
        {QStringLiteral("time"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs)},
        {QStringLiteral("category"), category},
        {QStringLiteral("action"), action},
        {QStringLiteral("type"), int(type)},
        {QStringLiteral("label"), label},
        {QStringLiteral("value"), value},
    };
    const QString fileName = usageFileName();
    QMutexLocker locker(&m_mutex);
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
}

#include "host/LMGA.h"

#include "host/DataDirectory.h"
#include "host/RotatingFile.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

LMGA *LMGA::instance()
{
    static LMGA service;
    return &service;
}

void LMGA::startService(int, const QString &)
{
    QMutexLocker locker(&m_mutex);
    m_running = true;
}

void LMGA::stopService()
{
    QMutexLocker locker(&m_mutex);
    m_running = false;
}

void LMGA::startOneceTimeCheck() {}

void LMGA::uninstallEvent(const QString &action, const QString &label)
{
    instance()->CEIP(QStringLiteral("uninstall"), action, Event, label, 0);
}

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
    QMutexLocker locker(&m_mutex);
    if (!m_running)
        return;
    RotatingFile file;
    if (file.open(DataDirectory::usageFile()))
        file.append(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
}

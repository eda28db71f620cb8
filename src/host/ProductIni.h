#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

/// The product's INI file: groups of literal key=value pairs (no quoting, no lists).
class ProductIni
{
public:
    static ProductIni parse(const QByteArray &text);
    static ProductIni load(const QString &fileName);

    QString value(const QString &group, const QString &key) const;
    bool contains(const QString &group, const QString &key) const;

private:
    QHash<QString, QString> m_values; // "group/key" -> value
};

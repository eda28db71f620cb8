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

    bool isLoaded() const { return m_loaded; }
    // The first "group/key" whose value is longer than maxLength characters, or empty.
    QString overlongEntry(int maxLength) const;

    QString value(const QString &group, const QString &key) const;
    bool contains(const QString &group, const QString &key) const;

private:
    QHash<QString, QString> m_values; // "group/key" -> value
    bool m_loaded = false;
};

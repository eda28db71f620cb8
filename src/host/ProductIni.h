#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

/// The product's INI file: groups of literal key=value pairs (no quoting, no lists).
class ProductIni
{
public:
    static ProductIni parse(const QByteArray &text);
    // Reads a regular file of at most maxBytes only; anything else is not loaded.
    static ProductIni load(const QString &fileName);
    static constexpr int maxBytes = 64 * 1024;

    bool isLoaded() const { return m_loadError.isEmpty(); }
    // Why the file was not loaded, or empty.
    QString loadError() const { return m_loadError; }
    // The first "group/key" that is, or whose value is, longer than maxLength characters, or empty.
    QString overlongEntry(int maxLength) const;

    QString value(const QString &group, const QString &key) const;
    bool contains(const QString &group, const QString &key) const;

private:
    QHash<QString, QString> m_values; // "group/key" -> value
    QString m_loadError = QStringLiteral("not read");
};

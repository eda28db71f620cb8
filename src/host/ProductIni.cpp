#include "host/ProductIni.h"

#include "platform/BoundedFile.h"

#include <QFile>

namespace {

QString entryName(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

} // namespace

ProductIni ProductIni::parse(const QByteArray &text)
{
    ProductIni ini;
    ini.m_loadError.clear();
    QString group;
    const QByteArray byteOrderMark("\xEF\xBB\xBF");
    const QByteArray body = text.startsWith(byteOrderMark) ? text.mid(byteOrderMark.size()) : text;
    for (const QByteArray &rawLine : body.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        ini.m_values.insert(entryName(group, line.left(equals).trimmed()),
                            line.mid(equals + 1).trimmed());
    }
    return ini;
}

ProductIni ProductIni::load(const QString &fileName)
{
    std::string text;
    ProductIni ini;
    switch (platform::readRegularFile(fileName.toStdString(), maxBytes, text)) {
    case platform::FileRead::Read:
        return parse(QByteArray::fromStdString(text));
    case platform::FileRead::Unreadable:
        ini.m_loadError = QStringLiteral("cannot read ") + fileName;
        break;
    case platform::FileRead::NotRegular:
        ini.m_loadError = fileName + QStringLiteral(" is not a regular file");
        break;
    case platform::FileRead::TooLarge:
        ini.m_loadError = fileName + QStringLiteral(" is larger than %1 bytes").arg(maxBytes);
        break;
    }
    return ini;
}

QString ProductIni::overlongEntry(int maxLength) const
{
    for (auto entry = m_values.cbegin(); entry != m_values.cend(); ++entry) {
        if (entry.key().size() > maxLength || entry.value().size() > maxLength)
            return entry.key();
    }
    return QString();
}

QString ProductIni::value(const QString &group, const QString &key) const
{
    return m_values.value(entryName(group, key));
}

bool ProductIni::contains(const QString &group, const QString &key) const
{
    return m_values.contains(entryName(group, key));
}

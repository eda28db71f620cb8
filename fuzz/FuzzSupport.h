#pragma once

#include <QUrl>

#include <cstdlib>

namespace fuzz {

// The wizard's language while fuzzing; the documents of the kit all hold it.
inline const QString language = QStringLiteral("en");

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// The input as a JSON text sequence: documents separated by the record separator 0x1E.
inline QList<QByteArray> documents(const uint8_t *data, size_t size)
{
    return bytes(data, size).split('\x1e').mid(0, 3);
}

// A broken promise of the code under test is a finding like a crash.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A queued download is requested by the text of its address, parsed again; that must give the
// same address.
inline void requireSameAddressAsText(const QUrl &url)
{
    if (url.isValid())
        require(QUrl(url.toString(), QUrl::TolerantMode) == url);
}

} // namespace fuzz

#pragma once

#include <QByteArray>
#include <QString>

/// The rule for pictures that come from outside (offer pictures and icons): decoded only when
/// the pixel size in their header is at most maxSide x maxSide.
namespace OutsidePicture {

constexpr int maxSide = 4096;

// The bytes' header gives a size within bounds and the whole picture decodes.
bool decodes(const QByteArray &bytes);
// The file's header gives a size within bounds; nothing is decoded.
bool fits(const QString &path);
// Removes the files of the directory whose header gives no size or one out of bounds, with an
// "error" line each.
void sweep(const QString &directory);

} // namespace OutsidePicture

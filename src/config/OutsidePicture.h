#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

/// The rule for pictures that come from outside (offer pictures and icons): decoded only when
/// the pixel size in their header is at most maxSide x maxSide, and stored at most at the size
/// they are shown at.
namespace OutsidePicture {

constexpr int maxSide = 4096;
// Stored with twice the pixels they take on screen, so that they stay sharp at a device pixel
// ratio of 2.
constexpr int sharpness = 2;

// Where the pictures show, in pixels of the screen.
struct ShownSizes
{
    // The offer pictures are stretched over their widgets, so each side is bounded on its own.
    QSize banner{857, 70};
    QSize promotion{420, 250};
    // An icon keeps its aspect ratio within its tile's icon box.
    QSize icon{48, 48};
};

// The size a picture of this size is stored at when shown within box (already times sharpness):
// never larger than the picture.
QSize storedSize(const QSize &size, const QSize &box, bool keepAspectRatio);

// What to store of the downloaded bytes of the cache file fileName: the bytes themselves when
// the picture already fits its shown size, else the picture decoded at that size and encoded
// again; empty when the header gives no size within bounds or the picture does not decode.
QByteArray fitted(const QByteArray &bytes, const QString &fileName, const ShownSizes &shown);
// Removes the files of the directory whose header gives no size within bounds, or one larger
// than the file is stored at now, with an "error" line each. Returns whether any was removed.
bool sweep(const QString &directory, const ShownSizes &shown);

} // namespace OutsidePicture

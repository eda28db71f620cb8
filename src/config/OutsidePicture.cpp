#include "config/OutsidePicture.h"

#include "host/Utility.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace {

bool sizeFits(const QSize &size)
{
    return size.isValid() && size.width() <= OutsidePicture::maxSide
           && size.height() <= OutsidePicture::maxSide;
}

struct StoredBox
{
    QSize box;
    bool keepAspectRatio = true;
};

// The cache names the offer pictures by their prefix; every other file is an icon.
StoredBox storedBox(const QString &fileName, const OutsidePicture::ShownSizes &shown)
{
    const int sharpness = OutsidePicture::sharpness;
    if (fileName.startsWith(QLatin1String("banner_pic_")))
        return {shown.banner * sharpness, false};
    if (fileName.startsWith(QLatin1String("promotion_pic_")))
        return {shown.promotion * sharpness, false};
    return {shown.icon * sharpness, true};
}

} // namespace

QSize OutsidePicture::storedSize(const QSize &size, const QSize &box, bool keepAspectRatio)
{
    if (!keepAspectRatio)
        return size.boundedTo(box);
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QByteArray OutsidePicture::fitted(const QByteArray &bytes,
                                  const QString &fileName,
                                  const ShownSizes &shown)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!sizeFits(size))
        return QByteArray();
    const StoredBox stored = storedBox(fileName, shown);
    const QSize target = storedSize(size, stored.box, stored.keepAspectRatio);
    const QByteArray format = reader.format();
    if (target != size)
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image))
        return QByteArray();
    if (target == size)
        return bytes;
    QByteArray encoded;
    QBuffer output(&encoded);
    output.open(QIODevice::WriteOnly);
    QImageWriter writer(&output,
                        QImageWriter::supportedImageFormats().contains(format) ? format : "png");
    return writer.write(image) ? encoded : QByteArray();
}

bool OutsidePicture::sweep(const QString &directory, const ShownSizes &shown)
{
    bool removed = false;
    const QDir folder(directory);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        const QString path = folder.filePath(name);
        const QSize size = QImageReader(path).size();
        const StoredBox stored = storedBox(name, shown);
        if (sizeFits(size) && storedSize(size, stored.box, stored.keepAspectRatio) == size)
            continue;
        Log("error",
            1,
            QStringLiteral("cached picture not within bounds or larger than shown, dropped:")
                + name);
        removed = QFile::remove(path) || removed;
    }
    return removed;
}

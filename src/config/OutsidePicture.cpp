#include "config/OutsidePicture.h"

#include "host/Utility.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

bool sizeFits(QImageReader &reader)
{
    const QSize size = reader.size();
    return size.isValid() && size.width() <= OutsidePicture::maxSide
           && size.height() <= OutsidePicture::maxSide;
}

} // namespace

bool OutsidePicture::decodes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!sizeFits(reader))
        return false;
    QImage image;
    return reader.read(&image);
}

bool OutsidePicture::fits(const QString &path)
{
    QImageReader reader(path);
    return sizeFits(reader);
}

void OutsidePicture::sweep(const QString &directory)
{
    const QDir folder(directory);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        const QString path = folder.filePath(name);
        if (fits(path))
            continue;
        Log("error",
            1,
            QStringLiteral("cached picture without a size within bounds, dropped:") + name);
        QFile::remove(path);
    }
}

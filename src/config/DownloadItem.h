#pragma once

#include <QString>
#include <QUrl>

/// One queued download of the resource handler: fetched from url, stored in the image cache
/// under fileName.
struct DownloadItem
{
    QUrl url;
    QString fileName;
};

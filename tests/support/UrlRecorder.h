#pragma once

#include <QDesktopServices>
#include <QUrl>

/// Records the http(s) addresses opened through QDesktopServices while it lives.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder()
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    }

    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

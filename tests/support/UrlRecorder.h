#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

/// Takes over http and https in QDesktopServices, so tests see opened addresses and no browser
/// starts.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url);
};

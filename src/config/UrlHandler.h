#pragma once

#include "config/ConfigDocuments.h"
#include "config/DownloadItem.h"
#include "config/OutsidePicture.h"
#include "config/RecApp.h"
#include "config/RequestPolicy.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QNetworkProxy>
#include <QObject>
#include <QVector>

class BoundedReply;
class QNetworkAccessManager;

/// Fetches, on a worker thread, the documents that the configuration names, one after the
/// other, and the offer images and icons, one at a time, into the image cache.
class UrlHandler : public QObject
{
    Q_OBJECT

public:
    // Runs in the main thread: reads the language, the request policy and the shared manager's
    // proxy. Nothing is sent before recAppHandelThreadFunction.
    UrlHandler(const QString &version,
               const QList<DownloadItem> &downloads,
               const QString &recommendAppUrl,
               const QString &uninstallChoseUrl,
               const QString &uninstallCauseUrl,
               const OutsidePicture::ShownSizes &shown = {});
    ~UrlHandler() override;

    // Every document request and download fails when no data moved for this long (default
    // 10000 ms), or when it is not complete this long after its start (default 10000 ms).
    // Tests shorten them; a handler reads them when it is constructed.
    static void setTransferTimeout(int milliseconds);
    static void setDeadline(int milliseconds);

signals:
    void LoadResError();
    void recAppEmit(QVector<RecApp> apps);
    void uninstallCauseEmit(bool uninstallCuaseCheck,
                            QVector<QString> causeKeys,
                            QMap<QString, QString> uninstallCause,
                            QString users);
    void downLoadResEmit();

public slots:
    void imageDownload();
    void recAppHandelThreadFunction();
    void choseHandelThreadFunction();
    void causeHandelThreadFunction();

private:
    void parseJson();
    void takeRecommendedApps(const ConfigDocuments::Content &content);
    void takeReasons(const ConfigDocuments::Content &content);
    void takeReasonTexts(const ConfigDocuments::Content &content);
    void requestDocument(const QString &address, ConfigDocuments::Kind kind);
    // Sends a bounded GET whose answer goes to handler, queued.
    void request(const QString &address,
                 qint64 maxBytes,
                 void (UrlHandler::*handler)(BoundedReply *));
    // Each document's answer; the one for the recommended apps goes on to the pictures.
    void documentFinished(BoundedReply *reply);
    void downloadFinished(BoundedReply *reply);
    void startDownloads();
    void dropRefusedDownloads();
    bool storeDownload(const QByteArray &bytes);
    void finishDownloads();
    QNetworkAccessManager *manager();

    QNetworkAccessManager *m_networkManager = nullptr;
    QString m_language;
    QByteArray m_document;
    QList<DownloadItem> m_downloads;
    QString m_currentFileName;
    QString m_recommendAppUrl;
    QString m_uninstallChoseUrl;
    QString m_uninstallCauseUrl;
    QString m_version;
    bool m_uninstallCuaseCheck = false;
    QString m_users;
    QVector<QString> m_causeList;
    QVector<RecApp> m_recApps;
    QMap<QString, QString> m_uninstallCause;

    RequestPolicy m_requestPolicy;
    QNetworkProxy m_proxy;
    QString m_cacheDirectory;
    OutsidePicture::ShownSizes m_shown;
    int m_transferTimeoutMs = 0;
    int m_deadlineMs = 0;
    bool m_downloadsStored = true;
    // The one kind that the document in flight may be; anything else ends the chain.
    ConfigDocuments::Kind m_expectedKind = ConfigDocuments::Kind::Unknown;
};

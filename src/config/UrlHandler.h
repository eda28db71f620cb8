#pragma once

#include "config/ConfigDocuments.h"
#include "config/DownloadItem.h"
#include "config/OutsidePicture.h"
#include "config/RecApp.h"
#include "config/RequestPolicy.h"
#include "config/SurveyState.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QNetworkProxy>
#include <QObject>
#include <QVector>

class BoundedReply;
class QNetworkAccessManager;
struct RunContext;

/// Fetches, on a worker thread, the documents that the configuration names, one after the
/// other, and the offer images and icons, one at a time, into the image cache.
class UrlHandler : public QObject
{
    Q_OBJECT

public:
    // Runs in the main thread: takes the language and the cache folder of the run, the request
    // policy and the shared manager's proxy. Nothing is sent before recAppHandelThreadFunction.
    UrlHandler(const ConfigDocuments::Configuration &configuration,
               const RunContext &run,
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
    void takeContent(const ConfigDocuments::Content &content);
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
    ConfigDocuments::Configuration m_configuration;
    QList<DownloadItem> m_downloads;
    QString m_currentFileName;
    QVector<RecApp> m_recApps;
    SurveyState m_survey;

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

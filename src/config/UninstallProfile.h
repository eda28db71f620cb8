#pragma once

#include "config/ConfigDocuments.h"
#include "config/OutsidePicture.h"
#include "config/RecApp.h"
#include "config/RequestPolicy.h"
#include "config/SurveyState.h"
#include "host/RunContext.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class BoundedReply;
class QCryptographicHash;
class QNetworkAccessManager;
class QSaveFile;
class QThread;
class QTimer;
class UrlHandler;

/// Loads the remote configuration, falling back to the installed default documents.
class UninstallProfile : public QObject
{
    Q_OBJECT

public:
    // Sends the requests at once. shown: where the window shows the outside pictures, which are
    // cached at that size.
    UninstallProfile(const RunContext &run,
                     const OutsidePicture::ShownSizes &shown,
                     QObject *parent = nullptr);
    ~UninstallProfile() override;

    // Sets up the TLS library on a pool thread when the requests sent at construction will need
    // it, so that the window is built meanwhile instead of waiting for it.
    static void prepareTls(const RunContext &run);
    // Whatever has not arrived this long after construction (default 15000 ms) counts as
    // failed. Tests shorten it; a loader reads it when it is constructed.
    static void setLoadingDeadline(int milliseconds);

signals:
    void recAppEmit(QVector<RecApp> apps);
    void uninstallCauseEmit(bool uninstallCuaseCheck,
                            QVector<QString> causeKeys,
                            QMap<QString, QString> uninstallCause,
                            QString users);
    void downLoadResEmit();

public slots:
    void onReplaryFinished();
    void readConfigTimeout();

private:
    void loadingDeadlinePassed();
    void loadDefaultRes();
    void parseConfigJson();
    void parseDefaultJson();
    void startHandler(const ConfigDocuments::Configuration &configuration);
    void relayHandler();
    void emitSurvey();
    void downloadUpdater();
    void updaterReplyFinished(BoundedReply *reply);
    bool updaterProven(const BoundedReply &reply) const;

    QNetworkAccessManager *m_networkManager = nullptr;
    BoundedReply *m_pServiceReply = nullptr;
    QTimer *m_timeoutTimer = nullptr;
    QThread *m_workerThread = nullptr;
    QByteArray m_document;
    RunContext m_run;
    SurveyState m_survey;
    UrlHandler *m_handler = nullptr;

    RequestPolicy m_requestPolicy;
    OutsidePicture::ShownSizes m_shown;
    // "updateAppSha256" in lower case; empty when only the certificate can prove the updater.
    QString m_updaterSha256;
    std::unique_ptr<QSaveFile> m_updaterFile;
    std::unique_ptr<QCryptographicHash> m_updaterHash;
    bool m_reasonsSettled = false;
    bool m_resourcesGiven = false;
    bool m_loadingOver = false;
};

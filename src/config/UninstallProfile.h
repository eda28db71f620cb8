#pragma once

#include "ConfigDocuments.h"
#include "RecApp.h"
#include "RequestPolicy.h"

#include <QByteArray>
#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;
class QThread;
class QTimer;
class UrlHandler;

/// Loads the remote configuration, falling back to the installed default documents.
class UninstallProfile : public QObject
{
    Q_OBJECT

public:
    explicit UninstallProfile(QObject *parent = nullptr);
    ~UninstallProfile() override;

    // Where the downloaded updater program is stored, and started from by the upgrade offer.
    static QString updaterPath();
    // Sets up the TLS library on a pool thread when the requests sent at construction will need
    // it, so that the window is built meanwhile instead of waiting for it.
    static void prepareTls();

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
    void loadDefaultRes();
    void parseConfigJson();
    void parseDefaultJson();
    void startHandler(const ConfigDocuments::Configuration &configuration);
    void downloadUpdater();
    void updaterReplyFinished(QNetworkReply *reply);
    bool updaterMatchesChecksum(const QByteArray &program) const;
    static void saveUpdater(const QByteArray &program);

    QNetworkAccessManager *m_networkManager = nullptr;
    QNetworkReply *m_pServiceReply = nullptr;
    QTimer *m_timeoutTimer = nullptr;
    QThread *m_workerThread = nullptr;
    QByteArray m_document;
    QString m_language;
    bool m_uninstallCuaseCheck = false;
    QString m_users;
    QVector<QString> m_causeList;
    UrlHandler *m_handler = nullptr;

    RequestPolicy m_requestPolicy;
    // "updateAppSha256" in lower case; empty when the updater is stored unchecked.
    QString m_updaterSha256;
};

#pragma once

#include "RecApp.h"

#include <QByteArray>
#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;
class QThread;
class QTimer;

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
    void downloadUpdater();
    void updaterReplyFinished(QNetworkReply *reply);
    QNetworkReply *get(const QString &address);
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
};

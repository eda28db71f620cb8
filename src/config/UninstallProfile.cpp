#include "UninstallProfile.h"

#include "ConfigDocuments.h"
#include "Framework.h"
#include "LmProductInfo.h"
#include "LmResourceMgr.h"
#include "LmSettings.h"
#include "ProcessEnvironment.h"
#include "Utility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

namespace {

constexpr int configTimeoutMs = 3000;

// Qt sets up the TLS library for the first request that it does not send as plain HTTP, an empty
// address included: 10 to 15 ms of loading and cipher setup.
bool setsUpTls(const QString &address)
{
    return QUrl(address, QUrl::TolerantMode).scheme() != QLatin1String("http");
}

} // namespace

UninstallProfile::UninstallProfile(QObject *parent)
    : QObject(parent)
{
    registerConfigMetaTypes();
    m_timeoutTimer = new QTimer(this);
    m_timeoutTimer->setSingleShot(true);
    m_timeoutTimer->setInterval(configTimeoutMs);
    m_language = LmSettings::instance()->currentLanguage(
        LmProductInfo::instance()->defaultLanguage());
    m_networkManager = Framework::networkAccessManager();
    if (m_networkManager) {
        m_pServiceReply = get(
            LmProductInfo::instance()->extendParam(QStringLiteral("uninstallConfigURL"), QString()));
        connect(m_pServiceReply,
                &QNetworkReply::finished,
                this,
                &UninstallProfile::onReplaryFinished,
                Qt::QueuedConnection);
        downloadUpdater();
    }
    connect(m_timeoutTimer, &QTimer::timeout, this, &UninstallProfile::readConfigTimeout);
    m_timeoutTimer->start();
}

UninstallProfile::~UninstallProfile() = default;

QString UninstallProfile::updaterPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation)
           + QStringLiteral("/updater/") + LmProductInfo::instance()->productName(QString())
           + QString::fromStdString(platform::executableSuffix());
}

void UninstallProfile::prepareTls()
{
    const LmProductInfo *product = LmProductInfo::instance();
    const QString updater = product->extendParam(QStringLiteral("updateAppUrl"), QString());
    if (!setsUpTls(product->extendParam(QStringLiteral("uninstallConfigURL"), QString()))
        && (updater.isEmpty() || !setsUpTls(updater)))
        return;
    QThreadPool::globalInstance()->start([] { QSslConfiguration::defaultConfiguration(); });
}

void UninstallProfile::onReplaryFinished()
{
    // The time-out or an earlier completion has already decided; a late completion of the
    // aborted request must not bring the defaults a second time.
    if (!m_timeoutTimer->isActive())
        return;
    if (m_pServiceReply && sender() == m_pServiceReply
        && m_pServiceReply->error() == QNetworkReply::NoError) {
        m_timeoutTimer->stop();
        m_document = m_pServiceReply->readAll();
        parseConfigJson();
        m_pServiceReply->deleteLater();
        m_pServiceReply = nullptr;
        return;
    }
    if (!m_pServiceReply)
        Log("error", 1, QStringLiteral("m_pServiceReply is nullptr"));
    else if (sender() != m_pServiceReply)
        Log("error", 1, QStringLiteral("sender() != m_pServiceReply"));
    else
        Log("error", 1, QStringLiteral("NetworkError error:") + m_pServiceReply->errorString());
    Log("debug", 1, QStringLiteral("load default res!"));
    QTimer::singleShot(1, this, &UninstallProfile::loadDefaultRes);
}

void UninstallProfile::readConfigTimeout()
{
    if (m_pServiceReply) {
        m_pServiceReply->abort();
        m_pServiceReply->deleteLater();
        m_pServiceReply = nullptr;
    }
    Log("debug", 1, QStringLiteral("readuninstallConfig faild!"));
    loadDefaultRes();
}

void UninstallProfile::loadDefaultRes()
{
    m_timeoutTimer->stop();
    m_causeList.clear();
    const QString directory = LmResourceMgr::instance()->productResourceRoot()
                              + QStringLiteral("/uninstallConfig");
    const QString names[] = {QStringLiteral("/recommendApp.json"),
                             QStringLiteral("/uninstallChose.json"),
                             QStringLiteral("/uninstallCause.json")};
    for (const QString &name : names) {
        QFile file(directory + name);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            Log("error",
                1,
                QStringLiteral("Failed to open DefaultJsonFile file(") + name
                    + QStringLiteral("): ") + file.errorString());
            continue;
        }
        m_document = file.readAll();
        parseDefaultJson();
    }
    emit downLoadResEmit();
}

void UninstallProfile::parseConfigJson()
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(m_document, &error);
    if (document.isNull())
        Log("error", 1, ConfigDocuments::parseErrorLine(error));
    // Without the remote documents every configuration, valid or not, ends in the defaults.
    loadDefaultRes();
}

void UninstallProfile::parseDefaultJson()
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(m_document, &error);
    if (document.isNull()) {
        Log("error", 1, ConfigDocuments::parseErrorLine(error));
        return;
    }
    const QJsonObject object = document.object();
    switch (ConfigDocuments::kind(object)) {
    case ConfigDocuments::Kind::RecommendedApps:
        emit recAppEmit(ConfigDocuments::recommendedApps(object, m_language));
        break;
    case ConfigDocuments::Kind::Reasons:
        m_uninstallCuaseCheck = ConfigDocuments::singleChoice(object);
        m_users = ConfigDocuments::users(object);
        m_causeList += ConfigDocuments::causeKeys(object, m_language);
        break;
    case ConfigDocuments::Kind::ReasonTexts:
        emit uninstallCauseEmit(m_uninstallCuaseCheck,
                                m_causeList,
                                ConfigDocuments::causeTextsFor(
                                    ConfigDocuments::causeTexts(object, m_language), m_causeList),
                                m_users);
        break;
    case ConfigDocuments::Kind::Unknown:
        break;
    }
}

void UninstallProfile::downloadUpdater()
{
    const QString address = LmProductInfo::instance()->extendParam(QStringLiteral("updateAppUrl"),
                                                                   QString());
    if (address.isEmpty())
        return;
    QNetworkReply *reply = get(address);
    connect(
        reply,
        &QNetworkReply::finished,
        this,
        [this, reply] { updaterReplyFinished(reply); },
        Qt::QueuedConnection);
}

void UninstallProfile::updaterReplyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply->error() == QNetworkReply::NoError) {
        saveUpdater(reply->readAll());
    } else if (sender() != reply) {
        Log("error", 1, QStringLiteral("sender() != reply"));
    } else {
        Log("error", 1, QStringLiteral("NetworkError error:") + reply->errorString());
    }
}

QNetworkReply *UninstallProfile::get(const QString &address)
{
    QNetworkReply *reply = m_networkManager->get(QNetworkRequest(QUrl(address, QUrl::TolerantMode)));
    // Certificate errors must not fail any request of the wizard.
    reply->ignoreSslErrors();
    return reply;
}

void UninstallProfile::saveUpdater(const QByteArray &program)
{
    const QString path = updaterPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(program);
    if (!file.commit())
        return;
    // The upgrade offer starts this file; the exe bits mean nothing on Windows.
    QFile::setPermissions(path,
                          QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser
                              | QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

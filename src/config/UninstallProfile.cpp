#include "UninstallProfile.h"

#include "ConfigDocuments.h"
#include "Framework.h"
#include "LmProductInfo.h"
#include "LmResourceMgr.h"
#include "LmSettings.h"
#include "ProcessEnvironment.h"
#include "UrlHandler.h"
#include "Utility.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QThread>
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
    m_requestPolicy = RequestPolicy::fromProduct();
    m_networkManager = Framework::networkAccessManager();
    if (m_networkManager) {
        const QString key = QStringLiteral("uninstallConfigURL");
        m_pServiceReply = m_requestPolicy.get(m_networkManager,
                                              LmProductInfo::instance()->extendParam(key,
                                                                                     QString()));
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

UninstallProfile::~UninstallProfile()
{
    // The handler is deleted in its own thread when the thread finishes.
    if (m_workerThread) {
        m_workerThread->quit();
        m_workerThread->wait();
        delete m_workerThread;
    }
}

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
    const std::optional<ConfigDocuments::Configuration> configuration
        = ConfigDocuments::readConfiguration(m_document, m_language);
    if (!configuration) {
        loadDefaultRes();
        return;
    }
    startHandler(*configuration);
}

void UninstallProfile::startHandler(const ConfigDocuments::Configuration &configuration)
{
    m_workerThread = new QThread;
    m_handler = new UrlHandler(configuration.version,
                               configuration.downloads,
                               configuration.recommendAppUrl,
                               configuration.uninstallChoseUrl,
                               configuration.uninstallCauseUrl);
    m_handler->moveToThread(m_workerThread);
    connect(m_workerThread,
            &QThread::started,
            m_handler,
            &UrlHandler::recAppHandelThreadFunction,
            Qt::QueuedConnection);
    connect(m_workerThread, &QThread::finished, m_handler, &QObject::deleteLater);
    // Queued to this one object, the relays reach the window in the order the handler emitted.
    connect(
        m_handler,
        &UrlHandler::downLoadResEmit,
        this,
        [this] { emit downLoadResEmit(); },
        Qt::QueuedConnection);
    connect(
        m_handler,
        &UrlHandler::LoadResError,
        this,
        [this] { loadDefaultRes(); },
        Qt::QueuedConnection);
    connect(
        m_handler,
        &UrlHandler::recAppEmit,
        this,
        [this](const QVector<RecApp> &apps) { emit recAppEmit(apps); },
        Qt::QueuedConnection);
    connect(
        m_handler,
        &UrlHandler::uninstallCauseEmit,
        this,
        [this](bool check,
               const QVector<QString> &keys,
               const QMap<QString, QString> &texts,
               const QString &users) { emit uninstallCauseEmit(check, keys, texts, users); },
        Qt::QueuedConnection);
    m_workerThread->start(QThread::InheritPriority);
}

void UninstallProfile::parseDefaultJson()
{
    const std::optional<ConfigDocuments::Content> content = ConfigDocuments::readContent(m_document,
                                                                                         m_language);
    if (!content)
        return;
    switch (content->kind) {
    case ConfigDocuments::Kind::RecommendedApps:
        emit recAppEmit(content->apps);
        break;
    case ConfigDocuments::Kind::Reasons:
        m_uninstallCuaseCheck = content->singleChoice;
        m_users = content->users;
        m_causeList += content->causeKeys;
        break;
    case ConfigDocuments::Kind::ReasonTexts:
        emit uninstallCauseEmit(m_uninstallCuaseCheck,
                                m_causeList,
                                ConfigDocuments::causeTextsFor(content->causeTexts, m_causeList),
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
    m_updaterSha256 = LmProductInfo::instance()
                          ->extendParam(QStringLiteral("updateAppSha256"), QString())
                          .trimmed()
                          .toLower();
    QNetworkReply *reply = m_requestPolicy.get(m_networkManager, address);
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
        const QByteArray program = reply->readAll();
        if (updaterMatchesChecksum(program))
            saveUpdater(program);
    } else if (sender() != reply) {
        Log("error", 1, QStringLiteral("sender() != reply"));
    } else {
        Log("error", 1, QStringLiteral("NetworkError error:") + reply->errorString());
    }
}

bool UninstallProfile::updaterMatchesChecksum(const QByteArray &program) const
{
    if (m_updaterSha256.isEmpty())
        return true;
    const QString actual = QString::fromLatin1(
        QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex());
    if (actual == m_updaterSha256)
        return true;
    Log("error", 1, QStringLiteral("updater SHA-256 mismatch, discarded:") + actual);
    return false;
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

#include "config/UninstallProfile.h"

#include "config/BoundedReply.h"
#include "config/ConfigDocuments.h"
#include "config/OutsidePicture.h"
#include "config/UrlHandler.h"
#include "host/Framework.h"
#include "host/LmProductInfo.h"
#include "host/LmSettings.h"
#include "host/Utility.h"
#include "platform/ProcessEnvironment.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QSaveFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

namespace {

constexpr int configTimeoutMs = 3000;
constexpr int idleTimeoutMs = 10000;
constexpr qint64 updaterBytes = qint64(1) << 30;

int loadingDeadlineMs = 15000;

// Qt sets up the TLS library for the first request that it does not send as plain HTTP, an empty
// address included: 10 to 15 ms of loading and cipher setup.
bool setsUpTls(const QString &address)
{
    return QUrl(address, QUrl::TolerantMode).scheme() != QLatin1String("http");
}

} // namespace

UninstallProfile::UninstallProfile(const RunContext &run,
                                   const OutsidePicture::ShownSizes &shown,
                                   QObject *parent)
    : QObject(parent)
    , m_run(run)
    , m_shown(shown)
{
    registerConfigMetaTypes();
    m_timeoutTimer = new QTimer(this);
    m_timeoutTimer->setSingleShot(true);
    m_timeoutTimer->setInterval(configTimeoutMs);
    m_requestPolicy = RequestPolicy::fromProduct();
    // Pictures cached by an earlier run are decoded later only if their size is within bounds
    // and no larger than shown; the version of those dropped is fetched again.
    if (OutsidePicture::sweep(m_run.cacheDirectory, m_shown))
        LmSettings::instance()->setApplicationParam(QStringLiteral("uninstall_version"),
                                                    QVariant(QString()));
    connect(this, &UninstallProfile::uninstallCauseEmit, this, [this] { m_reasonsSettled = true; });
    connect(this, &UninstallProfile::downLoadResEmit, this, [this] { m_resourcesGiven = true; });
    m_networkManager = Framework::networkAccessManager();
    if (m_networkManager) {
        m_pServiceReply = BoundedReply::get(m_networkManager,
                                            m_run.configUrl,
                                            {idleTimeoutMs, 0, BoundedReply::documentBytes},
                                            m_requestPolicy);
        m_pServiceReply->setParent(this);
        connect(m_pServiceReply,
                &BoundedReply::finished,
                this,
                &UninstallProfile::onReplaryFinished,
                Qt::QueuedConnection);
        downloadUpdater();
    }
    connect(m_timeoutTimer, &QTimer::timeout, this, &UninstallProfile::readConfigTimeout);
    m_timeoutTimer->start();
    QTimer::singleShot(loadingDeadlineMs, this, &UninstallProfile::loadingDeadlinePassed);
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

void UninstallProfile::setLoadingDeadline(int milliseconds)
{
    loadingDeadlineMs = milliseconds;
}

void UninstallProfile::prepareTls(const RunContext &run)
{
    if (!setsUpTls(run.configUrl) && (run.updaterUrl.isEmpty() || !setsUpTls(run.updaterUrl)))
        return;
    QThreadPool::globalInstance()->start([] { QSslConfiguration::defaultConfiguration(); });
}

void UninstallProfile::onReplaryFinished()
{
    // The time-out or an earlier completion has already decided; a late completion of the
    // aborted request must not bring the defaults a second time.
    if (!m_timeoutTimer->isActive())
        return;
    if (m_pServiceReply && sender() == m_pServiceReply && m_pServiceReply->succeeded()) {
        m_timeoutTimer->stop();
        m_document = m_pServiceReply->body();
        parseConfigJson();
        m_document.clear();
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
        m_pServiceReply->disconnect(this);
        m_pServiceReply->fail(QStringLiteral("timed out"));
        m_pServiceReply->deleteLater();
        m_pServiceReply = nullptr;
    }
    Log("debug", 1, QStringLiteral("readuninstallConfig faild!"));
    loadDefaultRes();
}

void UninstallProfile::loadingDeadlinePassed()
{
    if (m_timeoutTimer->isActive()) {
        readConfigTimeout();
    } else if (!m_reasonsSettled) {
        Log("error", 1, QStringLiteral("remote documents not complete in time, load default res!"));
        loadDefaultRes();
    } else if (!m_resourcesGiven) {
        Log("error", 1, QStringLiteral("pictures not complete in time, go on without them"));
        emit downLoadResEmit();
    }
    // From now on only pictures and the recommended apps may still change.
    m_loadingOver = true;
}

void UninstallProfile::loadDefaultRes()
{
    m_timeoutTimer->stop();
    m_reasonsSettled = true;
    m_survey = SurveyState();
    const QString directory = m_run.resourceRoot + QStringLiteral("/uninstallConfig");
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
        = ConfigDocuments::readConfiguration(m_document, m_run.language);
    if (!configuration) {
        loadDefaultRes();
        return;
    }
    startHandler(*configuration);
}

void UninstallProfile::startHandler(const ConfigDocuments::Configuration &configuration)
{
    m_workerThread = new QThread;
    m_handler = new UrlHandler(configuration, m_run, m_shown);
    m_handler->moveToThread(m_workerThread);
    connect(m_workerThread,
            &QThread::started,
            m_handler,
            &UrlHandler::recAppHandelThreadFunction,
            Qt::QueuedConnection);
    connect(m_workerThread, &QThread::finished, m_handler, &QObject::deleteLater);
    relayHandler();
    m_workerThread->start(QThread::InheritPriority);
}

void UninstallProfile::relayHandler()
{
    // Queued to this one object, the relays reach the window in the order the handler emitted.
    const auto queued = Qt::QueuedConnection;
    connect(
        m_handler, &UrlHandler::downLoadResEmit, this, [this] { emit downLoadResEmit(); }, queued);
    connect(
        m_handler,
        &UrlHandler::LoadResError,
        this,
        [this] {
            if (!m_loadingOver)
                loadDefaultRes();
        },
        queued);
    connect(
        m_handler,
        &UrlHandler::recAppEmit,
        this,
        [this](const QVector<RecApp> &apps) { emit recAppEmit(apps); },
        queued);
    connect(
        m_handler,
        &UrlHandler::uninstallCauseEmit,
        this,
        [this](bool check,
               const QVector<QString> &keys,
               const QMap<QString, QString> &texts,
               const QString &users) {
            if (m_loadingOver)
                return;
            m_survey = SurveyState{check, keys, texts, users};
            emitSurvey();
        },
        queued);
}

void UninstallProfile::parseDefaultJson()
{
    const std::optional<ConfigDocuments::Content> content
        = ConfigDocuments::readContent(m_document, m_run.language);
    if (!content)
        return;
    if (content->kind == ConfigDocuments::Kind::RecommendedApps)
        emit recAppEmit(content->apps);
    else if (m_survey.take(*content, SurveyState::Texts::OfListedReasons))
        emitSurvey();
}

void UninstallProfile::emitSurvey()
{
    emit uninstallCauseEmit(m_survey.singleChoice, m_survey.keys, m_survey.texts, m_survey.users);
}

void UninstallProfile::downloadUpdater()
{
    // Only a program this run has proven is offered: one left by an earlier run never is.
    const QString path = m_run.updaterFile;
    QFile::remove(path);
    const QString &address = m_run.updaterUrl;
    if (address.isEmpty())
        return;
    const LmProductInfo *product = LmProductInfo::instance();
    m_updaterSha256
        = product->extendParam(QStringLiteral("updateAppSha256"), QString()).trimmed().toLower();
    bool numeric = false;
    qint64 maxBytes = product->extendParam(QStringLiteral("updateAppMaxBytes"), QString())
                          .trimmed()
                          .toLongLong(&numeric);
    if (!numeric || maxBytes <= 0)
        maxBytes = updaterBytes;
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_updaterFile = std::make_unique<QSaveFile>(path);
    if (!m_updaterFile->open(QIODevice::WriteOnly)) {
        Log("error", 1, QStringLiteral("updater not stored:") + m_updaterFile->errorString());
        m_updaterFile.reset();
        return;
    }
    m_updaterHash = std::make_unique<QCryptographicHash>(QCryptographicHash::Sha256);
    // A program that will be run is never taken past a certificate error, checksum or not.
    BoundedReply *reply = BoundedReply::get(m_networkManager,
                                            address,
                                            {idleTimeoutMs, 0, maxBytes},
                                            m_requestPolicy.strict(),
                                            [this](const QByteArray &piece) {
                                                m_updaterHash->addData(piece);
                                                return m_updaterFile->write(piece) == piece.size();
                                            });
    reply->setParent(this);
    connect(
        reply,
        &BoundedReply::finished,
        this,
        [this, reply] { updaterReplyFinished(reply); },
        Qt::QueuedConnection);
}

void UninstallProfile::updaterReplyFinished(BoundedReply *reply)
{
    reply->deleteLater();
    const std::unique_ptr<QSaveFile> file = std::move(m_updaterFile);
    if (!reply->succeeded()) {
        Log("error", 1, QStringLiteral("NetworkError error:") + reply->errorString());
        file->cancelWriting();
        return;
    }
    if (!updaterProven(*reply) || !file->commit()) {
        file->cancelWriting();
        return;
    }
    // The upgrade offer starts this file; the exe bits mean nothing on Windows.
    const QString path = file->fileName();
    QFile::setPermissions(path,
                          QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser
                              | QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

bool UninstallProfile::updaterProven(const BoundedReply &reply) const
{
    if (!m_updaterSha256.isEmpty()) {
        const QString actual = QString::fromLatin1(m_updaterHash->result().toHex());
        if (actual == m_updaterSha256)
            return true;
        Log("error", 1, QStringLiteral("updater SHA-256 mismatch, discarded:") + actual);
        return false;
    }
    // Checked here too: a connection kept from a request whose certificate errors were ignored
    // may have carried it.
    const QUrl from = reply.url();
    if (from.scheme() == QLatin1String("https") && !reply.peerCertificateChain().isEmpty()
        && QSslCertificate::verify(reply.peerCertificateChain(), from.host()).isEmpty())
        return true;
    Log("error",
        1,
        QStringLiteral("updater neither over https nor matching \"updateAppSha256\", discarded"));
    return false;
}

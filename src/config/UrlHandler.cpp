#include "config/UrlHandler.h"

#include "config/BoundedReply.h"
#include "config/OutsidePicture.h"
#include "host/Framework.h"
#include "host/LmSettings.h"
#include "host/RunContext.h"
#include "host/Utility.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QSaveFile>

namespace {

int transferTimeoutMs = 10000;
int deadlineMs = 10000;

const QString versionKey = QStringLiteral("uninstall_version");

void logFailure(BoundedReply *reply)
{
    Log("error", 1, QStringLiteral("NetworkError error:") + reply->errorString());
    reply->deleteLater();
    Log("debug", 1, QStringLiteral("load default res!"));
}

} // namespace

UrlHandler::UrlHandler(const ConfigDocuments::Configuration &configuration,
                       const RunContext &run,
                       const OutsidePicture::ShownSizes &shown)
    : m_language(run.language)
    , m_configuration(configuration)
    , m_downloads(configuration.downloads)
    , m_requestPolicy(RequestPolicy::fromProduct())
    , m_cacheDirectory(run.cacheDirectory)
    , m_shown(shown)
    , m_transferTimeoutMs(transferTimeoutMs)
    , m_deadlineMs(deadlineMs)
{
    if (const QNetworkAccessManager *shared = Framework::networkAccessManager())
        m_proxy = shared->proxy();
}

UrlHandler::~UrlHandler() = default;

void UrlHandler::setTransferTimeout(int milliseconds)
{
    transferTimeoutMs = milliseconds;
}

void UrlHandler::setDeadline(int milliseconds)
{
    deadlineMs = milliseconds;
}

QNetworkAccessManager *UrlHandler::manager()
{
    // Made on first use, in the worker thread, so that it belongs to that thread.
    if (!m_networkManager) {
        m_networkManager = new QNetworkAccessManager(this);
        m_networkManager->setProxy(m_proxy);
    }
    return m_networkManager;
}

void UrlHandler::requestDocument(const QString &address, ConfigDocuments::Kind kind)
{
    m_expectedKind = kind;
    request(address, BoundedReply::documentBytes, &UrlHandler::documentFinished);
}

void UrlHandler::request(const QString &address,
                         qint64 maxBytes,
                         void (UrlHandler::*handler)(BoundedReply *))
{
    BoundedReply *reply = BoundedReply::get(manager(),
                                            address,
                                            {m_transferTimeoutMs, m_deadlineMs, maxBytes},
                                            m_requestPolicy);
    reply->setParent(this);
    connect(
        reply,
        &BoundedReply::finished,
        this,
        [this, reply, handler] { (this->*handler)(reply); },
        Qt::QueuedConnection);
}

void UrlHandler::recAppHandelThreadFunction()
{
    requestDocument(m_configuration.recommendAppUrl, ConfigDocuments::Kind::RecommendedApps);
}

void UrlHandler::choseHandelThreadFunction()
{
    requestDocument(m_configuration.uninstallChoseUrl, ConfigDocuments::Kind::Reasons);
}

void UrlHandler::causeHandelThreadFunction()
{
    requestDocument(m_configuration.uninstallCauseUrl, ConfigDocuments::Kind::ReasonTexts);
}

void UrlHandler::documentFinished(BoundedReply *reply)
{
    if (!reply->succeeded()) {
        logFailure(reply);
        emit LoadResError();
        return;
    }
    // The pictures follow the recommended apps, whether or not their document parses.
    const bool apps = m_expectedKind == ConfigDocuments::Kind::RecommendedApps;
    Log("debug",
        1,
        apps ? QStringLiteral("start parse recJson!") : QStringLiteral("start parse json!"));
    m_document = reply->body();
    parseJson();
    m_document.clear();
    reply->deleteLater();
    if (!apps)
        return;
    const QString stored
        = LmSettings::instance()->applicationParam(versionKey, QVariant(QString())).toString();
    if (!stored.isEmpty() && stored == m_configuration.version) {
        emit downLoadResEmit();
        return;
    }
    startDownloads();
}

void UrlHandler::parseJson()
{
    const std::optional<ConfigDocuments::Content> content = ConfigDocuments::readContent(m_document,
                                                                                         m_language);
    if (!content) {
        emit LoadResError();
        return;
    }
    // A document answers only the step that asked for it, so no address can restart the chain.
    if (content->kind == m_expectedKind)
        takeContent(*content);
    Log("debug", 1, QStringLiteral("start parse Json ending!"));
}

void UrlHandler::takeContent(const ConfigDocuments::Content &content)
{
    switch (content.kind) {
    case ConfigDocuments::Kind::RecommendedApps:
        m_downloads += content.icons;
        m_recApps += content.apps;
        emit recAppEmit(m_recApps);
        choseHandelThreadFunction();
        break;
    case ConfigDocuments::Kind::Reasons:
        m_survey.take(content, SurveyState::Texts::All);
        Log("debug", 1, QStringLiteral("start parse uninstallChose Json!"));
        causeHandelThreadFunction();
        break;
    case ConfigDocuments::Kind::ReasonTexts:
        Log("debug", 1, QStringLiteral("start parse uninstallCause Json!"));
        m_survey.take(content, SurveyState::Texts::All);
        emit uninstallCauseEmit(m_survey.singleChoice,
                                m_survey.keys,
                                m_survey.texts,
                                m_survey.users);
        break;
    case ConfigDocuments::Kind::Unknown:
        break;
    }
}

void UrlHandler::startDownloads()
{
    dropRefusedDownloads();
    if (m_downloads.isEmpty())
        finishDownloads();
    else
        imageDownload();
}

void UrlHandler::dropRefusedDownloads()
{
    while (!m_downloads.isEmpty() && !ConfigDocuments::isPlainFileName(m_downloads.first().fileName))
        Log("error",
            1,
            QStringLiteral("refused download file name:\"") + m_downloads.takeFirst().fileName
                + QLatin1Char('"'));
}

void UrlHandler::imageDownload()
{
    dropRefusedDownloads();
    if (m_downloads.isEmpty())
        return;
    const DownloadItem item = m_downloads.takeFirst();
    m_currentFileName = item.fileName;
    request(item.url.toString(), BoundedReply::imageBytes, &UrlHandler::downloadFinished);
}

void UrlHandler::downloadFinished(BoundedReply *reply)
{
    // Decoded here at the size it is shown at, so that the window never decodes it larger.
    const QByteArray picture = reply->succeeded() ? OutsidePicture::fitted(reply->body(),
                                                                           m_currentFileName,
                                                                           m_shown)
                                                  : QByteArray();
    if (!picture.isEmpty()) {
        m_downloadsStored = storeDownload(picture) && m_downloadsStored;
        reply->deleteLater();
        Log("debug", 1, QStringLiteral("start imageDownload!"));
    } else if (reply->succeeded()) {
        Log("error",
            1,
            QStringLiteral("download is no picture within bounds, not stored:") + m_currentFileName);
        reply->deleteLater();
        m_downloadsStored = false;
    } else {
        logFailure(reply);
        m_downloadsStored = false;
    }
    dropRefusedDownloads();
    if (m_downloads.isEmpty()) {
        finishDownloads();
        return;
    }
    imageDownload();
}

void UrlHandler::finishDownloads()
{
    // A version whose pictures were not all stored is fetched again at the next run.
    if (m_downloadsStored)
        LmSettings::instance()->setApplicationParam(versionKey, QVariant(m_configuration.version));
    Log("debug", 1, QStringLiteral("downLoadResEmit"));
    emit downLoadResEmit();
}

bool UrlHandler::storeDownload(const QByteArray &bytes)
{
    QDir().mkpath(m_cacheDirectory);
    // Written aside and renamed, so a failed write keeps the copy of an earlier run.
    QSaveFile file(m_cacheDirectory + m_currentFileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

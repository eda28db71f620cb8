#include "ConfigService.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString languages[] = {QStringLiteral("en"), QStringLiteral("de")};

QString kitFile(const QString &relativePath)
{
    return TestEnvironment::sourceDir() + QStringLiteral("/kit/resources/uninstallConfig/")
           + relativePath;
}

QStringList kitIcons()
{
    return QDir(kitFile(QStringLiteral("recAppIcon")))
        .entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

QString iconName(int index)
{
    return QStringLiteral("bench-app-%1.png").arg(index + 1);
}

} // namespace

ConfigService::ConfigService()
{
    m_server.setResponse(QStringLiteral("/config.json"),
                         HttpTestServer::answer(200, configuration()));
    m_server.setResponse(QStringLiteral("/recommendApp.json"),
                         HttpTestServer::answer(200, recommendedApps()));
    serveFile(QStringLiteral("/uninstallChose.json"),
              QStringLiteral("uninstallChose.json"),
              "application/json");
    serveFile(QStringLiteral("/uninstallCause.json"),
              QStringLiteral("uninstallCause.json"),
              "application/json");
    for (const QString &language : languages) {
        serveFile(QStringLiteral("/banner_pic_%1.png").arg(language),
                  QStringLiteral("banner_pic/%1.png").arg(language),
                  "image/png");
        serveFile(QStringLiteral("/promotion_pic_%1.png").arg(language),
                  QStringLiteral("promotion_pic/%1.png").arg(language),
                  "image/png");
    }
    // The kit has fewer icons than a full carousel; they are served again under other names.
    const QStringList icons = kitIcons();
    for (int i = 0; i < iconCount && !icons.isEmpty(); ++i)
        serveFile(QStringLiteral("/icons/") + iconName(i),
                  QStringLiteral("recAppIcon/") + icons.at(i % icons.size()),
                  "image/png");
}

QString ConfigService::configUrl() const
{
    return m_server.url(QStringLiteral("/config.json")).toString();
}

void ConfigService::serveFile(const QString &path,
                              const QString &file,
                              const QByteArray &contentType)
{
    QFile source(kitFile(file));
    const QByteArray body = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    m_server.setResponse(path, HttpTestServer::answer(200, body, contentType));
}

QByteArray ConfigService::configuration() const
{
    const auto address = [this](const QString &path) { return m_server.url(path).toString(); };
    const QJsonObject configuration{
        {QStringLiteral("version"), QStringLiteral("bench-1")},
        {QStringLiteral("banner_pic"), address(QStringLiteral("/banner_pic_"))},
        {QStringLiteral("promotion_pic"), address(QStringLiteral("/promotion_pic_"))},
        {QStringLiteral("recommendApp"), address(QStringLiteral("/recommendApp.json"))},
        {QStringLiteral("uninstallChose"), address(QStringLiteral("/uninstallChose.json"))},
        {QStringLiteral("uninstallCause"), address(QStringLiteral("/uninstallCause.json"))},
    };
    return QJsonDocument(configuration).toJson(QJsonDocument::Compact);
}

QByteArray ConfigService::recommendedApps() const
{
    QJsonObject byLanguage;
    for (const QString &language : languages) {
        QJsonArray apps;
        for (int i = 0; i < iconCount; ++i)
            apps.append(QJsonObject{
                {QStringLiteral("icon"), iconName(i)},
                {QStringLiteral("name"), QStringLiteral("App %1").arg(i + 1)},
                {QStringLiteral("url"), QStringLiteral("https://apps.example.com/%1").arg(i + 1)},
                {QStringLiteral("pic_url"),
                 m_server.url(QStringLiteral("/icons/") + iconName(i)).toString()},
            });
        byLanguage.insert(language, apps);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("recommendApp"), byLanguage}})
        .toJson(QJsonDocument::Compact);
}

#pragma once

#include "HttpTestServer.h"

/// A local configuration service as a product runs it: the configuration document, the three
/// content documents, the two offer images and eight application icons.
class ConfigService
{
public:
    static constexpr int iconCount = 8;
    // The configuration, three documents, two images and the icons.
    static constexpr int requestsPerRun = 1 + 3 + 2 + iconCount;

    ConfigService();

    QString configUrl() const;
    QString url(const QString &path) const { return m_server.url(path).toString(); }
    // Answers path this way instead (the paths: "/config.json", "/recommendApp.json",
    // "/banner_pic_en.png" and the like).
    void setResponse(const QString &path, const HttpTestServer::Response &response)
    {
        m_server.setResponse(path, response);
    }
    int requestCount() const { return m_server.requests().size(); }

private:
    void serveFile(const QString &path, const QString &file, const QByteArray &contentType);
    QByteArray configuration() const;
    QByteArray recommendedApps() const;

    HttpTestServer m_server;
};

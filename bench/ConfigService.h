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
    int requestCount() const { return m_server.requests().size(); }

private:
    void serveFile(const QString &path, const QString &file, const QByteArray &contentType);
    QByteArray configuration() const;
    QByteArray recommendedApps() const;

    HttpTestServer m_server;
};

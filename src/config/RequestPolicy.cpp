#include "RequestPolicy.h"

#include "LmProductInfo.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

RequestPolicy RequestPolicy::fromProduct()
{
    RequestPolicy policy;
    policy.m_strictTls = LmProductInfo::instance()
                             ->extendParam(QStringLiteral("uninstallStrictTls"), QString())
                             .trimmed()
                         == QLatin1String("1");
    return policy;
}

QNetworkReply *RequestPolicy::get(QNetworkAccessManager *manager,
                                  const QString &address,
                                  int transferTimeoutMs) const
{
    QNetworkRequest request(QUrl(address, QUrl::TolerantMode));
    if (transferTimeoutMs > 0)
        request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply *reply = manager->get(request);
    apply(reply);
    return reply;
}

void RequestPolicy::apply(QNetworkReply *reply) const
{
    if (!m_strictTls)
        reply->ignoreSslErrors();
}

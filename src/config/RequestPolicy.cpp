#include "config/RequestPolicy.h"

#include "host/LmProductInfo.h"

#include <QNetworkReply>

RequestPolicy RequestPolicy::fromProduct()
{
    RequestPolicy policy;
    policy.m_strictTls = LmProductInfo::instance()
                             ->extendParam(QStringLiteral("uninstallStrictTls"), QString())
                             .trimmed()
                         != QLatin1String("0");
    return policy;
}

RequestPolicy RequestPolicy::strict() const
{
    RequestPolicy policy = *this;
    policy.m_strictTls = true;
    return policy;
}

void RequestPolicy::apply(QNetworkReply *reply) const
{
    if (!m_strictTls)
        reply->ignoreSslErrors();
}

#include "wizard/FeedbackReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject member(const QString &key, const QJsonValue &value)
{
    return QJsonObject{{key, value}};
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

QString FeedbackReport::transactionId(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("MMddyyyyhhmmss"));
}

QByteArray FeedbackReport::first(const Product &product,
                                 const QString &userId,
                                 const QDateTime &moment,
                                 const Answers &answers)
{
    QJsonObject report{
        {QStringLiteral("tid"), transactionId(moment)},
        {QStringLiteral("userId"), userId},
        {QStringLiteral("language"), product.language},
        {QStringLiteral("time"), moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))},
        {QStringLiteral("productName"), product.productName},
        {QStringLiteral("brand"), product.brand},
        {QStringLiteral("productId"), product.productId},
        {QStringLiteral("productVersion"), product.productVersion},
    };
    QJsonArray causes;
    QJsonArray lines;
    for (const Reason &reason : answers.reasons) {
        causes.append(member(reason.key, reason.checked));
        if (!reason.checked)
            continue;
        if (reason.key == QLatin1String("q4"))
            lines.append(member(reason.key, answers.featureLine));
        else if (reason.key == QLatin1String("q15"))
            lines.append(member(reason.key, answers.priceLine));
    }
    causes.append(answers.causeText);
    report.insert(QStringLiteral("uninstallCause"), causes);
    if (!lines.isEmpty())
        report.insert(QStringLiteral("uninstallLineEdit"), lines);
    return compact(report);
}

QByteArray FeedbackReport::second(const QString &tid, const QString &userId, const QString &email)
{
    return compact(QJsonObject{{QStringLiteral("tid"), tid},
                               {QStringLiteral("userId"), userId},
                               {QStringLiteral("userEmail"), email}});
}

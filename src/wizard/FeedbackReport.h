// The bodies of the two feedback reports.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

/// Builds the report bodies as compact JSON with members sorted by key: the first report when
/// the uninstall starts, the second, tied to it by the transaction id, when the wizard closes.
class FeedbackReport
{
public:
    struct Product
    {
        QString brand;
        QString language;
        QString productId;
        QString productName;
        QString productVersion;
    };

    struct Reason
    {
        QString key; // the check box's object name
        bool checked = false;
    };

    struct Answers
    {
        QVector<Reason> reasons; // in check-box order
        QString featureLine;     // answer line of the reason "q4"
        QString priceLine;       // answer line of the reason "q15"
        QString causeText;
    };

    static QString transactionId(const QDateTime &moment);
    static QByteArray first(const Product &product,
                            const QString &userId,
                            const QDateTime &moment,
                            const Answers &answers);
    static QByteArray second(const QString &tid, const QString &userId, const QString &email);
};

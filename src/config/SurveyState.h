#pragma once

#include "config/ConfigDocuments.h"

#include <QMap>
#include <QString>
#include <QVector>

/// The reason survey's settings as the reasons and then the reason texts documents give them,
/// installed or downloaded alike: what uninstallCauseEmit carries, in its argument order.
struct SurveyState
{
    // The installed defaults give the texts of their listed reasons only, an empty text for a
    // reason without one; the downloaded copies give every text of their document.
    enum class Texts { OfListedReasons, All };

    // "uninstallCuaseCheck": at most one reason can be chosen.
    bool singleChoice = false;
    QVector<QString> keys;
    QMap<QString, QString> texts;
    QString users;

    // Takes what a reasons or reason texts document adds; returns whether it was the reason
    // texts, after which the survey is complete.
    bool take(const ConfigDocuments::Content &content, Texts rule);
};

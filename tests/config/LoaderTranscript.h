// Records the signals of a configuration loader as readable lines, in arrival order.
#pragma once

#include "config/UninstallProfile.h"

#include <QObject>
#include <QStringList>

class LoaderTranscript : public QObject
{
public:
    explicit LoaderTranscript(UninstallProfile *loader)
    {
        connect(loader, &UninstallProfile::recAppEmit, this, [this](const QVector<RecApp> &apps) {
            QStringList texts;
            for (const RecApp &app : apps)
                texts << app.icon + QLatin1Char('|') + app.name + QLatin1Char('|') + app.url;
            lines << QStringLiteral("recAppEmit ") + texts.join(QStringLiteral(", "));
        });
        connect(loader,
                &UninstallProfile::uninstallCauseEmit,
                this,
                [this](bool check,
                       const QVector<QString> &keys,
                       const QMap<QString, QString> &texts,
                       const QString &users) {
                    QStringList pairs;
                    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
                        pairs << it.key() + QLatin1Char(':') + it.value();
                    lines << QStringLiteral("uninstallCauseEmit check=%1 users=%2 keys=%3 texts=%4")
                                 .arg(check ? QStringLiteral("true") : QStringLiteral("false"),
                                      users,
                                      QStringList(keys.toList()).join(QLatin1Char(',')),
                                      pairs.join(QLatin1Char(',')));
                });
        connect(loader, &UninstallProfile::downLoadResEmit, this, [this] {
            lines << QStringLiteral("downLoadResEmit");
        });
    }

    QStringList lines;
};

// The configuration and report services of scripts/screenshots: prints its port and, on a second
// line, the SHA-256 of the updater it serves at /updater; holds every configuration request
// without an answer (the wizard gives up, keeping its loading page up a while) and accepts every
// report, for LIFETIME seconds (the argument, 300 without one).
#include "WholeRun.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    ProductService service;
    service.setResponse(QStringLiteral("/config"), HttpTestServer::neverAnswer());
    const QByteArray updater = "#!/bin/sh\nexit 0\n";
    service.setResponse(QStringLiteral("/updater"), HttpTestServer::answer(200, updater));
    std::printf("%d\n%s\n",
                service.url(QString()).port(),
                QCryptographicHash::hash(updater, QCryptographicHash::Sha256).toHex().constData());
    std::fflush(stdout);
    const int lifetime = argc > 1 ? QByteArray(argv[1]).toInt() : 300;
    QTimer::singleShot(lifetime * 1000, &application, &QCoreApplication::quit);
    return application.exec();
}

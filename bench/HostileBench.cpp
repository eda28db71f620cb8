#include "HostileBench.h"

#include "BenchRun.h"
#include "ConfigService.h"
#include "platform/ProcessEnvironment.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int timeoutMs = 90000;
constexpr qint64 gib = qint64(1) << 30;

const QMap<QString, QString> offerShownThenCancelled{
    {QStringLiteral("SHOWN"), QStringLiteral("purchasePage")},
    {QStringLiteral("THEN"), QStringLiteral("btnCancel_1")},
};

struct Target
{
    QString name;
    QString path;
};

QByteArray manyApps(const ConfigService &service)
{
    // Short entries, so that the document stays under the 1 MiB cap and is taken; every icon
    // request then waits for its deadline.
    QJsonArray apps;
    for (int i = 0; i < 20000; ++i)
        apps.append(QJsonObject{{QStringLiteral("icon"), QString::number(i % 10)},
                                {QStringLiteral("pic_url"), service.url(QStringLiteral("/n"))}});
    const QJsonObject languages{{QStringLiteral("en"), apps}};
    return QJsonDocument(QJsonObject{{QStringLiteral("recommendApp"), languages}})
        .toJson(QJsonDocument::Compact);
}

HttpTestServer::Response behaviour(const QString &name,
                                   const ConfigService &service,
                                   const QString &path)
{
    if (name == QLatin1String("never answers"))
        return HttpTestServer::neverAnswer();
    if (name == QLatin1String("trickle, 1 byte per 5 s"))
        return HttpTestServer::trickle(5000);
    if (name == QLatin1String("endless body"))
        return HttpTestServer::endless();
    if (name == QLatin1String("2 GB length lie")) {
        HttpTestServer::Response response = HttpTestServer::answer(200, QByteArray(1024, '{'));
        response.declaredLength = 2 * gib;
        return response;
    }
    if (name == QLatin1String("1 GB complete body"))
        return HttpTestServer::endless(gib);
    if (name == QLatin1String("20,000 apps"))
        return HttpTestServer::answer(200, manyApps(service));
    if (name == QLatin1String("redirect loop"))
        return HttpTestServer::redirect(QUrl(service.url(path)));
    return HttpTestServer::answer(200, QByteArray(100000, '[') + QByteArray(100000, ']'));
}

// The largest picture still decoded: 4096 x 4096 pixels in some 50 KB of PNG.
QByteArray largestPicture()
{
    QImage image(4096, 4096, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (int y = 0; y < image.height(); y += 64)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xffffffff);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

QByteArray appsWithIcons(const ConfigService &service, int count)
{
    QJsonArray apps;
    for (int i = 0; i < count; ++i)
        apps.append(QJsonObject{{QStringLiteral("icon"), QStringLiteral("large-%1.png").arg(i)},
                                {QStringLiteral("name"), QStringLiteral("App %1").arg(i)},
                                {QStringLiteral("pic_url"), service.url(QStringLiteral("/large"))}});
    const QJsonObject languages{{QStringLiteral("en"), apps}};
    return QJsonDocument(QJsonObject{{QStringLiteral("recommendApp"), languages}})
        .toJson(QJsonDocument::Compact);
}

HostileBench::Row measuredRun(BenchRun &run, const QString &behaviour, const QString &target)
{
    HostileBench::Row row;
    row.behaviour = behaviour;
    row.target = target;
    const ChildRun::Result result = run.runHost({QStringLiteral("-start_uninstall")}, timeoutMs);
    const QMap<QString, qint64> values = run.probeValues();
    if (BenchRun::hostResult(result) != 0 || !values.contains(QStringLiteral("shown")))
        row.failure = QStringLiteral("no discount offer, or no end after the cancel: ")
                      + QString::fromLocal8Bit(result.output.right(200));
    else
        row.leftS = double(values.value(QStringLiteral("shown")) - result.spawnNs) / 1e9;
    row.peakMb = double(values.value(QStringLiteral("peakKb"))) / 1024.0;
    return row;
}

// What the loopback server sends for a body of that length.
QString sha256OfServed(qint64 length)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QByteArray piece(1 << 16, 'x');
    for (qint64 left = length; left > 0; left -= piece.size())
        hash.addData(piece.constData(), int(qMin<qint64>(left, piece.size())));
    return QString::fromLatin1(hash.result().toHex());
}

HostileBench::Row measureUpdater()
{
    HostileBench::Row row;
    row.behaviour = QStringLiteral("1 GB at full speed");
    row.target = QStringLiteral("updater");
    ConfigService service;
    service.setResponse(QStringLiteral("/updater"), HttpTestServer::endless(gib));
    BenchRun run;
    // With its checksum the updater is kept over http, so the run can wait for the stored file.
    run.installation().layOut(
        {{QStringLiteral("uninstallConfigURL"), service.configUrl()},
         {QStringLiteral("updateAppUrl"), service.url(QStringLiteral("/updater"))},
         {QStringLiteral("updateAppSha256"), sha256OfServed(gib)}});
    const QString updater = run.installation().dataDir() + QStringLiteral("/updater/Demo Suite")
                            + QString::fromStdString(platform::executableSuffix());
    run.setAutopilot(QStringLiteral("page:1;file:") + updater
                     + QStringLiteral(";click:btnCancel_1"));
    run.setProbe({});
    const ChildRun::Result result = run.runHost({QStringLiteral("-start_uninstall")}, timeoutMs);
    if (BenchRun::hostResult(result) != 0 || QFileInfo(updater).size() != gib)
        row.failure = QStringLiteral("no updater of 1 GiB stored, or no end after the cancel: ")
                      + QString::fromLocal8Bit(result.output.right(200));
    else
        row.storedS = double(result.endNs - result.spawnNs) / 1e9;
    row.peakMb = double(run.probeValues().value(QStringLiteral("peakKb"))) / 1024.0;
    return row;
}

} // namespace

QVector<HostileBench::Row> HostileBench::measureLargestPictures()
{
    ConfigService service;
    const HttpTestServer::Response picture = HttpTestServer::answer(200,
                                                                    largestPicture(),
                                                                    "image/png");
    service.setResponse(QStringLiteral("/banner_pic_en.png"), picture);
    service.setResponse(QStringLiteral("/promotion_pic_en.png"), picture);
    service.setResponse(QStringLiteral("/large"), picture);
    service.setResponse(QStringLiteral("/recommendApp.json"),
                        HttpTestServer::answer(200, appsWithIcons(service, 64)));
    BenchRun run;
    run.installation().layOut({{QStringLiteral("uninstallConfigURL"), service.configUrl()}});
    run.setProbe(offerShownThenCancelled);
    const QString behaviour = QStringLiteral("4096 x 4096 pictures");
    const Row downloaded = measuredRun(run,
                                       behaviour,
                                       QStringLiteral("banner, promotion, 64 icons"));
    // A user who stays on the first page until the last icon is stored, so that the next start
    // finds them all in the cache.
    run.setProbe({{QStringLiteral("SHOWN"), QStringLiteral("no such widget")}});
    run.setAutopilot(
        QStringLiteral("file:%1/uninstallRes/large-63.png;sleep:1000;click:btnCancel_1")
            .arg(run.installation().dataDir()));
    run.runHost({QStringLiteral("-start_uninstall")}, timeoutMs);
    run.setAutopilot(QString());
    run.setProbe(offerShownThenCancelled);
    Row fromCache = measuredRun(run, behaviour, QStringLiteral("the same from the cache"));
    fromCache.peakTargetMb = 60.0;
    return {downloaded, fromCache};
}

QVector<HostileBench::Row> HostileBench::measure()
{
    const QStringList behaviours{QStringLiteral("never answers"),
                                 QStringLiteral("trickle, 1 byte per 5 s"),
                                 QStringLiteral("endless body"),
                                 QStringLiteral("2 GB length lie"),
                                 QStringLiteral("1 GB complete body"),
                                 QStringLiteral("20,000 apps"),
                                 QStringLiteral("redirect loop"),
                                 QStringLiteral("deep nesting")};
    const Target targets[] = {{QStringLiteral("configuration"), QStringLiteral("/config.json")},
                              {QStringLiteral("apps document"),
                               QStringLiteral("/recommendApp.json")},
                              {QStringLiteral("banner"), QStringLiteral("/banner_pic_en.png")}};
    QVector<Row> rows;
    for (const QString &name : behaviours) {
        for (const Target &target : targets) {
            // A list of apps is a document's answer only.
            if (name == QLatin1String("20,000 apps")
                && target.name != QLatin1String("apps document"))
                continue;
            ConfigService service;
            service.setResponse(QStringLiteral("/n"), HttpTestServer::neverAnswer());
            service.setResponse(target.path, behaviour(name, service, target.path));
            BenchRun run;
            run.installation().layOut({{QStringLiteral("uninstallConfigURL"), service.configUrl()}});
            run.setProbe(offerShownThenCancelled);
            rows << measuredRun(run, name, target.name);
        }
    }
    rows << measureUpdater();
    return rows + measureLargestPictures();
}

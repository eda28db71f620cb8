#include "StartupBench.h"

#include "BenchRun.h"
#include "ConfigService.h"

namespace {

constexpr int timeoutMs = 30000;

const QMap<QString, QString> offerShownThenCancelled{
    {QStringLiteral("SHOWN"), QStringLiteral("purchasePage")},
    {QStringLiteral("THEN"), QStringLiteral("btnCancel_1")},
};

} // namespace

StartupBench::Figures StartupBench::measure(int runs)
{
    Figures figures;
    const Side sides[] = {Side::Floor, Side::Defaults, Side::Service};
    // Rounds of one run per side, each round starting with another side, so that a drift of the
    // machine's load spreads over all sides.
    for (int round = 0; round < runs && figures.failure.isEmpty(); ++round) {
        for (int i = 0; i < 3 && figures.failure.isEmpty(); ++i) {
            const Side side = sides[(round + i) % 3];
            const double ms = measureOnce(side, figures);
            if (side == Side::Floor)
                figures.floorMs << ms;
            else if (side == Side::Defaults)
                figures.defaultsMs << ms;
            else
                figures.serviceMs << ms;
        }
    }
    return figures;
}

double StartupBench::measureOnce(Side side, Figures &figures)
{
    BenchRun run;
    ChildRun::Result result;
    if (side == Side::Floor) {
        run.setProbe({{QStringLiteral("SHOWN"), QStringLiteral("floorWindow")}});
        result = run.runFloor(timeoutMs);
        if (!result.exited || result.exitCode != 0)
            figures.failure = QStringLiteral("floor program failed: ")
                              + QString::fromLocal8Bit(result.errors);
    } else {
        ConfigService service;
        QMap<QString, QString> extend;
        if (side == Side::Service)
            extend.insert(QStringLiteral("uninstallConfigURL"), service.configUrl());
        run.installation().layOut(extend);
        run.setProbe(offerShownThenCancelled);
        result = run.runHost({QStringLiteral("-start_uninstall")}, timeoutMs);
        if (side == Side::Service)
            figures.serviceRequests = service.requestCount();
        if (BenchRun::hostResult(result) != 0)
            figures.failure = QStringLiteral("wizard did not end after the cancel: ")
                              + QString::fromLocal8Bit(result.output + result.errors);
    }
    const qint64 shown = run.probeValues().value(QStringLiteral("shown"), 0);
    if (shown == 0 && figures.failure.isEmpty())
        figures.failure = QStringLiteral("the probe saw nothing shown");
    return double(shown - result.spawnNs) / 1e6;
}

#include "WholeRunBench.h"

#include "BenchRun.h"
#include "ConfigService.h"
#include "FileTree.h"

namespace {

constexpr int timeoutMs = 120000;

const QString throughToTheEnd = QStringLiteral(
    "page:1;click:btnContinue_1;reason:2;click:btnContinue_2;page:3;"
    "wait:btnComplete;type:emailEdit=someone@example.com;click:btnComplete");

QString failureOf(const ChildRun::Result &result)
{
    if (!result.exited)
        return QStringLiteral("whole run did not end within %1 s").arg(timeoutMs / 1000);
    return QStringLiteral("whole run did not complete: ")
           + QString::fromLocal8Bit(result.output + result.errors);
}

double peakMb(const BenchRun &run)
{
    return double(run.probeValues().value(QStringLiteral("peakKb"))) / 1024.0;
}

double floorPeakMb(bool networkAndText, WholeRunBench::Memory &memory)
{
    BenchRun floor;
    floor.setProbe({{QStringLiteral("SHOWN"), QStringLiteral("floorWindow")}});
    const ChildRun::Result result = networkAndText ? floor.runNetworkAndTextFloor(timeoutMs)
                                                   : floor.runFloor(timeoutMs);
    const double peak = peakMb(floor);
    if (!result.exited || result.exitCode != 0 || peak <= 0.0)
        memory.failure = QStringLiteral("the floor program failed or reported no peak");
    return peak;
}

} // namespace

WholeRunBench::Memory WholeRunBench::measureMemory(int runs)
{
    Memory memory;
    for (int i = 0; i < runs && memory.failure.isEmpty(); ++i) {
        for (int j = 0; j < floorRunsPerWholeRun; ++j) {
            memory.floorMb << floorPeakMb(false, memory);
            memory.networkAndTextMb << floorPeakMb(true, memory);
        }

        ConfigService configService;
        ProductService reportService;
        BenchRun run;
        run.installation().layOut({{QStringLiteral("uninstallConfigURL"), configService.configUrl()},
                                   {QStringLiteral("uninstallReportUrl"),
                                    reportService.url(QStringLiteral("/report")).toString()}});
        run.setAutopilot(throughToTheEnd);
        run.setProbe({});
        const ChildRun::Result result = run.runHost({QStringLiteral("-start_uninstall")}, timeoutMs);
        if (BenchRun::hostResult(result) != 512)
            memory.failure = failureOf(result);
        memory.wholeRunMb << peakMb(run);
        if (memory.wholeRunMb.last() <= 0.0 && memory.failure.isEmpty())
            memory.failure = QStringLiteral("the probe reported no peak of the whole run");
    }
    return memory;
}

WholeRunBench::Delay WholeRunBench::measureDelay(int runs)
{
    Delay delay;
    for (int i = 0; i < runs && delay.failure.isEmpty(); ++i) {
        ProductService reportService;
        BenchRun run;
        run.installation().layOut({{QStringLiteral("uninstallReportUrl"),
                                    reportService.url(QStringLiteral("/report")).toString()}});
        if (!FileTree::create(run.installation().installDir())) {
            delay.failure = QStringLiteral("cannot write the installed tree");
            break;
        }
        run.setAutopilot(throughToTheEnd);
        run.setProbe({{QStringLiteral("WHILE"), QStringLiteral("progressBar")}});
        const ChildRun::Result result = run.runHost({QStringLiteral("-start_uninstall")}, timeoutMs);
        const QMap<QString, qint64> values = run.probeValues();
        if (BenchRun::hostResult(result) != 512)
            delay.failure = failureOf(result);
        else if (!values.contains(QStringLiteral("worstDelayUs")))
            delay.failure = QStringLiteral("the probe never saw the progress bar");
        delay.worstMs << double(values.value(QStringLiteral("worstDelayUs"))) / 1000.0;
        delay.arrivals << double(values.value(QStringLiteral("arrivals")));
    }
    return delay;
}

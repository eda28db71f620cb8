// Measures the wizard against floor programs and prints each figure as a ratio, side by side.
#include "ConfigService.h"
#include "FileTree.h"
#include "HostileBench.h"
#include "RemovalBench.h"
#include "StartupBench.h"
#include "Statistics.h"
#include "TestEnvironment.h"
#include "WholeRunBench.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

bool allMet = true;
bool anyFailed = false;

void heading(const QString &text)
{
    std::printf("\n%s\n", qPrintable(text));
}

void line(const QString &label, const QString &value, const QString &comparison = QString())
{
    std::printf("  %-44s %12s   %s\n", qPrintable(label), qPrintable(value), qPrintable(comparison));
}

QString verdict(double ratio, double target, bool strictlyBelow = false)
{
    const bool met = strictlyBelow ? ratio < target : ratio <= target;
    allMet = allMet && met;
    return met ? QStringLiteral("met") : QStringLiteral("MISSED");
}

bool failed(const QString &failure)
{
    if (failure.isEmpty())
        return false;
    anyFailed = true;
    std::printf("  FAILED: %s\n", qPrintable(failure));
    return true;
}

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

void startup(int runs)
{
    heading(
        QStringLiteral("Start to the discount offer on screen (median of %1 runs each)").arg(runs));
    const StartupBench::Figures figures = StartupBench::measure(runs);
    if (failed(figures.failure))
        return;
    const double floor = median(figures.floorMs);
    const double defaults = median(figures.defaultsMs);
    const double service = median(figures.serviceMs);
    line(QStringLiteral("floor: bare 857x533 window on screen"), number(floor, 1) + " ms");
    line(QStringLiteral("wizard, installed defaults"),
         number(defaults, 1) + " ms",
         QStringLiteral("%1x floor, target 3x: %2")
             .arg(number(defaults / floor, 2), verdict(defaults / floor, 3.0)));
    line(QStringLiteral("wizard, local configuration service"),
         number(service, 1) + " ms",
         QStringLiteral("%1x floor, target 4x: %2")
             .arg(number(service / floor, 2), verdict(service / floor, 4.0)));
    std::printf("  (the service answered %d of the %d requests of a full resource chain)\n",
                figures.serviceRequests,
                ConfigService::requestsPerRun);
}

void removal(int rounds)
{
    for (const int files : {FileTree::files, 5 * FileTree::files}) {
        heading(QStringLiteral("Removal of %1 files in %2 folders (median of %3 rounds)")
                    .arg(files)
                    .arg(FileTree::folders)
                    .arg(rounds));
        const RemovalBench::Figures figures = RemovalBench::measure(rounds, files);
        if (failed(figures.failure))
            return;
        const double ratio = median(figures.ratio);
        line(QStringLiteral("rm -rf"), number(median(figures.rmS), 3) + " s");
        line(QStringLiteral("deletion worker (%1 progress values)").arg(figures.progressValues),
             number(median(figures.workerS), 3) + " s",
             QStringLiteral("%1x rm -rf, target 1.5x: %2")
                 .arg(number(ratio, 3), verdict(ratio, 1.5)));
    }
}

void memory(int runs)
{
    heading(QStringLiteral("Peak memory of a whole run (median of %1 whole runs, %2 floor runs)")
                .arg(runs)
                .arg(runs * WholeRunBench::floorRunsPerWholeRun));
    const WholeRunBench::Memory figures = WholeRunBench::measureMemory(runs);
    if (failed(figures.failure))
        return;
    const double floor = median(figures.floorMb);
    const double whole = median(figures.wholeRunMb);
    line(QStringLiteral("floor: bare window, shown and closed"), number(floor, 1) + " MB");
    const double networkAndText = median(figures.networkAndTextMb);
    line(QStringLiteral("floor with a network manager and a text line"),
         number(networkAndText, 1) + " MB",
         QStringLiteral("%1x floor").arg(number(networkAndText / floor, 2)));
    line(QStringLiteral("whole run, typical uninstall"),
         number(whole, 1) + " MB",
         QStringLiteral("%1x floor, target 1.6x: %2")
             .arg(number(whole / floor, 2), verdict(whole / floor, 1.6)));
}

void delay(int runs)
{
    heading(QStringLiteral("GUI thread while the removal's progress arrives (median of %1 whole "
                           "runs)")
                .arg(runs));
    const WholeRunBench::Delay figures = WholeRunBench::measureDelay(runs);
    if (failed(figures.failure))
        return;
    const double worst = median(figures.worstMs);
    line(QStringLiteral("worst event-loop delay (%1 values arrived)")
             .arg(number(median(figures.arrivals), 0)),
         number(worst, 1) + " ms",
         QStringLiteral("target under 50 ms: %1").arg(verdict(worst, 50.0, true)));
}

void hostile(bool onlyPictures)
{
    heading(QStringLiteral("Against a hostile configuration service (one run per line)"));
    bool met = true;
    const QVector<HostileBench::Row> rows = onlyPictures ? HostileBench::measureLargestPictures()
                                                         : HostileBench::measure();
    for (const HostileBench::Row &row : rows) {
        const QString label = row.behaviour + QStringLiteral(", ") + row.target;
        if (!row.failure.isEmpty()) {
            failed(label + QStringLiteral(": ") + row.failure);
            continue;
        }
        if (row.storedS >= 0) {
            const bool rowMet = row.peakMb < 100.0;
            met = met && rowMet;
            line(label,
                 number(row.storedS, 1) + " s",
                 QStringLiteral("to store it, %1 MB peak; target 100 MB: %2")
                     .arg(number(row.peakMb, 1),
                          rowMet ? QStringLiteral("met") : QStringLiteral("MISSED")));
            continue;
        }
        // Timed from the spawn, which comes up to half a second before the window first shows.
        const bool rowMet = row.leftS <= 15.5 && row.peakMb < row.peakTargetMb;
        met = met && rowMet;
        line(label,
             number(row.leftS, 1) + " s",
             QStringLiteral("%1 MB peak; targets 15 s after the show, %2 MB: %3")
                 .arg(number(row.peakMb, 1),
                      number(row.peakTargetMb, 0),
                      rowMet ? QStringLiteral("met") : QStringLiteral("MISSED")));
    }
    allMet = allMet && met;
}

} // namespace

int main(int argc, char **argv)
{
    // Settings, data and log of this process go to a throw-away home, never the user's.
    TestEnvironment environment;
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Benchmarks of the uninstall wizard."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("Runs per side of the start benchmark."),
                                        QStringLiteral("n"),
                                        QStringLiteral("10"));
    const QCommandLineOption
        repeatOption(QStringLiteral("repeat"),
                     QStringLiteral("Rounds of the removal, memory and delay benchmarks."),
                     QStringLiteral("n"),
                     QStringLiteral("3"));
    const QCommandLineOption
        onlyOption(QStringLiteral("only"),
                   QStringLiteral(
                       "Comma-separated subset of start, removal, memory, delay, "
                       "hostile, pictures (the hostile service's largest pictures only; neither "
                       "is run unless named)."),
                   QStringLiteral("names"),
                   QStringLiteral("start,removal,memory,delay"));
    parser.addOptions({runsOption, repeatOption, onlyOption});
    parser.process(application);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const int repeat = qMax(1, parser.value(repeatOption).toInt());
    const QStringList only = parser.value(onlyOption).split(QLatin1Char(','));

    std::printf("Uninstall wizard against its floors (QT_QPA_PLATFORM=offscreen on both sides)\n");
    if (only.contains(QStringLiteral("start")))
        startup(runs);
    if (only.contains(QStringLiteral("removal")))
        removal(repeat);
    if (only.contains(QStringLiteral("memory")))
        memory(repeat);
    if (only.contains(QStringLiteral("delay")))
        delay(repeat);
    if (only.contains(QStringLiteral("hostile")))
        hostile(false);
    else if (only.contains(QStringLiteral("pictures")))
        hostile(true);
    std::fflush(stdout);
    return anyFailed ? 2 : (allMet ? 0 : 1);
}

#include "bench/Report.h"

#include "bench/Stats.h"

#include <QGuiApplication>
#include <QtVersion>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace Report {

namespace {

constexpr double startupRatioTarget = 1.15;
constexpr double frameMs = 16.0;
constexpr double callTargetNs = 1000.0;

bool failedRun(const ChildRun &run)
{
    return !run.ok;
}

const char *verdict(bool met)
{
    return met ? "met" : "**missed**";
}

QList<double> collect(const QList<ChildRun> &runs, const std::function<double(const ChildRun &)> &field)
{
    QList<double> values;
    for (const ChildRun &run : runs) {
        if (run.ok)
            values << field(run);
    }
    return values;
}

void printRatioRows(const char *what, const char *unit, const Summary &program, const Summary &bare)
{
    const double ratio = program.median / bare.median;
    std::printf("| %s, program | %.1f %s | %.1f %s | | |\n", what, program.median, unit, program.p90,
                unit);
    std::printf("| %s, bare window | %.1f %s | %.1f %s | | |\n", what, bare.median, unit, bare.p90,
                unit);
    std::printf("| %s, program / bare | %.2fx | %.2fx | <= %.2fx | %s |\n", what, ratio,
                program.p90 / bare.p90, startupRatioTarget, verdict(ratio <= startupRatioTarget));
}

void printPhaseRow(const char *phase, const StartupRuns &runs,
                   const std::function<double(const ChildRun &)> &field)
{
    std::printf("| %s | %.1f ms | %.1f ms |\n", phase, summarize(collect(runs.program, field)).median,
                summarize(collect(runs.bare, field)).median);
}

void printPhases(const StartupRuns &runs)
{
    std::printf("\nStart-up phases (median, ms from launch) and memory at the paint (median):\n\n");
    std::printf("| Phase | program | bare window |\n|---|---:|---:|\n");
    printPhaseRow("main() entered", runs, [](const ChildRun &r) { return r.mainMs; });
    printPhaseRow("QApplication made", runs, [](const ChildRun &r) { return r.applicationMs; });
    printPhaseRow("window shown", runs, [](const ChildRun &r) { return r.shownMs; });
    printPhaseRow("window painted", runs, [](const ChildRun &r) { return r.paintedMs; });
    const auto mb = [](const QList<ChildRun> &list, qint64 ChildRun::*field) {
        return summarize(collect(list, [field](const ChildRun &r) { return double(r.*field); }))
                       .median
                / 1024.0;
    };
    std::printf("| RssAnon | %.1f MB | %.1f MB |\n", mb(runs.program, &ChildRun::rssAnonKb),
                mb(runs.bare, &ChildRun::rssAnonKb));
    std::printf("| RssFile | %.1f MB | %.1f MB |\n", mb(runs.program, &ChildRun::rssFileKb),
                mb(runs.bare, &ChildRun::rssFileKb));
}

void printStepRow(const char *what, const QList<double> &samples, bool frameTarget)
{
    const Summary s = summarize(samples);
    if (frameTarget) {
        std::printf("| %s | %.2f ms | %.2f ms | first %.2f ms | < %.0f ms | %s |\n", what, s.median,
                    s.p90, s.first, frameMs, verdict(s.median < frameMs));
    } else {
        std::printf("| %s | %.3f ms | %.3f ms | first %.3f ms | | |\n", what, s.median, s.p90,
                    s.first);
    }
}

void printCallRow(const char *what, const QList<double> &samples, bool target)
{
    const Summary s = summarize(samples);
    std::printf("| %s | %.1f ns | %.1f ns | | %s | %s |\n", what, s.median, s.p90,
                target ? "< 1000 ns" : "", target ? verdict(s.median < callTargetNs) : "");
}

} // namespace

void printHeader(int startupRuns, int cycles, int calls)
{
    std::printf("Platform %s, Qt %s (built with %s); %d start-ups of each program, %d in-process "
                "cycles, %d calls per batch.\n\n",
                qPrintable(QGuiApplication::platformName()), qVersion(), QT_VERSION_STR,
                startupRuns, cycles, calls);
    std::printf("| Measure | median | p90 | other | target | verdict |\n"
                "|---|---:|---:|---:|---:|---|\n");
}

void printStartup(const StartupRuns &runs)
{
    const auto painted = [](const ChildRun &r) { return r.paintedMs; };
    const auto peak = [](const ChildRun &r) { return double(r.peakKb) / 1024.0; };
    printRatioRows("Start-up to painted", "ms", summarize(collect(runs.program, painted)),
                   summarize(collect(runs.bare, painted)));
    printRatioRows("Peak resident (VmHWM)", "MB", summarize(collect(runs.program, peak)),
                   summarize(collect(runs.bare, peak)));
}

void printInProcess(const InProcessRuns &runs)
{
    std::printf("| First main window, in process | %.2f ms | | | | |\n", runs.firstMainWindowMs);
    printStepRow("Find, to result painted", runs.findMs, true);
    printStepRow("Open report, to painted", runs.reportMs, true);
    printStepRow("Back, to main painted", runs.backMs, true);
    printStepRow("Save a reading (write .zod)", runs.saveMs, false);
    printStepRow("Open a reading (read .zod)", runs.openMs, false);
}

void printMicro(const MicroRuns &runs)
{
    printCallRow("FindMoonSign per call", runs.findMoonSignNs, true);
    printCallRow("LookupMayanName per call", runs.lookupNs, true);
    printCallRow("  of which FillSignTables", runs.fillTablesNs, false);
}

void printStartupPhases(const StartupRuns &runs)
{
    const qsizetype failed = std::count_if(runs.program.begin(), runs.program.end(), failedRun)
            + std::count_if(runs.bare.begin(), runs.bare.end(), failedRun);
    printPhases(runs);
    const QSize window = runs.program.value(0).window;
    std::printf("\nWindow %dx%d (bare window %dx%d); %lld start-ups failed.\n", window.width(),
                window.height(), runs.bare.value(0).window.width(),
                runs.bare.value(0).window.height(), static_cast<long long>(failed));
}

} // namespace Report

#include "bench/Report.h"

#include "bench/Stats.h"

#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>

namespace Report {

namespace {

// Against the same window, the floor for this window: peak memory (instructions are counted by
// run-bench.sh under callgrind).
constexpr double memoryTarget = 1.10;
constexpr double frameMs = 16.0;
constexpr double callTargetNs = 1000.0;

using Field = std::function<double(const ChildRun &)>;

const char *verdict(bool met)
{
    return met ? "met" : "**missed**";
}

Summary summarizeField(const QList<ChildRun> &runs, const Field &field)
{
    QList<double> values;
    for (const ChildRun &run : runs) {
        if (run.ok)
            values << field(run);
    }
    return summarize(values);
}

void printValueRow(const char *what, const char *unit, const Summary &s)
{
    std::printf("| %s | %.1f %s | %.1f %s | | | |\n", what, s.median, unit, s.p90, unit);
}

void printRatioRow(const char *what, const Summary &over, const Summary &floor, double target)
{
    const double ratio = over.median / floor.median;
    std::printf("| %s | %.2fx | %.2fx | | ", what, ratio, over.p90 / floor.p90);
    if (target > 0)
        std::printf("<= %.2fx | %s |\n", target, verdict(ratio <= target));
    else
        std::printf("| |\n");
}

// Each program against the bare window with text and against the same window, where a target (a
// ratio above zero) applies to the latter.
void printComparison(const char *what, const char *unit, const StartupRuns &runs,
                     const Field &field, double target)
{
    const Summary program = summarizeField(runs.program, field);
    const Summary before = summarizeField(runs.before, field);
    const Summary bareText = summarizeField(runs.bareText, field);
    const Summary sameWindow = summarizeField(runs.sameWindow, field);
    std::printf("| **%s** | | | | | |\n", what);
    printValueRow("program", unit, program);
    if (before.count > 0)
        printValueRow("program before", unit, before);
    printValueRow("bare window", unit, summarizeField(runs.bare, field));
    printValueRow("bare window with text", unit, bareText);
    printValueRow("same window", unit, sameWindow);
    printRatioRow("program / bare window with text", program, bareText, 0);
    printRatioRow("program / same window", program, sameWindow, target);
    if (before.count > 0) {
        printRatioRow("before / bare window with text", before, bareText, 0);
        printRatioRow("before / same window", before, sameWindow, target);
    }
}

void printPhaseRow(const char *phase, const StartupRuns &runs, const Field &field)
{
    std::printf("| %s | %.1f |", phase, summarizeField(runs.program, field).median);
    if (!runs.before.isEmpty())
        std::printf(" %.1f |", summarizeField(runs.before, field).median);
    std::printf(" %.1f | %.1f | %.1f |\n", summarizeField(runs.bare, field).median,
                summarizeField(runs.bareText, field).median,
                summarizeField(runs.sameWindow, field).median);
}

// A step that timed out is recorded as a negative time: counted, and left out of the figures.
void printStepRow(const char *what, const QList<double> &samples, bool frameTarget)
{
    QList<double> done;
    std::copy_if(samples.begin(), samples.end(), std::back_inserter(done),
                 [](double ms) { return ms >= 0; });
    const Summary s = summarize(done);
    const auto failed = static_cast<long long>(samples.size() - done.size());
    std::printf("| %s | %.3f ms | %.3f ms | first %.3f ms%s | ", what, s.median, s.p90, s.first,
                failed ? ", some timed out" : "");
    if (frameTarget)
        std::printf("< %.0f ms | %s |\n", frameMs, verdict(s.median < frameMs && !failed));
    else
        std::printf("| |\n");
}

void printCallRow(const char *what, const QList<double> &samples, bool target)
{
    const Summary s = summarize(samples);
    std::printf("| %s | %.1f ns | %.1f ns | | %s | %s |\n", what, s.median, s.p90,
                target ? "< 1000 ns" : "", target ? verdict(s.median < callTargetNs) : "");
}

qsizetype failures(const QList<ChildRun> &runs)
{
    return std::count_if(runs.begin(), runs.end(), [](const ChildRun &run) { return !run.ok; });
}

} // namespace

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "unknown";
    const QList<QByteArray> fields = file.readAll().split(' ');
    return fields.mid(0, 3).join(' ');
}

void printHeader(const HeaderFacts &facts)
{
    std::printf("Platform %s, Qt %s (built with %s); %d start-ups of each program",
                qPrintable(QGuiApplication::platformName()), qVersion(), QT_VERSION_STR,
                facts.startupRuns);
    if (facts.cycles > 0)
        std::printf(", %d in-process cycles, %d calls per batch", facts.cycles, facts.calls);
    std::printf("; load average %s before the start-ups, %s after them.\n\n",
                facts.loadBefore.constData(), loadAverage().constData());
    std::printf("| Measure | median | p90 | other | target | verdict |\n"
                "|---|---:|---:|---:|---:|---|\n");
}

void printStartup(const StartupRuns &runs)
{
    printComparison(
            "Start-up, launch to main window painted", "ms", runs,
            [](const ChildRun &r) { return r.paintedMs; }, 0);
    printComparison(
            "Processor time to painted", "ms", runs, [](const ChildRun &r) { return r.cpuMs; }, 0);
    printComparison(
            "Peak resident memory (VmHWM)", "MB", runs,
            [](const ChildRun &r) { return double(r.peakKb) / 1024.0; }, memoryTarget);
}

void printInProcess(const InProcessRuns &runs)
{
    std::printf("| **In process** | | | | | |\n");
    std::printf("| First main window, to painted | %.2f ms | | | | |\n", runs.firstMainWindowMs);
    printStepRow("Find, to result window painted", runs.findMs, true);
    printStepRow("Open report window, to painted", runs.reportMs, true);
    printStepRow("Back, to fresh main window painted", runs.backMs, true);
    printStepRow("Save a reading (write .zod)", runs.saveMs, false);
    printStepRow("Open a reading (read .zod)", runs.openMs, false);
}

void printMicro(const MicroRuns &runs)
{
    std::printf("| **Per call** | | | | | |\n");
    printCallRow("Reading::of (the rule and the sign's row)", runs.readingNs, true);
    printCallRow("SignTable::signNamed", runs.lookupNs, true);
}

void printStartupPhases(const StartupRuns &runs)
{
    const bool before = !runs.before.isEmpty();
    std::printf("\nStart-up phases, median ms from launch, and memory at the paint, median MB:\n\n"
                "| Phase | program |%s bare window | bare window with text | same window |\n"
                "|---|---:|%s---:|---:|---:|\n",
                before ? " program before |" : "", before ? "---:|" : "");
    printPhaseRow("main() entered", runs, [](const ChildRun &r) { return r.mainMs; });
    printPhaseRow("QApplication made", runs, [](const ChildRun &r) { return r.applicationMs; });
    printPhaseRow("window shown", runs, [](const ChildRun &r) { return r.shownMs; });
    printPhaseRow("window painted", runs, [](const ChildRun &r) { return r.paintedMs; });
    printPhaseRow("RssAnon", runs, [](const ChildRun &r) { return double(r.rssAnonKb) / 1024.0; });
    printPhaseRow("RssFile", runs, [](const ChildRun &r) { return double(r.rssFileKb) / 1024.0; });
    const QSize window = runs.program.value(0).window;
    const QSize floor = runs.sameWindow.value(0).window;
    std::printf("\nWindow %dx%d, floors %dx%d; failed start-ups (program, before, bare, bare with "
                "text, same window): %lld, %lld, %lld, %lld, %lld.\n",
                window.width(), window.height(), floor.width(), floor.height(),
                static_cast<long long>(failures(runs.program)),
                static_cast<long long>(failures(runs.before)),
                static_cast<long long>(failures(runs.bare)),
                static_cast<long long>(failures(runs.bareText)),
                static_cast<long long>(failures(runs.sameWindow)));
}

} // namespace Report

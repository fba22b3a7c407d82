#pragma once

#include "bench/InProcessBench.h"
#include "bench/MicroBench.h"
#include "bench/StartupBench.h"

#include <QByteArray>

// The results as Markdown tables on standard output, each target with its verdict.
namespace Report {

// The first three fields of /proc/loadavg: how busy the machine was.
QByteArray loadAverage();

struct HeaderFacts
{
    int startupRuns = 0;
    // 0 when only start-up was timed.
    int cycles = 0;
    int calls = 0;
    QByteArray loadBefore;
};

void printHeader(const HeaderFacts &facts);
void printStartup(const StartupRuns &runs);
void printInProcess(const InProcessRuns &runs);
void printMicro(const MicroRuns &runs);
// The phases of start-up and the memory they leave, for finding where a slow start goes.
void printStartupPhases(const StartupRuns &runs);

} // namespace Report

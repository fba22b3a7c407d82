#pragma once

#include "bench/InProcessBench.h"
#include "bench/MicroBench.h"
#include "bench/StartupBench.h"

// The results as Markdown tables on standard output, each target with its verdict.
namespace Report {

void printHeader(int startupRuns, int cycles, int calls);
void printStartup(const StartupRuns &runs);
// The phases of start-up and the memory they leave, for finding where a slow start goes.
void printStartupPhases(const StartupRuns &runs);
void printInProcess(const InProcessRuns &runs);
void printMicro(const MicroRuns &runs);

} // namespace Report

#pragma once

#include <QList>

// Steps of a session timed inside one process, in milliseconds, one sample per cycle.
struct InProcessRuns
{
    double firstMainWindowMs = 0;
    QList<double> findMs;
    QList<double> reportMs;
    QList<double> backMs;
    QList<double> saveMs;
    QList<double> openMs;
    // Messages shown during the cycles: anything but 0 means a step went another way.
    int messages = 0;
};

// Runs cycles rounds of Find, opening the report and Back, each until its window is painted;
// then fileRuns saves and opens of a reading.
InProcessRuns runInProcessBench(int cycles, int fileRuns);

#pragma once

#include <QList>

// Nanoseconds per call, one sample per batch of calls.
struct MicroRuns
{
    // A reading made from a birth date: the rule and the sign's row.
    QList<double> readingNs;
    QList<double> lookupNs;
};

MicroRuns runMicroBench(int callsPerBatch, int batches);

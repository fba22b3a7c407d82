#pragma once

#include <QList>

// Nanoseconds per call, one sample per batch of calls.
struct MicroRuns
{
    QList<double> findMoonSignNs;
    QList<double> lookupNs;
    // The part of the lookup that refills the tables, timed alone to show where the lookup goes.
    QList<double> fillTablesNs;
};

MicroRuns runMicroBench(int callsPerBatch, int batches);

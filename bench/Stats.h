#pragma once

#include <QList>

// The first sample (usually the cold one) and the spread of all of them.
struct Summary
{
    int count = 0;
    double first = 0;
    double median = 0;
    double p90 = 0;
};

Summary summarize(const QList<double> &samples);

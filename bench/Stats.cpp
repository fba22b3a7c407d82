#include "bench/Stats.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest rank: the smallest sample with at least that share of samples at or below it.
double percentile(const QList<double> &sorted, double share)
{
    const auto rank = qsizetype(std::ceil(share * double(sorted.size())));
    return sorted.at(std::clamp<qsizetype>(rank - 1, 0, sorted.size() - 1));
}

} // namespace

Summary summarize(const QList<double> &samples)
{
    Summary summary;
    if (samples.isEmpty())
        return summary;
    QList<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    summary.count = int(samples.size());
    summary.first = samples.first();
    const qsizetype middle = sorted.size() / 2;
    summary.median = sorted.size() % 2 ? sorted.at(middle)
                                       : (sorted.at(middle - 1) + sorted.at(middle)) / 2;
    summary.p90 = percentile(sorted, 0.9);
    return summary;
}

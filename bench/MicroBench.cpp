#include "bench/MicroBench.h"

#include "sign/Reading.h"
#include "sign/SignTable.h"

#include <QElapsedTimer>
#include <QStringList>

namespace {

// Written after every call, so that no call can be dropped as having no effect.
volatile qsizetype sink = 0;

struct BirthDay
{
    QString month;
    int day;
};

QList<BirthDay> everyBirthDay()
{
    QList<BirthDay> days;
    for (const QString &month : SignTable::monthNames()) {
        for (int day = 1; day <= 31; ++day)
            days.append({month, day});
    }
    return days;
}

double timeReading(const QList<BirthDay> &days, int calls)
{
    const QString name = QStringLiteral("Ana");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i) {
        const BirthDay &day = days.at(i % days.size());
        sink = sink + Reading::of(name, day.month, day.day, 1990)->sign.mayanName.size();
    }
    return double(timer.nsecsElapsed()) / calls;
}

double timeLookup(const QStringList &names, int calls)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        sink = sink + SignTable::signNamed(names.at(i % names.size())).has_value();
    return double(timer.nsecsElapsed()) / calls;
}

QStringList lookedUpNames()
{
    QStringList names;
    for (const Sign &sign : SignTable::signs())
        names << sign.mayanName;
    // A name that is none of the thirteen costs a search of every row.
    names << QStringLiteral("Nobody");
    return names;
}

} // namespace

MicroRuns runMicroBench(int callsPerBatch, int batches)
{
    const QList<BirthDay> days = everyBirthDay();
    const QStringList names = lookedUpNames();
    MicroRuns runs;
    for (int batch = 0; batch < batches; ++batch) {
        runs.readingNs << timeReading(days, callsPerBatch);
        runs.lookupNs << timeLookup(names, callsPerBatch);
    }
    return runs;
}

#include "bench/MicroBench.h"

#include "sign/modMayanAnimalMoonSign.h"

#include <QElapsedTimer>
#include <QStringList>

using namespace modMayanAnimalMoonSign;

namespace {

// Written after every call, so that no call can be dropped as having no effect.
volatile qsizetype sink = 0;

struct BirthDay
{
    QString month;
    qint16 day;
};

QList<BirthDay> everyBirthDay()
{
    QList<BirthDay> days;
    for (const QString &month : monthNames()) {
        for (qint16 day = 1; day <= 31; ++day)
            days.append({month, day});
    }
    return days;
}

double timeFindMoonSign(const QList<BirthDay> &days, int calls)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i) {
        const BirthDay &day = days.at(i % days.size());
        BirthInput.strMonth = day.month;
        BirthInput.intDate = day.day;
        FindMoonSign();
        sink = sink + strMoonSign.size();
    }
    return double(timer.nsecsElapsed()) / calls;
}

double timeLookup(const QStringList &names, int calls)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        sink = sink + LookupMayanName(names.at(i % names.size())).value_or(-1);
    return double(timer.nsecsElapsed()) / calls;
}

double timeFillTables(int calls)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i) {
        FillSignTables();
        sink = sink + strCrystals[i % SignCount].size();
    }
    return double(timer.nsecsElapsed()) / calls;
}

QStringList lookedUpNames()
{
    FillSignTables();
    QStringList names(std::begin(strMayanNames), std::begin(strMayanNames) + SignCount);
    // A name that is none of the thirteen costs a search of every slot.
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
        runs.findMoonSignNs << timeFindMoonSign(days, callsPerBatch);
        runs.lookupNs << timeLookup(names, callsPerBatch);
        runs.fillTablesNs << timeFillTables(callsPerBatch);
    }
    return runs;
}

#pragma once

#include <QList>
#include <QSize>
#include <QString>

// One start of a child program, every time in milliseconds from just before the launch.
struct ChildRun
{
    bool ok = false;
    double mainMs = 0;
    double applicationMs = 0;
    double shownMs = 0;
    double paintedMs = 0;
    // Processor time the child had used by the paint.
    double cpuMs = 0;
    QSize window;
    qint64 peakKb = 0;
    qint64 rssAnonKb = 0;
    qint64 rssFileKb = 0;
    QString failure;
};

struct StartupRuns
{
    QList<ChildRun> program;
    QList<ChildRun> bare;
    // The bare window with one line of text: what fonts alone add to the floor.
    QList<ChildRun> bareText;
};

// Starts the start-up probe, the bare window and the bare window with text in turn, runs times
// each after one unrecorded start of all three, each child with a fresh home, configuration and
// runtime folder.
StartupRuns runStartupBench(int runs);

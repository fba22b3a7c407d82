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
    // Another build's start-up probe, measured in the same rounds; empty when none was named.
    QList<ChildRun> before;
    QList<ChildRun> bare;
    // The bare window with one line of text: what fonts alone add to the floor.
    QList<ChildRun> bareText;
    // The main window's own form with stock Qt classes, its fonts and its list rows.
    QList<ChildRun> sameWindow;
};

// Starts the start-up probe, the bare window, the bare window with text, the same window and,
// when beforeProbe names one, another build's probe in turn, runs times each after one
// unrecorded start of every one, each child with a fresh home, configuration and runtime folder.
StartupRuns runStartupBench(int runs, const QString &beforeProbe = {});

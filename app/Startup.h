#pragma once

#include "base/SingleInstance.h"

// The program's start-up sequence. Each step runs under the continue-on-failure rule: a step that
// fails is cut short silently and the next one runs.
class Startup
{
public:
    // What the application needs before the sequence runs: the person's language, the fonts'
    // stand-ins, the icon of message boxes shown before any window, and a life that only the exit
    // appeal window ends.
    static void prepareApplication();

    explicit Startup(const QString &lockPath = SingleInstance::lockFilePath());

    // False when the program must end at once: another instance is running. A readingPath that is
    // not empty is opened on the main window once it is up, as its Open does.
    bool run(const QString &readingPath = QString());

private:
    bool refuseSecondInstance();

    SingleInstance instance;
};

#pragma once

#include "base/SingleInstance.h"

// The program's start-up sequence: the single-instance check, the update reminder, the main
// window with its promotional draw, and a saved reading given on the command line.
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

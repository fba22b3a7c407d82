// Loads the print module the way the program would if it were started from the folder given, and
// asks it for the default printer. Says what it found; fails, with the reason, when the module
// cannot be loaded. Usage: zel_printmodulecheck PROGRAM_FOLDER

#include "report/PrintModule.h"
#include "report/PrintSystem.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: zel_printmodulecheck PROGRAM_FOLDER\n", stderr);
        return 2;
    }
    PrintModule module(PrintModule::foldersFor(QString::fromLocal8Bit(argv[1])));
    QString whyUnavailable;
    PrintSystem *system = module.printSystem(&whyUnavailable);
    if (!system) {
        std::fprintf(stderr, "%s\n", qPrintable(whyUnavailable));
        return 1;
    }
    std::printf("print module loaded; default printer '%s'\n",
                qPrintable(system->defaultPrinterName()));
    return 0;
}

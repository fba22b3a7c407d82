#include "app/CommandLine.h"
#include "app/Startup.h"
#include "base/AppInfo.h"
#include "base/Display.h"
#include "report/QtPrintSystem.h"
#include "widgets/ProgramDesktop.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    AppInfo::setApplicationMetadata();
    // Read before anything needs a display: the usage and the version are printed without one.
    const CommandLine commandLine = CommandLine::parse(CommandLine::fromArgv(argc, argv));
    if (commandLine.action() != CommandLine::Action::Start)
        return commandLine.print();

    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "No display found: run it under a virtual one, for instance "
                     "xvfb-run -a build/%s\n",
                     qPrintable(AppInfo::executableName()));
        return 1;
    }
    QApplication app(argc, argv);
    ProgramDesktop realDesktop;
    setDesktop(&realDesktop);
    QtPrintSystem realPrintSystem;
    setPrintSystem(&realPrintSystem);
    Startup::prepareApplication();

    // The path as Qt reads the arguments: on Windows from the wide command line, so that a name
    // in any script survives, which argv cannot promise there.
    const QString readingPath = CommandLine::parse(QCoreApplication::arguments()).readingPath();
    Startup startup;
    if (!startup.run(readingPath))
        return 0;
    return app.exec();
}

// The program's own start-up, step for step as app/main.cpp runs it, with time stamps: main()
// entered, QApplication made, Startup::run() returned, and the main window painted and flushed.
// Ends right after the paint, printing its peak memory.
#include "app/Startup.h"
#include "base/AppInfo.h"
#include "base/Display.h"
#include "bench/ChildReport.h"
#include "bench/PaintMarker.h"
#include "ui/MainWindow.h"
#include "widgets/QtDesktop.h"

#include <QApplication>

namespace {

void reportPainted()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<MainWindow *>(window) && window->isVisible())
            ChildReport::reportPaintedAndExit(*window);
    }
}

} // namespace

int main(int argc, char **argv)
{
    ChildReport::printStamp("main");
    AppInfo::setApplicationMetadata();
    if (!displayAvailable())
        return 1;
    QApplication app(argc, argv);
    ChildReport::printStamp("application");
    QtDesktop realDesktop;
    setDesktop(&realDesktop);
    Startup::prepareApplication();

    PaintMarker marker(
            [](const QWidget *window) { return qobject_cast<const MainWindow *>(window); },
            reportPainted);
    Startup startup;
    if (!startup.run())
        return 2;
    ChildReport::printStamp("shown");
    return app.exec();
}

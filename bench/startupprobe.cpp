// The program's own start-up, step for step as app/main.cpp runs it, with time stamps: main()
// entered, QApplication made, Startup::run() returned, and the main window painted and flushed.
// Ends right after the paint, printing its peak memory.
#include "app/Appearance.h"
#include "app/Startup.h"
#include "bench/ChildReport.h"
#include "bench/PaintMarker.h"
#include "ui/frmMain.h"

#include <QApplication>

#include <cstdio>

namespace {

// The same check main() makes before it touches Qt.
bool displayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
            || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void reportPainted()
{
    ChildReport::printStamp("painted");
    ChildReport::printCpuTime();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmMain *>(window) && window->isVisible())
            ChildReport::printWindowSize(window->width(), window->height());
    }
    ChildReport::printMemory();
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char **argv)
{
    ChildReport::printStamp("main");
    if (!displayAvailable())
        return 1;
    QApplication app(argc, argv);
    ChildReport::printStamp("application");
    installFontSubstitutions();
    app.setQuitOnLastWindowClosed(false);

    PaintMarker marker([](const QWidget *window) { return qobject_cast<const frmMain *>(window); },
                       reportPainted);
    Startup startup;
    if (!startup.run())
        return 2;
    ChildReport::printStamp("shown");
    return app.exec();
}

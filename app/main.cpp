#include "app/Startup.h"
#include "base/AppInfo.h"
#include "base/Appearance.h"
#include "base/Display.h"
#include "widgets/WindowLook.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    AppInfo::setApplicationMetadata();
    if (!displayAvailable()) {
        std::fputs("No display found: run it under a virtual one, for instance "
                   "xvfb-run -a build/ZelFreeMayanAnimalSign\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    installFontSubstitutions();
    // Message boxes shown before any window carry the icon too.
    QApplication::setWindowIcon(WindowLook::applicationIcon());
    // The exit appeal window ends the program; closing the last working window must not.
    app.setQuitOnLastWindowClosed(false);

    Startup startup;
    if (!startup.run())
        return 0;
    return app.exec();
}

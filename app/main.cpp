#include "app/Appearance.h"
#include "app/Startup.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Without any display Qt would stop with its plugin error; say what to do instead.
bool displayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
            || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::fputs("No display found: run it under a virtual one, for instance "
                   "xvfb-run -a build/ZelFreeMayanAnimalSign\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    installFontSubstitutions();
    // The exit appeal window ends the program; closing the last working window must not.
    app.setQuitOnLastWindowClosed(false);

    Startup startup;
    if (!startup.run())
        return 0;
    return app.exec();
}

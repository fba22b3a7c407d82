#include "app/Startup.h"

#include "base/Appearance.h"
#include "base/Desktop.h"
#include "base/Translations.h"
#include "base/UnloadAllForms.h"
#include "ui/frmMain.h"
#include "web/CoBrand.h"
#include "web/UpdateReminder.h"
#include "widgets/LinkLabel.h"
#include "widgets/WindowLook.h"

#include <QApplication>

#include <exception>
#include <functional>

namespace {

void runStep(const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &) {
        // A failing step is skipped without a message; start-up goes on.
    }
}

} // namespace

void Startup::prepareApplication()
{
    // Before any window: windows take their captions once, when they are made.
    Translations::installForSystem();
    installFontSubstitutions();
    QApplication::setWindowIcon(WindowLook::applicationIcon());
    // The exit appeal window ends the program; closing the last working window must not.
    QApplication::setQuitOnLastWindowClosed(false);
}

Startup::Startup(const QString &lockPath)
    : instance(lockPath)
{ }

bool Startup::run(const QString &readingPath)
{
    if (refuseSecondInstance())
        return false;
    runStep([] { desktop().seedRandomFromClock(); });
    runStep(CheckForUpdate);
    frmMain *mainWindow = nullptr;
    runStep([&mainWindow] { mainWindow = frmMain::showFresh(); });
    // Only the first main window of a run takes part in the draw.
    runStep([mainWindow] {
        if (mainWindow)
            CoBrand_Randomize(mainWindow->lblCobrand(), mainWindow->lblFullBrand());
    });
    runStep([mainWindow, &readingPath] {
        if (mainWindow && !readingPath.isEmpty())
            mainWindow->openReading(readingPath);
    });
    return true;
}

bool Startup::refuseSecondInstance()
{
    // A lock that cannot be made is a failing step like any other: skipped, and the program starts.
    if (instance.acquire() || !instance.heldByAnother())
        return false;
    //: Shown when the program is started while another copy of it runs.
    desktop().showNotice(QCoreApplication::translate("Startup", "Application is already running"),
                         MessageIcon::Information);
    UnloadAllForms();
    return true;
}

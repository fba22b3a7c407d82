#include "app/Startup.h"

#include "base/Appearance.h"
#include "base/Desktop.h"
#include "base/Translations.h"
#include "ui/MainWindow.h"
#include "web/Promotion.h"
#include "web/UpdateReminder.h"
#include "widgets/WindowLook.h"

#include <QApplication>

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
    desktop().seedRandomFromClock();
    UpdateReminder::check();
    MainWindow *mainWindow = MainWindow::showFresh();
    // Only the first main window of a run takes part in the draw.
    if (const std::optional<Promotion::Offer> offer = Promotion::drawOffer())
        mainWindow->bringToFront(*offer);
    if (!readingPath.isEmpty())
        mainWindow->openReading(readingPath);
    return true;
}

bool Startup::refuseSecondInstance()
{
    // A lock that cannot be made skips the check: the program starts.
    if (instance.acquire() || !instance.heldByAnother())
        return false;
    //: Shown when the program is started while another copy of it runs.
    desktop().showNotice(QCoreApplication::translate("Startup", "Application is already running"),
                         MessageIcon::Information);
    return true;
}

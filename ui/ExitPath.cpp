#include "ui/ExitPath.h"

#include "ui/ExitAppealWindow.h"

namespace ExitPath {

void userClosedWorkingWindow()
{
    // Windows closed while the program ends are not the user's exit.
    if (ExitAppealWindow::isEnding())
        return;
    // The appeal window has the last word: closing it is what ends the program.
    ExitAppealWindow::showFresh();
}

} // namespace ExitPath

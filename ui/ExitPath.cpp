#include "ui/ExitPath.h"

#include "base/UnloadAllForms.h"
#include "ui/frmNagScreen2.h"

namespace ExitPath {

void userClosedWorkingWindow()
{
    // Windows closed while the program ends are not the user's exit.
    if (isUnloadingAllForms())
        return;
    // The appeal window has the last word: closing it is what ends the program.
    frmNagScreen2::showLoaded();
}

} // namespace ExitPath

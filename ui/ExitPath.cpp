#include "ui/ExitPath.h"

#include "app/UnloadAllForms.h"

namespace ExitPath {

void userClosedWorkingWindow()
{
    // Windows closed while the program ends are not the user's exit.
    if (isUnloadingAllForms())
        return;
    UnloadAllForms();
}

} // namespace ExitPath

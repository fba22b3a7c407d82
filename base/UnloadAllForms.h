#pragma once

// Closes every open window, each through its own close handling, and ends the event loop. Safe
// to enter again from a close handler it triggered: no window is closed twice.
void UnloadAllForms();

// True from the first UnloadAllForms on: closes that happen then are the end, not a user's exit.
bool isUnloadingAllForms();

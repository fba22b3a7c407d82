#pragma once

// What follows when the user closes a working window (main or result) other than by Find or Back.
namespace ExitPath {

void userClosedWorkingWindow();

} // namespace ExitPath

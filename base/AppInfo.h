#pragma once

#include <QString>

// The program's fixed names.
namespace AppInfo {

// The title of every message box that names no title of its own.
QString applicationTitle();
// The caption of every window: the title and the version.
QString windowCaption();
// The settings store and the single-instance lock are addressed by the executable's name.
QString executableName();
QString version();

} // namespace AppInfo

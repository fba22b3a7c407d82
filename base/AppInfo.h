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
// The menu entry's name without ".desktop"; the running windows carry it too (the Wayland app id
// and the X11 window class), so that docks and switchers show the entry's name and icon.
QString desktopFileName();
// The organisation's domain, the menu entry's name read backwards without its last part.
QString organizationDomain();
// What the program does, in a line, in the person's language.
QString description();
// Who makes the program.
QString maker();
// What --version prints: the title and the version.
QString versionText();

// Gives the process its names (application name, organisation domain, version, desktop file
// name), before the application object exists. The settings store and the single-instance lock
// do not follow them: both stay addressed by the executable's name.
void setApplicationMetadata();

} // namespace AppInfo

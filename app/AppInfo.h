#pragma once

// The program's fixed names.
namespace AppInfo {

// The title of every message box that names no title of its own.
inline constexpr char applicationTitle[] = "Zel Mayan Animal Sign";
// The caption of every window.
inline constexpr char windowCaption[] = "Zel Mayan Animal Sign v1.05";
// The settings store and the single-instance lock are addressed by the executable's name.
inline constexpr char executableName[] = "ZelFreeMayanAnimalSign";

} // namespace AppInfo

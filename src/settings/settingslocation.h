#pragma once

#include <QString>

namespace zantrel {

// The data folder of an installed program: "<prefix>/share/zantrel" when the program lies in
// "<prefix>/bin" and that folder exists (the folder names as the build installs them).
// Empty for a portable install, such as the build folder.
QString installedDataFolder(const QString& programFolder);

// The settings file. A portable install keeps it in the program's folder, unless that folder
// cannot be written and holds no settings file yet; an installed program always keeps it
// in the user's configuration folder. The configuration folder is created when missing:
// ~/.config/<program> on Linux, %LOCALAPPDATA%\<program> on Windows.
QString settingsFilePath(const QString& programFolder);

} // namespace zantrel

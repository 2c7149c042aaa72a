#pragma once

#include <QString>

namespace zantrel {

// The settings file of a portable install: in the program's folder, unless that folder
// cannot be written and holds no settings file yet; then in the user's configuration folder
// (created when missing): ~/.config/<program> on Linux, %LOCALAPPDATA%\<program> on Windows.
QString settingsFilePath(const QString& programFolder);

} // namespace zantrel

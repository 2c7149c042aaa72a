#pragma once

#include "settings/settingsfile.h"

#include <QString>

#include <functional>

namespace zantrel {

class Prompter;
class FileTreeWindow;
class LoadingWindow;
class SettingsWindow;
class EditorWindow;

// What the four windows share: where the program and its settings live, the settings
// record every part reads, the dialog seam and the windows themselves.
struct Shell {
    QString programFolder; // the program file's folder
    QString startFolder;   // the current folder when the editor window was created
    QString settingsPath;  // the settings file in use
    Settings settings;     // filled by readini
    Prompter* prompter = nullptr;
    std::function<void()> quit; // ends the program; QCoreApplication::quit when unset

    LoadingWindow* loading = nullptr;
    EditorWindow* editor = nullptr;
    FileTreeWindow* tree = nullptr;
    SettingsWindow* settingsWindow = nullptr;
};

// Creates the four windows in their order: loading, editor, tree, settings.
void createWindows(Shell& shell);
// Deletes them in the reverse order.
void destroyWindows(Shell& shell);

} // namespace zantrel

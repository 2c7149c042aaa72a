#pragma once

#include "gamecatalogue.h"
#include "gamedata/gamedata.h"
#include "settings/settingsfile.h"

#include <QDir>
#include <QString>

#include <functional>

namespace zantrel {

class Prompter;
class FileTreeWindow;
class LoadingWindow;
class SettingsWindow;
class EditorWindow;
class PrototypesWindow;
class FrameClock;

// What every window may use: where the program and its settings live, the settings record
// every part reads, and the dialog seam. Windows never reach each other through it.
struct AppContext {
    QString programFolder; // the program file's folder
    QString startFolder;   // the current folder when the editor window was created
    QString settingsPath;  // the settings file in use
    QString dataFolder;    // an installed program's data folder; empty for a portable install
    Settings settings;     // filled by readini
    Prompter* prompter = nullptr;
    QString homeFolder = QDir::homePath(); // where a first start looks for the game
    QString gameFolderOverride;            // --game: this run's game folder, never saved
    std::function<void()> quit;            // ends the program; QCoreApplication::quit when unset
    // The clock of the critter preview's animation; a timer when unset (tests tick by hand).
    std::function<FrameClock*()> makeClock;

    // The game's files as the settings name them (the sources folder, or the game folder
    // with its archives). Built anew whenever the game folder, the sources folder or the
    // sources flag differ from the last build, so every reader sees the settings in force.
    const GameData& gameData() const;
    // Counts the builds of gameData(), so what was read from one knows when it is stale.
    int gameDataBuild() const { return m_gameDataBuilds; }

    // The game's prototypes as the game finds them, read at first use. Whatever writes a
    // type's list, one of its prototypes or its message file says so with
    // catalogue.typeWritten(type): the catalogue reads the type again and the Prototypes
    // window follows.
    GameCatalogue catalogue{*this};

    // The folder the program's own pictures ("images/...") lie in: the data folder of an
    // installed program, else the program folder. Prepared critter bitmaps are looked for
    // below the start folder first.
    QString picturesFolder() const;
    QString cursorFolder() const;
    // The folder a first start's sources folder "Source" lies in: the program folder of a
    // portable install, the settings file's folder of an installed one.
    QString defaultsFolder() const;

    // settings = the settings file, with the --game folder (read from the game itself, its
    // archives included) in place of the file's for this run.
    void readSettings();

    // A failure's text, with the file it concerns on a line of its own.
    static QString withPath(const QString& text, const QString& path);

private:
    mutable GameData m_gameData;
    mutable QStringList m_gameDataFor; // the settings it was built from
    mutable int m_gameDataBuilds = 0;
};

// The windows, created in their order (loading, editor, tree, settings, prototypes) and
// wired to each other's signals in one place.
struct Shell : AppContext {
    LoadingWindow* loading = nullptr;
    EditorWindow* editor = nullptr;
    FileTreeWindow* tree = nullptr;
    SettingsWindow* settingsWindow = nullptr;
    PrototypesWindow* prototypes = nullptr;
    QString fileToOpen; // the command line's prototype, opened once the loading check passed
};

// Creates the windows in their order and connects them. An empty settings path or data
// folder is found from the program folder first.
void createWindows(Shell& shell);
// Deletes them in the reverse order.
void destroyWindows(Shell& shell);

} // namespace zantrel

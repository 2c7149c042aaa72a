#pragma once

#include <QString>
#include <QStringList>

namespace zantrel {

// The folders a first start looks for the game in, in order: the default game folder, then
// where Steam and GOG install it. On Linux, below home and inside home's Wine prefix
// (~/.wine/drive_c/...); on Windows, on the system drive, then C:\Games\Fallout 2.
// Folders use '/' separators.
QStringList gameFolderCandidates(const QString& home);

// Whether folder holds the game: a master.dat (any letter case), or a data folder in which
// every file of the default check list is found as the loading screen finds it.
bool holdsGame(const QString& folder);

// The first candidate that holds the game; empty when none does.
QString findGameFolder(const QStringList& candidates);

} // namespace zantrel

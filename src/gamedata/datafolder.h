#pragma once

#include "settings/settingsfile.h"

#include <QString>

namespace zantrel {

// The kinds of game data file, each with its place under the game folder.
enum class DataKind {
    ScriptList,
    ItemArt,
    CritterArt,
    SceneryArt,
    WallArt,
    TileArt,
    MiscArt,
    InventoryArt,
    Messages,
    Palette,
};

// Folder a data file of this kind is read from: the sources folder when the use-sources
// flag is exactly "1", else the game folder's sub-folder of the kind. Ends with "/".
QString datafolder(const Settings& settings, DataKind kind);

// Full name of a data file by that rule, found whatever its letter case. Message files
// missing from "data/text/english/" are also looked for in "data/text/english/game/".
QString dataFile(const Settings& settings, DataKind kind, const QString& name);

// Art list kind and file name of an object type 0..5 (item .. misc); false for others.
bool artListFor(int objtype, DataKind& kind, QString& name);
// Message file with the object names of a type 0..5; empty for others.
QString nameMessageFile(int objtype);

} // namespace zantrel

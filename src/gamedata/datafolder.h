#pragma once

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

// Art list kind and file name of an object type 0..5 (item .. misc); false for others.
bool artListFor(int objtype, DataKind& kind, QString& name);
// Message file with the object names of a type 0..5; empty for others.
QString nameMessageFile(int objtype);

} // namespace zantrel

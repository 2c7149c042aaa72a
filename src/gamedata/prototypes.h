#pragma once

#include "gamedata.h"
#include "gameview.h"

#include <QList>
#include <QString>

namespace zantrel {

// The prototype files (*.pro) directly in a folder of the game's view ("proto/items"),
// loose and archived, each name once with the copy the game uses, sorted by name.
QList<GameFile> listPrototypes(const GameData& data, const QString& kindFolder);

// Where a game file saved by the editor goes so that the game takes it over an archived
// copy: <game folder>/<master_patches of fallout2.cfg, default "data">/<relative>, with the
// letter case of folders and a file already there. Empty when no game folder is set or
// the name has a "." or ".." part.
QString patchesPath(const GameData& data, const QString& relative);

} // namespace zantrel

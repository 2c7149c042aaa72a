#pragma once

#include "gamedata.h"
#include "settings/settingsfile.h"

#include <QString>

namespace zantrel {

// Whether one entry of the loading screen's file list is there. With the use-sources flag
// other than "0" the entry is a file below the sources folder, as it has always been.
// Otherwise it passes when it is a file below the game folder, a file of the game's view
// under that name (a leading "data/" dropped), or, for a bare file name the editor reads
// (scripts.lst, an art list such as critters.lst, color.pal, a .msg file), that file where
// the editor reads it from. Letter case never matters; an empty entry never passes.
bool checkedFileFound(const Settings& settings, const GameData& data, const QString& entry);

} // namespace zantrel

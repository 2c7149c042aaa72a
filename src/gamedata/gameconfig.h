#pragma once

#include <QByteArray>
#include <QString>

namespace zantrel {

// Where fallout2.cfg's [system] section puts the game's language and the game's archives and
// patches folders, as written there (relative to the game folder, '\' or '/'); the game's defaults
// where a key is missing or empty.
struct GameConfig {
    QString masterDat = QStringLiteral("master.dat");
    QString critterDat = QStringLiteral("critter.dat");
    QString masterPatches = QStringLiteral("data");
    QString critterPatches = QStringLiteral("data");
    QString language = QStringLiteral("english"); // the folder of text/<language>/
};

// Reads fallout2.cfg's text the way the game does: "key=value" lines under "[section]",
// names without letter case, ';' starts a comment anywhere; anything else is skipped.
GameConfig parseGameConfig(const QByteArray& text);

} // namespace zantrel

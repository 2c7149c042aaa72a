#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
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

// One "[section]" of a text in the game's settings format (fallout2.cfg, data/ai.txt,
// data/maps.txt): its name as written, trimmed, and its "key=value" lines, keys in lower case
// (the game ignores their letter case), values trimmed; a later line of a key wins.
struct ConfigSection {
    QString name;
    QHash<QString, QString> values;
};

// The sections in file order, read the way the game reads them: ';' starts a comment
// anywhere, lines before the first section and lines without '=' are skipped.
QList<ConfigSection> readConfigSections(const QByteArray& text);

// Reads fallout2.cfg's text the way the game does: "key=value" lines under "[section]",
// names without letter case, ';' starts a comment anywhere; anything else is skipped.
GameConfig parseGameConfig(const QByteArray& text);

} // namespace zantrel

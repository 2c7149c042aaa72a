#pragma once

#include "tempfolder.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A game in the game's own layout, loose under <folder>/<game>/data, for what refers into
// its files: scripts/scripts.lst and the eleven art lists of `lines` lines, the six
// pro_*.msg with messages 100 .. 100 + lines - 1, a proto.msg with the material names, and
// each type's prototype list of `prototypes` lines with every listed file present
// (makeCleanPrototype of the type, numbered). Returns the game folder.
QString writeGameFolder(const TempFolder& folder, const QString& game, int lines, int prototypes);

// A prototype of the object type and (for items and scenery) kind that passes every check
// against a game of writeGameFolder with at least two lines a list: the length its record
// table gives, object number 1, text id 100, frame index 1, script line 1 (none for misc
// objects, which have no script), no inventory picture, no referenced prototypes, every
// other byte 0.
QByteArray makeCleanPrototype(int type, int kind = 0);

// Every object type with each of its kinds: (0, 0) .. (0, 6), (1, 0), (2, 0) .. (2, 5),
// (3, 0), (4, 0), (5, 0).
struct ObjectShape {
    int type;
    int kind;
};
const std::vector<ObjectShape>& everyShape();

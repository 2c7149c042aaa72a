#pragma once

#include "catalogue.h"
#include "gamedata.h"
#include "messagewriter.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace zantrel {

// What a new prototype became: its id and the file written.
struct NewPrototype {
    std::uint32_t id = 0;
    QString file;
};

// Adds a prototype to the game as the game's own tools do, in the patches folder:
// 1. its number n is the type's list lines + 1, as the game counts them;
// 2. proto/<type>/<n in 8 digits>.pro (the next free number when a file of the type has
//    that name), read-only, from start with object id (type << 24) | n and text id n * 100;
// 3. the name and description at that text id, as writeObjectTexts() does;
// 4. the file's name appended to the list (a copy of the game's when the patches folder
//    has none), last, so that no line ever names a missing file.
// start is the bytes of a prototype of the type to copy, or defaultRecord() of a kind.
// Every text is checked first. Throws UserError naming the file; the steps done by then
// are undone (the new file removed, the message file and list as they were).
NewPrototype createPrototype(const GameData& data, ObjectType type, const QByteArray& start,
                             const ObjectTexts& texts);

} // namespace zantrel

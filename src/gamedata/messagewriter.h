#pragma once

#include "gamedata.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace zantrel {

// A message entry's new text, as bytes of the file's code page.
struct MessageChange {
    qint32 number = 0;
    QByteArray text;
};

// The bytes of a message file with the entries' texts set, every other byte kept. An entry
// the file has (of several with its number, the one the game finds) changes only between
// its text field's braces. One it lacks is added as "{n}{}{text}" with the file's own line
// end, after the entry with the nearest lower number (before the first entry when no number
// is lower), never inside a field the end of the file leaves open. Throws UserError when
// the result would read back other than asked (a file whose stray braces pair the new
// entry with a neighbour's field).
QByteArray setMessageTexts(const QByteArray& file, const std::vector<MessageChange>& changes);

// What a text box holds as a message text of the code page. Refused with a UserError naming
// the box: a '{' or '}', a line break in a name (a description's becomes a space, as the
// game drops them), more than 1,023 bytes, a character the code page cannot hold.
enum class TextBox { Name, Description };
QByteArray messageTextBytes(const QString& text, TextBox box, const QString& codePage);

// The name and description of an object, at its text id and the one after.
struct ObjectTexts {
    std::optional<QString> name; // nothing: left as it is
    std::optional<QString> description;
};

// The type's message file where the game finds a changed copy first:
// <patches folder>/text/<language>/game/pro_<type>.msg; empty without a game folder.
QString objectTextsPath(const GameData& data, int objectType);
// The bytes of the copy of the type's message file the game uses (its language, else
// english); empty when the game has none. Throws a broken archive's message.
QByteArray gameObjectTexts(const GameData& data, int objectType);

// The type's message file as the editor shows its names: the copy writeObjectTexts() wrote
// when there is one (so what was saved shows, even when the sources folder is in use or the
// game's view was built before the file existed), else where the editor reads message files
// (the sources folder or the game). Throws as GameData::read() when there is none.
QByteArray shownObjectTexts(const GameData& data, int objectType);
// Where that file lies, for messages.
QString shownObjectTextsPlace(const GameData& data, int objectType);
// The message at number in shownObjectTexts(), as GameData::message() gives it ("Knife ",
// "<NONE>"); what the reading skipped goes to the text warnings. Throws as that.
QString shownObjectMessage(const GameData& data, int objectType, qint64 number);

// The name and description at textId and the one after in shownObjectTexts(), decoded in
// the code page in force; an entry the file lacks, or a missing file, reads as nothing.
// Throws a broken archive's message.
struct ShownTexts {
    QString name;
    QString description;
};
ShownTexts readObjectTexts(const GameData& data, int objectType, qint64 textId);

// Writes the texts of textId into objectTextsPath(): the file there, else a copy of the
// game's, changed as setMessageTexts() does, written atomically. Every text is checked
// before anything is written. Returns the file written. Throws UserError naming the box or
// the file.
QString writeObjectTexts(const GameData& data, int objectType, qint64 textId,
                         const ObjectTexts& texts);

} // namespace zantrel

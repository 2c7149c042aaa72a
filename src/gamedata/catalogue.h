#pragma once

#include "gamedata.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace zantrel {

// The game's object types, as the high byte of a prototype id and the first byte of its
// file.
enum class ObjectType : std::uint8_t { Item, Critter, Scenery, Wall, Tile, Misc };
constexpr int kObjectTypeCount = 6;

// "items" "critters" "scenery" "walls" "tiles" "misc": the type's folder below proto/, its
// list's name and the word the command line takes.
QString typeFolder(ObjectType type);
// The type of a folder word (any letter case); false when it names none.
bool typeFromFolder(const QString& word, ObjectType& type);
// "proto/items/items.lst" ...
QString prototypeListPath(ObjectType type);

// What is wrong with a list line, as bits.
enum CatalogueProblem : std::uint8_t {
    MissingFile = 1,    // the line names a file the game does not have
    UnreadableFile = 2, // the file cannot be read, or is shorter than a header
    WrongId = 4,        // the id stored in the file is not its line's
    WrongType = 8,      // the file's type byte is not the list's type
    NoName = 16,        // the text id names no message
    RepeatedLine = 32,  // an earlier line of the list names the same file
};

// One line of a type's list as the game reads it, with what its file and message file say.
struct CatalogueEntry {
    ObjectType type = ObjectType::Item;
    int index = 0;  // the line, counted from 1: the id's low 24 bits
    QString file;   // the line up to its first space ("00000012.pro")
    QString source; // where the copy that wins lies: an archive's file name, or the
                    // folder's path relative to the game folder; empty for a missing file
    std::uint32_t storedId = 0;
    std::int32_t textId = -1;
    int kind = -1;             // items and scenery: the kind number at offset 32; -1 for others
    QString name;              // the message at the text id, in the game's code page
    QString description;       // the one after it
    std::uint8_t problems = 0; // CatalogueProblem bits
    QString readError;         // why an unreadable file cannot be read

    std::uint32_t id() const { return std::uint32_t(type) << 24 | std::uint32_t(index); }
    // "proto/items/00000012.pro"
    QString path() const;
    // "00000012": the id in 8 hex digits, as the window and the command line show it.
    QString idText() const;
    // The kind's name ("Weapon", "Door"), the number of a kind the program does not know,
    // empty where the type has no kinds.
    QString kindName() const;
    // One text per problem, for a tooltip or the command line.
    QStringList problemTexts() const;
    // Whether the id, the file or the name holds text, whatever the letter case (the
    // filter of the window and of `list`).
    bool matches(const QString& text) const;
};

// Every prototype of the game, per type, as the game finds it: the type's list
// (proto/<type>/<type>.lst) line by line, the file each line names (from the archives,
// the patches folder and all, in the game's order; only its first 36 bytes are read) and
// the name and description of its text id in the type's message file.
//
// The lists and prototype files come from the game's view. The message files are the ones
// the editor shows names from (shownObjectTexts: the copy Zantrel wrote, else the sources
// folder when UseSource is "1", else the game in its language), in the code page in force. A type
// whose list the game lacks has no entries and its list's problem in listProblem().
//
// Built once for a game folder; refresh() reads a type again after its list, a prototype
// or its message file were written. Nothing is kept open between calls.
class Catalogue {
public:
    Catalogue() = default;
    explicit Catalogue(const GameData& data) { refreshAll(data); }

    void refreshAll(const GameData& data);
    void refresh(const GameData& data, ObjectType type);

    // The type's entries in list order: entries(type)[i].index == i + 1.
    const std::vector<CatalogueEntry>& entries(ObjectType type) const {
        return m_types[std::size_t(type)].entries;
    }
    // The id a new prototype of the type takes: its list's lines, as the game counts them,
    // plus one.
    int nextIndex(ObjectType type) const { return m_types[std::size_t(type)].lines + 1; }
    // Why the type's list could not be read; empty when it was.
    const QString& listProblem(ObjectType type) const {
        return m_types[std::size_t(type)].listProblem;
    }
    // The entry of a prototype id; null when its list has no such line.
    const CatalogueEntry* find(std::uint32_t id) const;
    // How many entries of the type share the text id.
    int textIdUsers(ObjectType type, std::int32_t textId) const;

private:
    struct Type {
        std::vector<CatalogueEntry> entries;
        int lines = 0;
        QString listProblem;
    };
    std::array<Type, kObjectTypeCount> m_types;
};

} // namespace zantrel

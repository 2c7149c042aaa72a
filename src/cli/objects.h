#pragma once

#include "gamedata/catalogue.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The game's objects as the command line names and prints them, apart from the program's
// arguments and streams, so the tests and the benchmark call it directly.
namespace zantrel {

// A word as a prototype id: "0x" and up to 8 hex digits, or exactly 8 hex digits (the form
// list prints) are hex; any other run of decimal digits is decimal, so an id written in
// decimal with 8 digits takes a leading 0 ("016777234"). Nothing when the word is no id.
std::optional<std::uint32_t> parseObjectId(const QString& word);

// The list line a word names: an id, else a prototype path ("proto/items/00000012.pro", a
// path on disk ending in a type's folder) or a file name as the list names it (any letter
// case; the first line naming it). Throws UserError when no line, or lines of several types,
// match.
const CatalogueEntry& findObject(const Catalogue& catalogue, const QString& word);

// A kind of items or scenery by its number or name ("weapon", "Ladder up", "ladder-up");
// nothing when the type has no such kind.
std::optional<int> parseKind(ObjectType type, const QString& word);

// The entries of the types whose id, file or name hold filter (CatalogueEntry::matches), in
// list order: one tab-separated line each (id, file, name, kind, source), or one JSON array
// of objects {"type", "id", "index", "file", "source", "name", "description", "kind",
// "problems"}.
QByteArray catalogueText(const Catalogue& catalogue, const std::vector<ObjectType>& types,
                         const QString& filter);
QByteArray catalogueJson(const Catalogue& catalogue, const std::vector<ObjectType>& types,
                         const QString& filter);

} // namespace zantrel

#pragma once

#include "records.h"

#include <vector>

// The kinds' own data after the common part of items (from 57) and scenery (from 41).
namespace zantrel {

RecordRow makeRow(int offset, int width, const char* name, Display display,
                  Choices choices = Choices::None, RowCheck check = RowCheck::None,
                  int partner = -1);

constexpr int kItemKinds = 7;
constexpr int kSceneryKinds = 6;
extern const char* const kItemKindNames[kItemKinds];       // "armor" .. "key"
extern const char* const kSceneryKindNames[kSceneryKinds]; // "door" .. "generic"
// How many kinds a type has: items and scenery theirs, every other type none.
constexpr int kindCount(int objectType) {
    return objectType == 0 ? kItemKinds : objectType == 2 ? kSceneryKinds : 0;
}
// What the kinds' controls' object names start with: "Weapon", "MiscItem", "LadderUp" ...
extern const char* const kItemKindPrefixes[kItemKinds];
extern const char* const kSceneryKindPrefixes[kSceneryKinds];

// Appends the kind's rows; returns the kind's file length.
int addItemKindRows(std::vector<RecordRow>& rows, int kind);
int addSceneryKindRows(std::vector<RecordRow>& rows, int kind);

} // namespace zantrel

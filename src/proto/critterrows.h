#pragma once

#include "records.h"

#include <vector>

// The critter record's fields that the critter page shows, as record rows placed on its tabs.
// The critter's record (recordRows) is built from these same rows.
namespace zantrel {

enum class CritterTab { General, Base, Extra, Resists, Skills, Other };

// Every field the page shows, in its order: the two type bytes first, the experience, the
// record from offset 48 up, then the header words with a critter meaning. place.tab is a
// CritterTab.
const std::vector<RecordRow>& critterPageRows();

inline CritterTab critterTab(const RecordRow& row) {
    return CritterTab(row.place.tab);
}

} // namespace zantrel

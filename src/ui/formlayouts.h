#pragma once

#include "recordform.h"

#include <vector>

// Where each field of the records sits on the pages, and its caption there. Names, displays,
// conversions and checks are the record tables'.
namespace zantrel {

struct FormLayout {
    std::vector<FormItem> items;
    int columns = 2;
};

// An item kind's own fields (armor .. key), on the kind's tab.
FormLayout itemKindLayout(int kind);
// An item's light, attack modes, use flags and sound, on the "Light & Use" tab.
FormLayout itemUseLayout();
// A scenery, wall, tile or misc record's fields below its description.
FormLayout recordLayout(int objectType);
// A scenery kind's own fields.
FormLayout sceneryKindLayout(int kind);

} // namespace zantrel

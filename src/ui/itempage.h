#pragma once

#include "typepage.h"

#include <memory>

class QWidget;

namespace zantrel {

// The "Items" tab: the item's kind, material, size, price, hidden marker, inventory picture
// and its two pictures.
std::unique_ptr<TypePage> createItemPage(QWidget* tab, const PageContext& context);

} // namespace zantrel

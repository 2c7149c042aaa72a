#pragma once

#include "typepage.h"

#include <memory>

class QLineEdit;
class QWidget;

namespace zantrel {

// The fields of a scenery (with its kind's), wall, tile or misc prototype, below the
// description on the type's page. size is the page's file size box.
std::unique_ptr<TypePage> createRecordPage(QWidget* page, int objectType,
                                           const PageContext& context, QLineEdit* size);

} // namespace zantrel

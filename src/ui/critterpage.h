#pragma once

#include "typepage.h"

#include <memory>

class QWidget;

namespace zantrel {

// The "Critters" tab with its six inner tabs, the range checks, tip bars and the preview.
std::unique_ptr<TypePage> createCritterPage(QWidget* tab, const PageContext& context);

} // namespace zantrel

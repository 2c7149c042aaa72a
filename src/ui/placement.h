#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zantrel {

// Where a window of the given size stands centred in the area (a screen's geometry); an
// odd pixel left over goes to the right and bottom.
QPoint centredIn(const QRect& area, const QSize& size);

} // namespace zantrel

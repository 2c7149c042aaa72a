#include "placement.h"

namespace zantrel {

QPoint centredIn(const QRect& area, const QSize& size) {
    return area.topLeft() +
           QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

} // namespace zantrel

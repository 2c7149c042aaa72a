#include "redmark.h"

#include <QLineEdit>
#include <QString>
#include <QStyle>
#include <QVariant>

namespace zantrel {

namespace {

const char* const kMarkedProperty = "marked";

} // namespace

QColor markColour() {
    return QColor(255, 0, 0);
}

bool isMarked(const QLineEdit* edit) {
    return edit->property(kMarkedProperty).toBool();
}

bool setMarked(QLineEdit* edit, bool red) {
    if (isMarked(edit) == red)
        return false;
    edit->setProperty(kMarkedProperty, red);
    // The theme's rule for the property paints it: the style must read the box anew.
    edit->style()->unpolish(edit);
    edit->style()->polish(edit);
    edit->update();
    return true;
}

bool isHalfTyped(const QString& text) {
    return text.isEmpty() || text == QLatin1String("-");
}

} // namespace zantrel

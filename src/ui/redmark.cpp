#include "redmark.h"

#include <QLineEdit>
#include <QString>
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
    // Black letters: the pages' own light green would hardly show on the red.
    edit->setStyleSheet(
        red ? QStringLiteral("QLineEdit { background: %1; color: black; }").arg(markColour().name())
            : QString());
    return true;
}

bool isHalfTyped(const QString& text) {
    return text.isEmpty() || text == QLatin1String("-");
}

} // namespace zantrel

#include "redmark.h"

#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStyle>
#include <QVariant>

namespace zantrel {

namespace {

const char* const kMarkedProperty = "marked";
const char* const kStoredProperty = "stored";

bool setProperty(QLineEdit* edit, const char* property, bool on) {
    if (edit->property(property).toBool() == on)
        return false;
    edit->setProperty(property, on);
    // The theme's rule for the property paints it: the style must read the box anew.
    edit->style()->unpolish(edit);
    edit->style()->polish(edit);
    edit->update();
    return true;
}

} // namespace

QColor markColour() {
    return QColor(255, 0, 0);
}

bool isMarked(const QLineEdit* edit) {
    return edit->property(kMarkedProperty).toBool();
}

bool setMarked(QLineEdit* edit, bool red) {
    const bool changed = setProperty(edit, kMarkedProperty, red);
    if (red)
        setStoredMark(edit, false); // one mark at a time: red wins
    return changed;
}

bool setStoredMark(QLineEdit* edit, bool stored, const QString& tooltip) {
    const bool changed = setProperty(edit, kStoredProperty, stored);
    if (stored)
        edit->setToolTip(tooltip);
    else if (changed)
        edit->setToolTip(QString());
    return changed;
}

bool hasStoredMark(const QLineEdit* edit) {
    return edit->property(kStoredProperty).toBool();
}

QString storedNote(const QString& range) {
    return QObject::tr("as stored, outside %1").arg(range);
}

void setAbsent(QWidget* control, bool absent) {
    const char* const property = "absent";
    if (absent && control->isEnabledTo(control->parentWidget())) {
        control->setEnabled(false);
        control->setProperty(property, true);
    } else if (!absent && control->property(property).toBool()) {
        control->setEnabled(true);
        control->setProperty(property, false);
    }
}

bool isHalfTyped(const QString& text) {
    return text.isEmpty() || text == QLatin1String("-");
}

} // namespace zantrel

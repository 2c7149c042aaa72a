#pragma once

#include <QColor>

class QLineEdit;
class QString;

namespace zantrel {

// The red of a range-checked box whose value the game would not accept.
QColor markColour();

// Marks `edit` red or takes the mark off; returns whether that changed anything.
bool setMarked(QLineEdit* edit, bool red);
bool isMarked(const QLineEdit* edit);

// A number still being typed ("" or a lone "-"): the range checks leave the marks as they are.
bool isHalfTyped(const QString& text);

} // namespace zantrel

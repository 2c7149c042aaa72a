#pragma once

#include <QColor>

class QLineEdit;
class QWidget;
class QString;

namespace zantrel {

// The red of a range-checked box whose value the game would not accept.
QColor markColour();

// Marks `edit` red or takes the mark off; returns whether that changed anything.
bool setMarked(QLineEdit* edit, bool red);
bool isMarked(const QLineEdit* edit);

// A value the user has not changed that lies outside its check: kept and saved as the file
// stores it, so it is shown with a mark of its own (amber, not red) that never stops a save.
// The tooltip says what the check would take.
bool setStoredMark(QLineEdit* edit, bool stored, const QString& tooltip = QString());
bool hasStoredMark(const QLineEdit* edit);

// The tooltip of such a value: "as stored, outside 0 .. 100".
QString storedNote(const QString& range);

// A control of a field that the short file does not hold wholly: disabled while absent, and
// enabled again for a file that holds it, unless it was disabled for a reason of its own.
void setAbsent(QWidget* control, bool absent);

// A number still being typed ("" or a lone "-"): the range checks leave the marks as they are.
bool isHalfTyped(const QString& text);

} // namespace zantrel

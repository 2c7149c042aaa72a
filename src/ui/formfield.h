#pragma once

#include "proto/document.h"
#include "proto/records.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QLineEdit;

namespace zantrel {

// The form engine's core, the same on every page: one record row and what its controls
// showed when it was filled. Pages show a value with showStored and read it back with
// parseValue through the row; this decides what the document and the save take. A field
// whose controls still show the state they were filled with writes back exactly its stored
// bytes, so a value the user did not touch keeps its bytes however odd they are.
struct FormField {
    RecordRow row;
    QString storedHex;    // the field's bytes as filled, in file order
    QString filled;       // the controls' state right after filling; null: always written
    bool present = false; // the bytes held the field
    bool typed = false;   // typed into since the filling

    // Before the controls are filled from bytes: the field's bytes; its state comes after.
    void fillFrom(const QByteArray& bytes);
    bool unchanged(const QString& state) const { return !filled.isNull() && state == filled; }
    // Unchanged and never typed into: a failing check marks it as stored, not red.
    bool untouched(const QString& state) const { return !typed && unchanged(state); }
};

// Shows a range check's outcome on a box: red when it fails on a value the user changed,
// amber with storedTip when it fails on one the user left as stored (saved as it is, never
// blocking). Returns whether the red mark changed.
bool markCheck(QLineEdit* box, bool fails, bool untouched, const QString& storedTip);

// A typed text as the critter and item pages read it: parseValue through the row, but a
// decimal beyond the signed 32-bit range does not convert there (the game adds their values
// as signed words; the command line takes the unsigned form too).
std::uint32_t signedValue(const RecordRow& row, const QString& text, const QByteArray& current);

// The fields a change of the document's bytes touched, as the document told them
// (Document::fieldChanged): what an undo or redo redraws.
class ChangedFields {
public:
    void add(int offset, int width) { m_spans.emplace_back(offset, width); }
    void clear() { m_spans.clear(); }
    bool touches(const RecordRow& row) const;

private:
    std::vector<std::pair<int, int>> m_spans;
};

// Appends the field's write: its stored bytes when unchanged (nothing when the bytes lacked
// it, so a short file keeps its length), else value() in 2 * width hex digits. A value that
// does not convert throws its UserError, or is left out with skipFailures.
void appendWrite(QList<FieldWrite>& writes, const FormField& field, const QString& state,
                 const std::function<std::uint32_t()>& value, bool skipFailures);

} // namespace zantrel

#include "formfield.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "proto/fieldcodec.h"
#include "ui/redmark.h"

namespace zantrel {

void FormField::fillFrom(const QByteArray& bytes) {
    storedHex = fieldToHex(bytes, row.offset, row.width);
    present = row.offset + row.width <= bytes.size();
    filled = QString();
    typed = false;
}

bool markCheck(QLineEdit* box, bool fails, bool untouched, const QString& storedTip) {
    const bool stored = fails && untouched;
    const bool changed = setMarked(box, fails && !stored);
    setStoredMark(box, stored, storedTip);
    return changed;
}

std::uint32_t signedValue(const RecordRow& row, const QString& text, const QByteArray& current) {
    const Display d = row.display;
    std::int32_t n = 0;
    if ((d == Display::Unsigned || d == Display::Signed || d == Display::SignedBonus ||
         d == Display::DamageCode || d == Display::Choice) &&
        !tryStrToInt(text, n))
        throw UserError(integerError(text));
    return parseValue(row, text, current);
}

bool ChangedFields::touches(const RecordRow& row) const {
    for (const auto& [offset, width] : m_spans)
        if (offset < row.offset + row.width && row.offset < offset + width)
            return true;
    return false;
}

void appendWrite(QList<FieldWrite>& writes, const FormField& field, const QString& state,
                 const std::function<std::uint32_t()>& value, bool skipFailures) {
    const RecordRow& r = field.row;
    if (field.unchanged(state)) {
        if (field.present)
            writes.append({r.offset, r.width, field.storedHex, true});
        return;
    }
    try {
        writes.append({r.offset, r.width, hexText(value(), 2 * r.width), false});
    } catch (const UserError&) {
        if (!skipFailures)
            throw;
    }
}

} // namespace zantrel

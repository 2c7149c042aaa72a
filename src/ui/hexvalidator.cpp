#include "hexvalidator.h"

#include "core/numbers.h"

#include <QLineEdit>

namespace zantrel {

HexValidator::HexValidator(QLineEdit* edit, int length, bool hexOnly)
    : QValidator(edit), m_edit(edit), m_length(length), m_hexOnly(hexOnly) {}

QValidator::State HexValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    if (m_length > 0 && input.size() > m_length && input.size() >= m_edit->text().size())
        return Invalid;
    if (m_hexOnly)
        for (QChar c : input)
            if (!isHexDigit(c))
                return Invalid;
    return Acceptable;
}

} // namespace zantrel

#pragma once

#include <QValidator>

class QLineEdit;

namespace zantrel {

// What typing may put into a box of hexadecimal digits: letters become upper case, only
// hex digits pass (unless hexOnly is off, as for the header's decimal display), and at
// most length characters when a length is given. A longer text the program put into the
// box may still be shortened. What the program itself sets is not checked.
class HexValidator : public QValidator {
public:
    explicit HexValidator(QLineEdit* edit, int length = 0, bool hexOnly = true);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_edit;
    int m_length; // 0: any length
    bool m_hexOnly;
};

} // namespace zantrel

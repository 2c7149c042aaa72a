// The header panel's notation: the boxes shown in hex or decimal, and converted between.
#include "headerpanel.h"

#include "core/numbers.h"
#include "hexvalidator.h"
#include "proto/fieldcodec.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace zantrel {

namespace {

// The seven boxes the display mode applies to, in conversion order, with their typed
// length: a conversion may put a longer text into a box ("FFFFFFFF" into Edit1).
const struct {
    int number;
    int length;
} kDisplayBoxes[] = {{1, 2}, {2, 4}, {3, 8}, {4, 2}, {5, 8}, {11, 2}, {12, 4}};

int typedLength(int number) {
    for (const auto& b : kDisplayBoxes)
        if (b.number == number)
            return b.length;
    return 8;
}

} // namespace

void HeaderPanel::applyValidators() {
    for (const auto& b : kDisplayBoxes) {
        QLineEdit* e = m_edits[b.number];
        const QValidator* old = e->validator();
        e->setValidator(new HexValidator(e, b.length, !decimal()));
        delete old;
    }
}

void HeaderPanel::showDecimal() {
    convert(true);
}

void HeaderPanel::showHex() {
    convert(false);
}

void HeaderPanel::selectHex() {
    if (decimal())
        m_hexButton->setChecked(true);
}

void HeaderPanel::convert(bool toDecimal) {
    const QScopedValueRollback<bool> converting(m_converting, true);
    applyValidators();
    for (const auto& b : kDisplayBoxes) {
        if (b.number == 5 && !hasScript())
            continue; // "<NONE>" stays
        const QString name = QStringLiteral("edit%1").arg(b.number);
        if (toDecimal)
            boxToDecimal(name);
        else
            boxToHex(name);
    }
    emit formatChanged(toDecimal);
}

void HeaderPanel::boxToDecimal(const QString& box) {
    const int n = box.mid(4).toInt();
    QLineEdit* e = edit(n);
    if (!e)
        return;
    const QString t = e->text();
    if ((n == 5 && t == QLatin1String("FFFFFFFF")) || (n == 12 && t == QLatin1String("FFFF")))
        e->setText(QStringLiteral("-1"));
    else
        e->setText(QString::number(hextoint(t)));
}

void HeaderPanel::boxToHex(const QString& box) {
    const int n = box.mid(4).toInt();
    QLineEdit* e = edit(n);
    if (!e)
        return;
    e->setText(hexText(lenientInt(e->text()), typedLength(n)));
}

QString HeaderPanel::hexOf(int number) const {
    const QString text = m_edits[number]->text();
    if (number == 13)
        return text; // the flags text is hexadecimal in both, its digits placed from the left
    if (!decimal())  // a number typed short reads as that number: "2" is 0002, not 00
        return text.size() < typedLength(number) ? text.rightJustified(typedLength(number), u'0')
                                                 : text;
    return hexText(lenientInt(text), typedLength(number));
}

} // namespace zantrel

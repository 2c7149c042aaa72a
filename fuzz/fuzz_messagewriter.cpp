// Setting one entry's text in any message file: that entry changes, nothing else does.
#include "fuzzsupport.h"

#include "gamedata/messagefile.h"
#include "core/usererror.h"
#include "gamedata/messagewriter.h"

#include <cstdint>

using fuzz::fail;

namespace {

// number -> text, the game's pick (the last of several) for every number but skip.
QHash<qint32, QByteArray> textsBut(const zantrel::MessageFile& file, qint32 skip) {
    QHash<qint32, QByteArray> out;
    for (const zantrel::MessageEntry& e : file.entries())
        if (e.number != skip)
            out.insert(e.number, file.find(e.number)->text);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const qint32 pick = qint32(input.byte()) % 8;
    // A text the writer accepts: no braces, no line breaks.
    QByteArray text = input.bytes(40);
    for (char& c : text)
        if (c == '{' || c == '}' || c == '\n' || c == '\r')
            c = '.';
    const QByteArray bytes = input.rest();
    const zantrel::MessageFile before(bytes);
    // An entry the file has (picked from its entries), or a number it may lack.
    qint32 number = 100 + pick;
    if (!before.entries().empty() && pick < 4)
        number = before.entries()[size_t(pick) % before.entries().size()].number;
    const zantrel::MessageEntry* old = before.find(number);

    QByteArray written;
    try {
        written = zantrel::setMessageTexts(bytes, {{number, text}});
    } catch (const zantrel::UserError&) {
        return 0; // refused: the property holds for what is written
    }
    const zantrel::MessageFile after(written);
    const zantrel::MessageEntry* now = after.find(number);
    if (!now || now->text != text)
        fail("setMessageTexts: the entry does not read back",
             QString::number(number) + QLatin1Char('\n') + QString::fromLatin1(written.toHex(' ')));
    if (textsBut(after, number) != textsBut(before, number))
        fail("setMessageTexts: another entry changed", QString::number(number));
    if (old) {
        // Only the bytes between the braces of the entry changed.
        if (written.left(old->textStart) != bytes.left(old->textStart) ||
            written.mid(written.size() - (bytes.size() - old->textEnd)) != bytes.mid(old->textEnd))
            fail("setMessageTexts: a byte outside the entry's text changed");
    } else if (written.size() <= bytes.size()) {
        fail("setMessageTexts: a missing entry was not added");
    }
    return 0;
}

// A message file as the game reads it: any bytes at all.
#include "fuzzsupport.h"

#include "gamedata/messagefile.h"

#include <cstdint>

using fuzz::fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const zantrel::MessageFile file(bytes);
    qsizetype last = -1;
    for (const zantrel::MessageEntry& e : file.entries()) {
        // Each entry lies inside the file, after the one before, its text between its braces.
        if (e.start <= last || e.start < 0 || e.textStart <= e.start || e.textEnd < e.textStart ||
            e.textEnd >= bytes.size() || bytes[e.start] != '{' || bytes[e.textStart - 1] != '{' ||
            bytes[e.textEnd] != '}')
            fail("MessageFile: an entry outside its braces", QString::number(e.number));
        // The game's text mode: CR LF is one line feed, and a line feed is dropped.
        QByteArray field = bytes.mid(e.textStart, e.textEnd - e.textStart);
        field.replace("\r\n", "\n").replace('\n', "");
        if (field != e.text)
            fail("MessageFile: a text is not its field without line breaks");
        if (e.line < 1 || e.line > bytes.count('\n') + 1)
            fail("MessageFile: a line outside the file", QString::number(e.line));
        const zantrel::MessageEntry* found = file.find(e.number);
        if (!found || found->number != e.number)
            fail("MessageFile: an entry its number does not find", QString::number(e.number));
        last = e.start;
    }
    if (file.unfinishedField() >= bytes.size())
        fail("MessageFile: an unfinished field past the end");
    return 0;
}

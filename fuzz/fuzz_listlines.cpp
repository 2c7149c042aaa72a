// A prototype list as the game reads it, and one more line appended: any bytes at all.
#include "fuzzsupport.h"

#include "gamedata/listfile.h"

#include <cstdint>

using fuzz::fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const QByteArray line = input.bytes(16).replace('\n', 'n').replace('\r', 'r');
    const QByteArray bytes = input.rest();
    const zantrel::ListFile list(bytes);
    // The game's count: one line per '\n', and one more for a last line without it.
    const int expected =
        int(bytes.count('\n')) + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
    if (list.count() != expected)
        fail("ListFile: not the game's count", QString::number(list.count()));
    qsizetype total = 0;
    for (int i = 0; i < list.count(); ++i) {
        const QByteArrayView whole = list.line(i);
        const QByteArrayView name = list.name(i);
        if (whole.contains('\n') || !whole.startsWith(name) || name.contains(' ') ||
            name.contains('\r'))
            fail("ListFile: a line or its name holds a line end", QString::number(i));
        total += whole.size();
    }
    if (total > bytes.size())
        fail("ListFile: the lines are longer than the file");
    const QByteArray grown = zantrel::appendListLine(bytes, line);
    const zantrel::ListFile after(grown);
    // The earlier lines stay as they were, the new one is the last, and the file is only added to.
    if (!grown.startsWith(bytes) || after.count() != list.count() + 1 ||
        after.line(after.count() - 1) != QByteArrayView(line))
        fail("appendListLine: not one more line at the end");
    for (int i = 0; i < list.count(); ++i)
        if (after.name(i) != list.name(i))
            fail("appendListLine: an earlier line changed", QString::number(i));
    return 0;
}

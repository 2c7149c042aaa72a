// The script and art lists as the editor and zantrel-cli read them from a user's data
// folder: any bytes at all.
#include "fuzzsupport.h"

#include "core/usererror.h"
#include "gamedata/gamedata.h"
#include "gamedata/gamenames.h"
#include "gamedata/lists.h"

#include <QDir>
#include <QFileInfo>

#include <cstdint>

using fuzz::fail;

namespace {

// The header's script and art boxes: the first 12 characters of each line, then "<NONE>".
// The inventory list and the names take whole lines; both modes count the same lines.
void checkModes(const QByteArray& bytes) {
    const zantrel::ListContents boxes = zantrel::readListBytes(bytes, zantrel::ListMode::First12);
    const zantrel::ListContents lines = zantrel::readListBytes(bytes, zantrel::ListMode::WholeLine);
    for (const zantrel::ListContents* list : {&boxes, &lines})
        if (list->count < 0 || list->entries.size() != list->count + 1 ||
            list->entries.last() != zantrel::kNoneEntry)
            fail("readListBytes: count and entries disagree", QString::number(list->count));
    if (boxes.count != lines.count)
        fail("readListBytes: the two modes count different lines");
    for (int i = 0; i < boxes.count; ++i)
        if (boxes.entries[i].size() > 12 || !lines.entries[i].startsWith(boxes.entries[i]))
            fail("readListBytes: a box entry is not the start of its line", boxes.entries[i]);
    for (const int index : {0, 1, 2, 7, 1000, -1, boxes.count - 1, boxes.count}) {
        const QString text = zantrel::scriptDescriptionBytes(bytes, index);
        if (text.size() > 46)
            fail("scriptDescriptionBytes: more than 46 characters", text);
    }
}

// The names behind the shown values: script(n) and frame(id) name a line exactly when the
// list has it.
void checkNames(const zantrel::GameData& data, int lineCount) {
    const zantrel::GameNames names(data);
    if (names.lineCount(zantrel::GameNames::scriptList()) != lineCount)
        fail("GameNames: the script list's line count is not the list's");
    const std::uint32_t critterArt = 1u << 24;
    for (const int line : {0, 1, 2, lineCount - 1, lineCount, 70000}) {
        if (line < 0)
            continue;
        const QString script = names.script(std::uint32_t(line));
        const QString frame = names.frame(critterArt | std::uint32_t(line));
        if (line >= lineCount && !(script.isEmpty() && frame.isEmpty()))
            fail("GameNames: a name for a line the list lacks", script + frame);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkModes(bytes);

    // Read where the editor reads them: a sources folder with the lists side by side.
    const QString sources = QFileInfo(fuzz::scratchPath("sources/x")).path();
    QDir().mkpath(sources);
    for (const char* name : {"sources/scripts.lst", "sources/critters.lst", "sources/inven.lst"})
        fuzz::writeScratch(name, data, size);
    zantrel::Settings settings;
    settings.useSources = QStringLiteral("1");
    settings.sourcesFolder = sources;
    const zantrel::GameData game(settings);
    try {
        const QByteArray read =
            game.read(zantrel::DataKind::ScriptList, QStringLiteral("scripts.lst"));
        if (read != bytes)
            fail("GameData: the script list reads other bytes than the file holds");
    } catch (const zantrel::UserError& e) {
        fail("GameData: a written list cannot be read", e.text());
    }
    checkNames(game, zantrel::readListBytes(bytes, zantrel::ListMode::WholeLine).count);
    return 0;
}

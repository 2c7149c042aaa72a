// Game list and message files as a user's data folder may hold them: any bytes at all.
#include "fuzzsupport.h"

#include "core/usererror.h"
#include "gamedata/lists.h"

#include <cstdint>

using fuzz::fail;

namespace {

void checkList(const zantrel::ListContents& list, zantrel::ListMode mode) {
    if (list.count < 0 || list.entries.size() != list.count + 1 ||
        list.entries.last() != zantrel::kNoneEntry)
        fail("readlist: count and entries disagree", QString::number(list.count));
    if (mode == zantrel::ListMode::First12)
        for (const QString& e : list.entries)
            if (e.size() > 12)
                fail("readlist: First12 entry longer than 12 characters", e);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeScratch("list.txt", data, size);

    for (auto mode : {zantrel::ListMode::First12, zantrel::ListMode::WholeLine}) {
        try {
            checkList(zantrel::readlist(path, mode), mode);
        } catch (const zantrel::UserError&) {
        }
    }

    // Numbers a message file starts with, ends with, lacks, and the edges of the range.
    const qint64 numbers[] = {0, 100, 101, 3099, -1, 2147483647, 2147483648LL};
    for (auto variant : {zantrel::MessageVariant::ObjectName, zantrel::MessageVariant::ProtoMsg}) {
        for (const qint64 number : numbers) {
            try {
                zantrel::findmessage(path, number, variant);
            } catch (const zantrel::UserError&) {
            }
        }
    }

    try {
        zantrel::readsection(path);
    } catch (const zantrel::UserError&) {
    }

    for (const int index : {0, 1, 2, 7, 1000, -1}) {
        try {
            const QString text = zantrel::scriptdescription(path, index);
            if (text.size() > 46)
                fail("scriptdescription: more than 46 characters", text);
        } catch (const zantrel::UserError&) {
        }
    }
    return 0;
}

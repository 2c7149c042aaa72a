// A prototype's record as the editor's forms and zantrel-cli's show and set use it: every
// row of the record the bytes give is shown, checked, read back and written back. Files
// come from mods of every quality, so the bytes may be anything.
#include "fuzzsupport.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "proto/document.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"

#include <cstdint>

using fuzz::fail;
using zantrel::Display;
using zantrel::RecordRow;

namespace {

// Names as a mod's message files and lists may give them: any text, for the lists the game
// names in its files; the lists of the game's code keep the program's own names.
class InputNames : public zantrel::Names {
public:
    explicit InputNames(const QStringList& names) : m_names(names) {}
    QString choice(zantrel::Choices list, std::uint32_t value) const override {
        switch (list) {
        case zantrel::Choices::Material:
        case zantrel::Choices::ItemKind:
        case zantrel::Choices::SceneryKind:
        case zantrel::Choices::DamageType:
        case zantrel::Choices::Caliber:
            return pick(value + std::uint32_t(list));
        default:
            return zantrel::builtinChoiceName(list, value);
        }
    }
    QString perk(std::int32_t perk) const override { return pick(std::uint32_t(perk) + 11); }
    QString statistic(std::int32_t stat) const override { return pick(std::uint32_t(stat) + 13); }
    QString script(std::uint32_t line) const override { return pick(line + 17); }
    QString frame(std::uint32_t id) const override { return pick(id + 19); }
    QString prototype(std::uint32_t id) const override { return pick(id + 23); }
    QString protoMessage(int number) const override { return pick(std::uint32_t(number) + 29); }

private:
    QString pick(std::uint32_t n) const {
        return m_names.isEmpty() ? QString() : m_names[int(n % std::uint32_t(m_names.size()))];
    }
    QStringList m_names;
};

// Displays whose shown text is not meant to give the stored number back: percent rounds.
bool promisesRoundTrip(Display display) {
    return display != Display::Percent;
}

QString where(const RecordRow& row, const QString& text) {
    return row.name + QStringLiteral(": '") + text + QLatin1Char('\'');
}

// One field written as the forms write a typed value; nothing outside it may change.
QByteArray written(const QByteArray& bytes, const RecordRow& row, std::uint32_t value) {
    const QByteArray out = zantrel::applyFields(
        bytes, {{row.offset, row.width, zantrel::hexText(value, 2 * row.width), false}});
    if (out.size() != bytes.size() || out.left(row.offset) != bytes.left(row.offset) ||
        out.mid(row.offset + row.width) != bytes.mid(row.offset + row.width))
        fail("applyFields: a write outside its field", row.name);
    const std::uint32_t mask = row.width == 4 ? 0xFFFFFFFFu : (1u << (8 * row.width)) - 1;
    if (zantrel::fieldValue(out, row.offset, row.width) != (value & mask))
        fail("applyFields: the field does not hold the value written", row.name);
    return out;
}

void shownReadsBack(const zantrel::Record& record, const RecordRow& row, const QByteArray& bytes,
                    const zantrel::Names* names) {
    const std::uint32_t stored = zantrel::fieldValue(bytes, row.offset, row.width);
    const QString shown = zantrel::showField(row, bytes, names);
    zantrel::checkField(record, row, bytes);
    std::uint32_t back = 0;
    try {
        back = zantrel::parseValue(row, shown, bytes, names);
    } catch (const zantrel::UserError& e) {
        if (promisesRoundTrip(row.display))
            fail("parseValue: a shown value does not read back", where(row, shown) + e.text());
        return;
    }
    if (promisesRoundTrip(row.display) && back != stored)
        fail("parseValue: a shown value reads back as another stored value", where(row, shown));
    const QByteArray out = written(bytes, row, back);
    if (promisesRoundTrip(row.display) && out != bytes)
        fail("applyFields: writing back a shown value changed the bytes", where(row, shown));
}

// A text typed into the field: once read, its shown text reads back to the same value.
void typedReadsBack(const zantrel::Record& record, const RecordRow& row, const QByteArray& bytes,
                    const QString& typed, const zantrel::Names* names) {
    std::uint32_t value = 0;
    try {
        value = zantrel::parseValue(row, typed, bytes, names);
    } catch (const zantrel::UserError&) {
        return;
    }
    const QByteArray out = written(bytes, row, value);
    zantrel::checkField(record, row, out);
    shownReadsBack(record, row, out, names);
}

// Every field left as it was, as a save writes the untouched ones: the same bytes, and rows
// past the end of a short file are not written, so it keeps its length.
void untouchedKeepsBytes(const zantrel::Record& record, const QByteArray& bytes) {
    QList<zantrel::FieldWrite> writes;
    for (const RecordRow& row : zantrel::recordRows(record.objectType, record.kindNumber))
        writes.append(
            {row.offset, row.width, zantrel::fieldToHex(bytes, row.offset, row.width), true});
    if (zantrel::applyFields(bytes, writes) != bytes)
        fail("applyFields: untouched fields changed the bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader in(data, size);
    const std::uint8_t mode = in.byte();
    const QByteArray typedBytes = in.bytes(40);
    const QByteArray nameBytes = in.bytes(120);
    QByteArray bytes = in.rest();
    // The type byte and the kind word, small enough to reach every table (6: an unknown
    // type, 7 / 6: an unknown kind), unless the input keeps its own.
    if (mode & 2 && !bytes.isEmpty())
        bytes[0] = char((mode >> 2) % 7);
    if (mode & 2 && bytes.size() >= zantrel::kKindOffset + 4)
        zantrel::setFieldValue(bytes, zantrel::kKindOffset, 4, (mode >> 5) % 8);

    const QString typed =
        mode & 1 ? QString::fromUtf8(typedBytes) : QString::fromLatin1(typedBytes);
    const InputNames inputNames(QString::fromUtf8(nameBytes).split(QLatin1Char('\n')));
    const zantrel::Names* names = mode & 1 ? &inputNames : nullptr;

    const zantrel::Record record = zantrel::recordFor(bytes);
    if (record.length != bytes.size())
        fail("recordFor: the record's length is not the file's");
    for (const RecordRow& row : record.rows) {
        if (row.offset < 0 || row.offset + row.width > bytes.size())
            fail("recordFor: a row outside the bytes", row.name);
        shownReadsBack(record, row, bytes, names);
        typedReadsBack(record, row, bytes, typed, names);
    }
    untouchedKeepsBytes(record, bytes);
    return 0;
}

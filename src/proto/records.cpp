#include "records.h"

#include "critterrows.h"
#include "document.h"
#include "fieldcodec.h"
#include "recordkinds.h"

#include <algorithm>

namespace zantrel {

namespace {

using D = Display;
using C = Choices;
using K = RowCheck;

constexpr int kTypes = 6;
const char* const kTypeNames[kTypes] = {"item", "critter", "scenery", "wall", "tile", "misc"};

void addIdentity(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(0, 4, "Object id", D::ProtoId));
    rows.push_back(makeRow(4, 4, "Text id", D::Unsigned));
    rows.push_back(makeRow(8, 4, "Frame id", D::FrameId));
}

void addLight(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(12, 4, "Light radius", D::Unsigned, C::None, K::LightRadius));
    rows.push_back(makeRow(16, 4, "Light intensity, percent", D::Percent, C::None, K::Intensity));
}

// Flags and flags for use as two words, the layout of scenery, walls, tiles and misc objects.
void addFlagWords(std::vector<RecordRow>& rows, int offset) {
    rows.push_back(makeRow(offset, 4, "Flags", D::HexFlags));
    rows.push_back(makeRow(offset + 4, 4, "Flags for use", D::HexFlags));
}

std::vector<RecordRow> critterRows() {
    std::vector<RecordRow> rows;
    addIdentity(rows);
    rows.push_back(makeRow(20, 4, "Flags", D::HexFlags));
    rows.push_back(makeRow(28, 4, "Script id", D::ScriptId));
    rows.insert(rows.end(), critterPageRows().begin(), critterPageRows().end());
    // The words holding the one-byte body and kill types keep their other bytes.
    rows.push_back(makeRow(400, 2, "Body type (unused bytes)", D::HexFlags));
    rows.push_back(makeRow(402, 1, "Body type (unused byte)", D::HexFlags));
    rows.push_back(makeRow(408, 2, "Kill type (unused bytes)", D::HexFlags));
    rows.push_back(makeRow(410, 1, "Kill type (unused byte)", D::HexFlags));
    return rows;
}

std::vector<RecordRow> itemRows(int kind) {
    std::vector<RecordRow> rows;
    addIdentity(rows);
    addLight(rows);
    rows.push_back(makeRow(20, 4, "Flags", D::HexFlags));
    // Byte 24 is the window's hidden-item marker; the rest of the flags-for-use word holds
    // the use flags and the attack modes.
    rows.push_back(makeRow(25, 1, "Flags for use (bits 16-23)", D::HexFlags));
    rows.push_back(makeRow(26, 1, "Flags for use", D::HexFlags));
    rows.push_back(makeRow(27, 1, "Attack modes", D::AttackModes, C::AttackMode));
    rows.push_back(makeRow(28, 4, "Script id", D::ScriptId));
    rows.push_back(makeRow(56, 1, "Sound id", D::SoundCode));
    // The common fields the item page shows, placed in its two groups (tab 0: Graphics,
    // 1: Item Type). The art type byte and the picture index share one control and so its
    // name; the byte has no place of its own.
    const auto shown = [&rows](RecordRow r, const char* control, RowPlace place = {}) {
        r.control = QLatin1String(control);
        r.place = place;
        rows.push_back(r);
    };
    shown(makeRow(52, 1, "Pic in Inventory (art type)", D::Unsigned), "ComboBox8");
    shown(
        makeRow(53, 1, QT_TRANSLATE_NOOP("Item", "Frame Shift"), D::Shift, C::None, K::FrameShift),
        "Edit114", {0, 1, 1, QT_TRANSLATE_NOOP("Item", "Frame Shift:")});
    shown(makeRow(54, 2, QT_TRANSLATE_NOOP("Item", "Pic in Inventory"), D::Picture), "ComboBox8",
          {0, 0, 1, QT_TRANSLATE_NOOP("Item", "Pic in Inventory:")});
    shown(makeRow(32, 4, QT_TRANSLATE_NOOP("Item", "Item Type"), D::Choice, C::ItemKind),
          "ComboBox9", {1, 0, 0, QT_TRANSLATE_NOOP("Item", "Item Type:")});
    shown(makeRow(36, 4, QT_TRANSLATE_NOOP("Item", "Material"), D::Choice, C::Material),
          "ComboBox10", {1, 0, 1, QT_TRANSLATE_NOOP("Item", "Material:")});
    shown(makeRow(40, 4, QT_TRANSLATE_NOOP("Item", "Volume"), D::Signed, C::None, K::NotNegative),
          "Edit113", {1, 2, 2, QT_TRANSLATE_NOOP("Item", "Volume:")});
    shown(makeRow(44, 4, QT_TRANSLATE_NOOP("Item", "Weight"), D::Signed), "Edit115",
          {1, 3, 2, QT_TRANSLATE_NOOP("Item", "Weight:")});
    shown(makeRow(48, 4, QT_TRANSLATE_NOOP("Item", "Price"), D::Signed, C::None, K::NotNegative),
          "Edit116", {1, 4, 2, QT_TRANSLATE_NOOP("Item", "Price:")});
    // The check box's own text is its caption.
    shown(makeRow(24, 1, QT_TRANSLATE_NOOP("Item", "Hidden Item"), D::Marker), "CheckBox43",
          {1, 1, 0, QT_TRANSLATE_NOOP("Item", "Hidden Item")});
    addItemKindRows(rows, kind);
    return rows;
}

std::vector<RecordRow> sceneryRows(int kind) {
    std::vector<RecordRow> rows;
    addIdentity(rows);
    addLight(rows);
    addFlagWords(rows, 20);
    rows.push_back(makeRow(28, 4, "Script id", D::ScriptId));
    rows.push_back(makeRow(32, 4, "Scenery kind", D::Choice, C::SceneryKind));
    rows.push_back(makeRow(36, 4, "Material", D::Choice, C::Material));
    rows.push_back(makeRow(40, 1, "Sound id", D::SoundCode));
    addSceneryKindRows(rows, kind);
    return rows;
}

std::vector<RecordRow> plainRows(int type) {
    std::vector<RecordRow> rows;
    addIdentity(rows);
    if (type == 3) {
        addLight(rows);
        addFlagWords(rows, 20);
        rows.push_back(makeRow(28, 4, "Script id", D::ScriptId));
        rows.push_back(makeRow(32, 4, "Material", D::Choice, C::Material));
    } else if (type == 4) { // no light fields
        addFlagWords(rows, 12);
        rows.push_back(makeRow(20, 4, "Script id", D::ScriptId));
        rows.push_back(makeRow(24, 4, "Material", D::Choice, C::Material));
    } else if (type == 5) { // no script
        addLight(rows);
        addFlagWords(rows, 20);
    }
    return rows;
}

struct Table {
    std::vector<RecordRow> rows;
    int length = 12;
};

// "Range, primary attack" of a weapon: "WeaponRangePrimaryAttack"; a name that starts with
// the prefix's word keeps it once ("Scenery kind": "SceneryKind").
QString controlName(const QString& prefix, const QString& name) {
    QString camel;
    bool wordStart = true;
    for (QChar c : name) {
        if (!c.isLetterOrNumber()) {
            wordStart = true;
            continue;
        }
        camel += wordStart ? c.toUpper() : c;
        wordStart = false;
    }
    return camel.startsWith(prefix) ? camel : prefix + camel;
}

// Controls for the rows the header panel does not show: the object id, text id, frame id,
// flags and script words are its own.
void nameControls(std::vector<RecordRow>& rows, int type, const char* common, const char* kind) {
    const HeaderLayout layout = headerLayout(type);
    for (RecordRow& r : rows) {
        if (!r.control.isEmpty() || r.offset < 12 || r.offset == layout.flagsOffset ||
            r.offset == layout.scriptOffset)
            continue;
        const bool kindRow = kind && r.offset >= (type == 0 ? 57 : 41);
        r.control = controlName(QLatin1String(kindRow ? kind : common), r.name);
    }
}

Table sorted(std::vector<RecordRow> rows) {
    std::sort(rows.begin(), rows.end(),
              [](const RecordRow& a, const RecordRow& b) { return a.offset < b.offset; });
    Table t;
    t.length = rows.empty() ? 0 : rows.back().offset + rows.back().width;
    t.rows = std::move(rows);
    return t;
}

// Every table is built once: item kinds 0..6 and unknown (7), scenery kinds 0..5 and
// unknown (6), the other types, and the bare header of unknown types.
struct Tables {
    Table items[kItemKinds + 1];
    Table scenery[kSceneryKinds + 1];
    Table critter, wall, tile, misc, unknown;

    Tables() {
        for (int k = 0; k <= kItemKinds; ++k)
            items[k] = sorted(
                named(itemRows(k), 0, "Item", k < kItemKinds ? kItemKindPrefixes[k] : nullptr));
        for (int k = 0; k <= kSceneryKinds; ++k)
            scenery[k] = sorted(named(sceneryRows(k), 2, "Scenery",
                                      k < kSceneryKinds ? kSceneryKindPrefixes[k] : nullptr));
        critter = sorted(critterRows());
        wall = sorted(named(plainRows(3), 3, "Wall", nullptr));
        tile = sorted(named(plainRows(4), 4, "Tile", nullptr));
        misc = sorted(named(plainRows(5), 5, "Misc", nullptr));
        unknown = sorted(plainRows(-1));
    }

    static std::vector<RecordRow> named(std::vector<RecordRow> rows, int type, const char* common,
                                        const char* kind) {
        nameControls(rows, type, common, kind);
        return rows;
    }
};

const Table& tableFor(int type, int kind) {
    static const Tables tables;
    switch (type) {
    case 0:
        return tables.items[kind >= 0 && kind < kItemKinds ? kind : kItemKinds];
    case 1:
        return tables.critter;
    case 2:
        return tables.scenery[kind >= 0 && kind < kSceneryKinds ? kind : kSceneryKinds];
    case 3:
        return tables.wall;
    case 4:
        return tables.tile;
    case 5:
        return tables.misc;
    default:
        return tables.unknown;
    }
}

void describeKind(Record& r, const QByteArray& bytes) {
    const bool item = r.objectType == 0;
    const int count = item ? kItemKinds : kSceneryKinds;
    const char* const* names = item ? kItemKindNames : kSceneryKindNames;
    // The kind word: its number when known, else -1.
    const bool hasKind = bytes.size() >= kKindOffset + 4;
    const std::uint32_t word = hasKind ? fieldValue(bytes, kKindOffset, 4) : 0xFFFFFFFFu;
    r.kindNumber = word < std::uint32_t(count) ? int(word) : -1;
    if (r.kindNumber >= 0) {
        r.kind = QString::fromLatin1(names[r.kindNumber]);
    } else if (hasKind) {
        r.problems << QStringLiteral("The %1 kind %2 is not known: only the common fields "
                                     "are described")
                          .arg(r.type)
                          .arg(word);
    }
}

} // namespace

Record recordFor(const QByteArray& bytes) {
    Record r;
    r.length = int(bytes.size());
    r.objectType = bytes.isEmpty() ? -1 : int(std::uint8_t(bytes[0]));
    if (r.objectType >= 0 && r.objectType < kTypes) {
        r.type = QString::fromLatin1(kTypeNames[r.objectType]);
    } else {
        r.type = QStringLiteral("unknown");
        r.problems << QStringLiteral("The object type %1 is not known: only the header is "
                                     "described")
                          .arg(r.objectType);
    }
    if (r.objectType == 0 || r.objectType == 2)
        describeKind(r, bytes);
    const Table& table = tableFor(r.objectType, r.kindNumber);
    r.expectedLength = table.length;
    r.rows.reserve(table.rows.size());
    for (const RecordRow& row : table.rows)
        if (row.offset + row.width <= r.length)
            r.rows.push_back(row);
    if (r.length != r.expectedLength) {
        const QString what = r.kind.isEmpty() ? r.type : r.type + QLatin1Char(' ') + r.kind;
        r.problems << QStringLiteral("The file has %1 bytes; a %2 has %3")
                          .arg(r.length)
                          .arg(what)
                          .arg(r.expectedLength);
    }
    return r;
}

const std::vector<RecordRow>& recordRows(int objectType, int kind) {
    return tableFor(objectType, kind).rows;
}

int recordLength(int objectType, int kind) {
    return tableFor(objectType, kind).length;
}

std::uint32_t defaultStored(const RecordRow& row) {
    const Display d = row.display;
    const bool none = d == Display::ScriptId || d == Display::ProtoId || d == Display::Perk ||
                      d == Display::Destination;
    return none ? 0xFFFFFFFFu : 0u;
}

QByteArray defaultRecord(int objectType, int kind) {
    QByteArray bytes(recordLength(objectType, kind), '\0');
    for (const RecordRow& row : recordRows(objectType, kind))
        setFieldValue(bytes, row.offset, row.width, defaultStored(row));
    // Its own id is a prototype id too, but never none: the type, numbered later.
    setFieldValue(bytes, 0, 4, std::uint32_t(objectType) << 24);
    if ((objectType == 0 || objectType == 2) && bytes.size() >= kKindOffset + 4)
        setFieldValue(bytes, kKindOffset, 4, std::uint32_t(kind));
    return bytes;
}

namespace {

std::vector<RecordRow> headerBoxes(int type) {
    const HeaderLayout layout = headerLayout(type);
    const struct {
        int offset, width;
        const char* control;
        const char* name;
    } boxes[] = {
        {0, 1, "Edit1", QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Object type")},
        {8, 1, "Edit4", QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Frame ID, object type")},
        {9, 1, "Edit11", QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Frame ID, frame shift")},
        {2, 2, "Edit2", QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Object ID")},
        {4, 4, "Edit3", QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Object ID x 100")},
        {layout.scriptOffset, 4, "Edit5", QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Script ID")},
        {10, 2, "Edit12", QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Frame ID, number")},
        {layout.flagsOffset, 4, "Edit13", "Flags"},
    };
    std::vector<RecordRow> rows;
    for (const auto& b : boxes) {
        if (b.offset < 0)
            continue; // a misc object has no script field
        RecordRow r = makeRow(b.offset, b.width, b.name, D::HexFlags);
        r.control = QLatin1String(b.control);
        rows.push_back(r);
    }
    return rows;
}

} // namespace

const std::vector<RecordRow>& headerRows(int objectType) {
    // Tiles and misc objects keep their words elsewhere; every other type as items do.
    static const std::vector<RecordRow> tables[3] = {headerBoxes(0), headerBoxes(4),
                                                     headerBoxes(5)};
    return tables[objectType == 4 ? 1 : objectType == 5 ? 2 : 0];
}

const RecordRow* rowAt(const std::vector<RecordRow>& rows, int offset) {
    for (const RecordRow& r : rows)
        if (r.offset == offset)
            return &r;
    return nullptr;
}

const RecordRow* findRow(const Record& record, const QString& name) {
    const QString wanted = name.trimmed();
    for (const RecordRow& row : record.rows)
        if (row.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

} // namespace zantrel

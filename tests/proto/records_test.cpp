#include "core/usererror.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "support/gamedata.h"

#include <gtest/gtest.h>

#include <set>

using namespace zantrel;

namespace {

// A prototype of a type, with the kind word at 32 for items and scenery.
QByteArray prototype(int type, int kind, int length) {
    QByteArray bytes = makePrototype(type, length);
    if (kind >= 0)
        setFieldValue(bytes, 32, 4, std::uint32_t(kind));
    return bytes;
}

const RecordRow& row(const Record& r, const char* name) {
    const RecordRow* found = findRow(r, QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no row ") + name);
    return *found;
}

struct Layout {
    int type;
    int kind;
    int length;
    const char* typeName;
    const char* kindName;
};

const Layout kLayouts[] = {
    {0, 0, 129, "item", "armor"},
    {0, 1, 65, "item", "container"},
    {0, 2, 125, "item", "drug"},
    {0, 3, 122, "item", "weapon"},
    {0, 4, 81, "item", "ammo"},
    {0, 5, 69, "item", "misc"},
    {0, 6, 61, "item", "key"},
    {1, -1, 416, "critter", ""},
    {2, 0, 49, "scenery", "door"},
    {2, 1, 49, "scenery", "stairs"},
    {2, 2, 49, "scenery", "elevator"},
    {2, 3, 45, "scenery", "ladder up"},
    {2, 4, 45, "scenery", "ladder down"},
    {2, 5, 45, "scenery", "generic"},
    {3, -1, 36, "wall", ""},
    {4, -1, 28, "tile", ""},
    {5, -1, 28, "misc", ""},
};

} // namespace

TEST(Records, EveryByteOfEveryLayoutOnceInOffsetOrderWithUniqueNames) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(std::string(l.typeName) + " " + l.kindName);
        const Record r = recordFor(prototype(l.type, l.kind, l.length));
        EXPECT_EQ(r.type, QLatin1String(l.typeName));
        EXPECT_EQ(r.kind, QLatin1String(l.kindName));
        EXPECT_EQ(r.expectedLength, l.length);
        EXPECT_TRUE(r.problems.isEmpty()) << r.problems.join(";").toStdString();
        int next = 0;
        std::set<QString> names;
        for (const RecordRow& row : r.rows) {
            EXPECT_EQ(row.offset, next) << row.name.toStdString();
            EXPECT_TRUE(row.width == 1 || row.width == 2 || row.width == 4);
            EXPECT_TRUE(names.insert(row.name.toLower()).second) << row.name.toStdString();
            next = row.offset + row.width;
        }
        EXPECT_EQ(next, l.length);
    }
}

TEST(Records, WindowTablesGiveTheirNames) {
    const Record critter = recordFor(prototype(1, -1, 416));
    EXPECT_EQ(row(critter, "strength (base)").offset, 48);
    EXPECT_EQ(row(critter, "Strength (base)").partner, 188); // checked with the extra value
    EXPECT_EQ(row(critter, "Body type").width, 1);
    const Record item = recordFor(prototype(0, 3, 122));
    EXPECT_EQ(row(item, "Hidden Item").offset, 24);
    EXPECT_EQ(row(item, "Pic in Inventory").offset, 54);
    EXPECT_EQ(row(item, "Pic in Inventory (art type)").offset, 52);
}

TEST(Records, ShortLongAndUnknownFilesSayWhy) {
    struct Case {
        QByteArray bytes;
        int rows;
        const char* problem;
    };
    const Case cases[] = {
        {prototype(0, 3, 100), 30, "The file has 100 bytes; a item weapon has 122"},
        {prototype(3, -1, 40), 9, "The file has 40 bytes; a wall has 36"},
        {prototype(7, -1, 40), 3, "The object type 7 is not known: only the header is described"},
        {prototype(0, 9, 57), 20,
         "The item kind 9 is not known: only the common fields are described"},
        {prototype(2, 6, 45), 11,
         "The scenery kind 6 is not known: only the common fields are described"},
    };
    for (const Case& c : cases) {
        const Record r = recordFor(c.bytes);
        EXPECT_EQ(int(r.rows.size()), c.rows) << c.problem;
        EXPECT_TRUE(r.problems.contains(QLatin1String(c.problem)))
            << r.problems.join(";").toStdString();
        for (const RecordRow& row : r.rows)
            EXPECT_LE(row.offset + row.width, c.bytes.size());
    }
}

namespace {

// Names for every kind of lookup, so a test sees which one was asked.
class FakeNames : public Names {
public:
    QString choice(Choices, std::uint32_t v) const override { return v == 2 ? "Plastic" : ""; }
    QString perk(std::int32_t p) const override { return QStringLiteral("perk%1").arg(p); }
    QString statistic(std::int32_t s) const override { return QStringLiteral("stat%1").arg(s); }
    QString script(std::uint32_t l) const override { return QStringLiteral("s%1.int").arg(l); }
    QString frame(std::uint32_t id) const override { return QStringLiteral("f%1").arg(id >> 24); }
    QString prototype(std::uint32_t) const override { return "Knife "; }
    QString protoMessage(int n) const override { return QStringLiteral("msg%1").arg(n); }
};

} // namespace

TEST(Records, ShownTextsPerDisplayWithAndWithoutNames) {
    const Record weapon = recordFor(prototype(0, 3, 122));
    const Record critter = recordFor(prototype(1, -1, 416));
    const Record stairs = recordFor(prototype(2, 1, 49));
    const Record drug = recordFor(prototype(0, 2, 125));
    const FakeNames names;
    struct Case {
        const Record* record;
        const char* row;
        std::uint32_t stored;
        const char* bare;
        const char* named;
    };
    const Case cases[] = {
        {&weapon, "Text id", 4294967295u, "4294967295", "4294967295"},
        {&weapon, "Minimum damage", 0xFFFFFFFEu, "-2", "-2"},
        {&weapon, "Flags", 0x2008, "00002008", "00002008"},
        {&weapon, "Flags for use", 0x0A, "0A", "0A"},
        {&weapon, "Light intensity, percent", 65536, "100", "100"},
        {&weapon, "Light intensity, percent", 0u - 3277u, "-5", "-5"}, // reads back as typed
        {&weapon, "Script id", 0x03000005, "5", "5 (s5.int)"},
        {&weapon, "Script id", 0xFFFFFFFF, "-1", "-1"},
        {&weapon, "Frame id", 0x0100002A, "0100002A", "0100002A (f1)"},
        {&weapon, "Ammo prototype id", 0x00000007, "00000007", "00000007 (Knife)"},
        {&weapon, "Material", 2, "2", "2 (Plastic)"},
        {&weapon, "Material", 99, "99", "99"}, // unknown entries stay numbers
        {&weapon, "Perk", 0xFFFFFFFF, "-1", "-1"},
        {&weapon, "Perk", 3, "3", "3 (perk3)"},
        {&drug, "Statistic 1", 0xFFFFFFFE, "-2", "-2"},
        {&drug, "Statistic 2", 4, "4", "4 (stat4)"},
        {&weapon, "Weapon sound id", 'W', "W", "W"},
        {&weapon, "Sound id", 0, "#0", "#0"},
        {&weapon, "Attack modes", 0x76, "6 / 7", "6 / 7"},
        {&weapon, "Hidden Item", 8, "yes", "yes"},
        {&weapon, "Frame Shift", 255, "-1", "-1"},
        {&weapon, "Pic in Inventory", 65535, "-1", "-1"},
        {&weapon, "Pic in Inventory", 1, "1", "1 (f7)"},
        {&stairs, "Destination", 0x24000064, "elevation 1, facing 1, tile 100",
         "elevation 1, facing 1, tile 100"},
        {&critter, "Body type", 1, "401", "401 (msg401)"},
        {&critter, "Hit Points (extra)", 0xFFFFFFFF, "-1", "-1"},
        {&critter, "Talking head number", 0xFFFFFFFF, "-1", "-1"},
        {&critter, "Critter's damage type", 3, "03", "03"},
        {&critter, "Gender (base)", 1, "1", "1"},
    };
    for (const Case& c : cases) {
        const RecordRow& r = row(*c.record, c.row);
        EXPECT_EQ(showStored(r, c.stored), QLatin1String(c.bare)) << c.row;
        EXPECT_EQ(showStored(r, c.stored, &names), QLatin1String(c.named)) << c.row;
    }
}

TEST(Records, TypedTextsReadBack) {
    const QByteArray bytes = prototype(0, 3, 122);
    const Record weapon = recordFor(bytes);
    const QByteArray stairsBytes = prototype(2, 1, 49);
    const Record stairs = recordFor(stairsBytes);
    const QByteArray critterBytes = prototype(1, -1, 416);
    const Record critter = recordFor(critterBytes);
    struct Case {
        const Record* record;
        const char* row;
        const char* text;
        std::uint32_t stored;
    };
    const Case cases[] = {
        {&weapon, "Text id", "4294967295", 0xFFFFFFFF},
        {&weapon, "Minimum damage", "-2", 0xFFFFFFFE},
        {&weapon, "Material", "wood", 3},
        {&weapon, "Material", "3 (Wood)", 3},
        {&weapon, "Material", "42", 42}, // kept though it names nothing
        {&weapon, "Animation", "Big gun", 8},
        {&weapon, "Attack modes", "punch / Fire burst", 0x71},
        {&weapon, "Attack modes", "118", 118},
        {&weapon, "Attack modes", "1 / 6", 0x61},         // as shown without names
        {&weapon, "Script id", "7 (s7.int)", 0x03000007}, // the type byte stays
        {&weapon, "Script id", "0x04000001", 0x04000001},
        {&weapon, "Script id", "-1", 0xFFFFFFFF},
        {&weapon, "Frame id", "-1", 0xFFFFFFFF},
        {&weapon, "Frame id", "0100002a", 0x0100002A},
        {&weapon, "Light intensity, percent", "50", 32768},
        {&weapon, "Light intensity, percent", "-5", 0u - 3277u},
        {&weapon, "Weapon sound id", "#0", 0},
        {&weapon, "Weapon sound id", "x", 'x'},
        {&weapon, "Hidden Item", "yes", 8},
        {&weapon, "Frame Shift", "-1", 255},
        {&weapon, "Pic in Inventory", "-1", 65535},
        {&weapon, "Flags for use", "a0", 0xA0},
        {&stairs, "Destination", "elevation 2, tile 5", 0x40000005},
        {&stairs, "Destination", "-1", 0xFFFFFFFF},
        // Shown unsigned above the signed range, as real critters store CC CC CC CC.
        {&critter, "Hit Points (extra)", "3435973836", 0xCCCCCCCC},
        {&critter, "Hit Points (extra)", "-256", 0xFFFFFF00},
        {&critter, "Critter's damage type", "3435973836", 0xCCCCCCCC},
        {&critter, "Critter's damage type", "03", 3},
    };
    for (const Case& c : cases) {
        const RecordRow& r = row(*c.record, c.row);
        const QByteArray& current = c.record == &stairs    ? stairsBytes
                                    : c.record == &critter ? critterBytes
                                                           : bytes;
        EXPECT_EQ(parseValue(r, QString::fromLatin1(c.text), current), c.stored) << c.text;
    }
}

TEST(Records, TextsThatDoNotConvertSayWhy) {
    const QByteArray bytes = prototype(0, 3, 122);
    const Record weapon = recordFor(bytes);
    const Record critter = recordFor(prototype(1, -1, 416));
    const Record stairs = recordFor(prototype(2, 1, 49));
    struct Case {
        const Record* record;
        const char* row;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {&weapon, "Minimum damage", "abc", "'abc' is not a valid integer value"},
        {&weapon, "Material", "unobtainium", "'unobtainium' is not a valid integer value"},
        {&weapon, "Flags", "2008",
         "'2008' is not a valid flag word: eight hexadecimal digits are needed"},
        {&weapon, "Flags for use", "100",
         "'100' is not a valid flag word: two hexadecimal digits are needed"},
        {&weapon, "Frame id", "xyz",
         "'xyz' is not a valid frame id: type -1 for none, or up to eight hexadecimal digits"},
        {&weapon, "Frame Shift", "256", "'256' is out of range: it must lie within -1 .. 255"},
        {&weapon, "Pic in Inventory", "70000",
         "'70000' is out of range: it must lie within 0 .. 65535"},
        {&weapon, "Script id", "16777216",
         "'16777216' is out of range: it must lie within 0 .. 16777215"},
        {&weapon, "Weapon sound id", "ab",
         "'ab' is not a valid sound id: one character, or # and its code (0 .. 255)"},
        {&weapon, "Attack modes", "punch / 16",
         "'punch / 16' is not a valid pair of attack modes: each lies within 0 .. 15"},
        {&stairs, "Destination", "elevation 8, tile 1",
         "'elevation 8, tile 1' is not a valid destination: elevation and facing lie within 0 .. "
         "7, the tile within 0 .. 67108863"},
        {&critter, "Body type", "399", "'399' is not a valid integer value"},
        {&critter, "Talking head number", "G",
         "'G' is not a valid talking head number: type -1 for none, or up to eight hexadecimal "
         "digits"},
    };
    for (const Case& c : cases) {
        try {
            parseValue(row(*c.record, c.row), QString::fromLatin1(c.text), bytes);
            ADD_FAILURE() << c.text << " was read";
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), QLatin1String(c.message));
        }
    }
}

TEST(Records, ChecksOnTheBytesAsSaved) {
    struct Case {
        int type, kind, length;
        const char* row;
        std::uint32_t value;
        const char* other; // a second field set first, or nullptr
        std::uint32_t otherValue;
        const char* message; // "" passes
    };
    const Case cases[] = {
        {0, 3, 122, "Minimum damage", 12, "Maximum damage", 10,
         "Minimum damage (12) is more than Maximum damage (10)"},
        {0, 3, 122, "Maximum damage", 4, "Minimum damage", 5,
         "Maximum damage (4) is less than Minimum damage (5)"},
        {0, 3, 122, "Minimum damage", 5, "Maximum damage", 5, ""},
        {0, 0, 129, "Damage resistance, Laser", 101, nullptr, 0,
         "Damage resistance, Laser must lie within 0 .. 100, not 101"},
        {0, 0, 129, "Damage resistance, Laser", 100, nullptr, 0, ""},
        {0, 3, 122, "Light radius", 9, nullptr, 0, "Light radius must lie within 0 .. 8, not 9"},
        {0, 3, 122, "Light intensity, percent", 65536, nullptr, 0, ""},
        {0, 3, 122, "Light intensity, percent", 98304, nullptr, 0,
         "Light intensity, percent must lie within 0 .. 100, not 150"},
        {0, 3, 122, "Light intensity, percent", 0u - 3277u, nullptr, 0,
         "Light intensity, percent must lie within 0 .. 100, not -5"},
        {0, 3, 122, "Price", 0xFFFFFFFF, nullptr, 0,
         "Price must lie within 0 .. 2147483647, not -1"},
        {1, -1, 416, "Strength (base)", 6, "Strength (extra)", 5,
         "Strength (base) with Strength (extra) makes 11: the total must lie within 0 .. 10"},
        {1, -1, 416, "Strength (base)", 6, "Strength (extra)", 0xFFFFFFFF, ""},
        {1, -1, 416, "Small Guns", 301, nullptr, 0,
         "Small Guns makes 301: the total must lie within 0 .. 300"},
    };
    for (const Case& c : cases) {
        QByteArray bytes = prototype(c.type, c.kind, c.length);
        const Record r = recordFor(bytes);
        if (c.other)
            setFieldValue(bytes, row(r, c.other).offset, 4, c.otherValue);
        const RecordRow& checked = row(r, c.row);
        setFieldValue(bytes, checked.offset, checked.width, c.value);
        EXPECT_EQ(checkField(r, checked, bytes), QLatin1String(c.message)) << c.row;
    }
}

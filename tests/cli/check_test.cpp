// check: the problems of prototypes, alone and walked in folders, against a game of our own.
#include "cli/modcheck.h"
#include "clirun.h"
#include "proto/fieldcodec.h"
#include "support/modgame.h"
#include "support/tempfolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

void set(QByteArray& bytes, const char* row, std::uint32_t value) {
    const Record record = recordFor(bytes);
    const RecordRow* r = findRow(record, QString::fromLatin1(row));
    ASSERT_NE(r, nullptr) << row;
    setFieldValue(bytes, r->offset, r->width, value);
}

} // namespace

TEST(Check, CleanPrototypesOfEveryKindPass) {
    TempFolder t;
    const GameView view(writeGameFolder(t, "Game", 8, 3));
    const GameNames names(view);
    PrototypeChecker checker(&names);
    for (const ObjectShape& s : everyShape())
        EXPECT_EQ(checker.problems(makeCleanPrototype(s.type, s.kind)), QStringList())
            << s.type << " " << s.kind;
    EXPECT_EQ(checker.unreadable(), QStringList());
}

// One value each: a fault is one problem (two for a pair of fields), those about references
// found only with the game's files; references that hold and "none" are no problem.
TEST(Check, EachFaultIsOneProblem) {
    TempFolder t;
    const GameView view(writeGameFolder(t, "Game", 8, 3));
    QFile::remove(t.file("Game/data/proto/misc/00000002.pro"));
    const GameNames names(view);
    struct Case {
        int type, kind;
        const char* row;
        std::uint32_t value;
        QStringList problems;
        bool reference; // found only with the game's files
    };
    const QString noAmmo = "names no prototype: proto/items/items.lst has lines 1 .. 3";
    // clang-format off
    const Case cases[] = {
        {3, 0, "Light radius", 9, {"Light radius must lie within 0 .. 8, not 9"}, false},
        {0, 3, "Minimum damage", 5,
         {"Minimum damage (5) is more than Maximum damage (0)",
          "Maximum damage (0) is less than Minimum damage (5)"}, false},
        {0, 3, "Text id", 108, {"Text id 108 has no name in pro_item.msg"}, true},
        {1, 0, "Text id", 99, {"Text id 99 has no name in pro_crit.msg"}, true},
        {2, 0, "Frame id", 0x02000008,
         {"Frame id 02000008: index 8 is past art/scenery/scenery.lst (8 lines)"}, true},
        {3, 0, "Frame id", 0x0B000001, {"Frame id 0B000001: art type 11 is not known"}, true},
        {0, 0, "Female frame id", 0x01000009,
         {"Female frame id 01000009: index 9 is past art/critters/critters.lst (8 lines)"}, true},
        {0, 6, "Pic in Inventory", 8,
         {"Pic in Inventory: index 8 is past art/inven/inven.lst (8 lines)"}, true},
        {4, 0, "Script id", 0x03000008, {"Script id 8 is past scripts/scripts.lst (8 lines)"}, true},
        {0, 3, "Ammo prototype id", 4, {"Ammo prototype id 00000004 " + noAmmo}, true},
        {0, 3, "Ammo prototype id", 0, {"Ammo prototype id 00000000 " + noAmmo}, true},
        {0, 3, "Projectile prototype id", 0x05000002,
         {"Projectile prototype id 05000002 names proto/misc/00000002.pro, which the game does "
          "not have"}, true},
        {0, 5, "Power prototype id", 0x09000001,
         {"Power prototype id 09000001 names no prototype: object type 9 is not known"}, true},
        {0, 3, "Ammo prototype id", 3, {}, true},
        {0, 3, "Projectile prototype id", 0x05000001, {}, true},
        {2, 0, "Script id", 0x03000007, {}, true},
        {0, 4, "Frame id", 0x00000007, {}, true},
        {2, 0, "Frame id", 0xFFFFFFFF, {}, true},
        {2, 0, "Script id", 0xFFFFFFFF, {}, true},
        {5, 0, "Object id", 0x05000099, {}, true}, // its own number is not looked up
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 = %2").arg(c.row).arg(c.value, 0, 16).toStdString());
        QByteArray bytes = makeCleanPrototype(c.type, c.kind);
        set(bytes, c.row, c.value);
        PrototypeChecker withGame(&names);
        EXPECT_EQ(withGame.problems(bytes), c.problems);
        PrototypeChecker alone(nullptr);
        EXPECT_EQ(alone.problems(bytes), c.reference ? QStringList() : c.problems);
    }
}

TEST(Check, ListsTheGameCannotGiveAreNamedOnce) {
    TempFolder t;
    const GameView view(writeGameFolder(t, "Game", 8, 3));
    QFile::remove(t.file("Game/data/scripts/scripts.lst"));
    QFile::remove(t.file("Game/data/text/english/game/pro_item.msg"));
    const GameNames names(view);
    PrototypeChecker checker(&names);
    QByteArray far = makeCleanPrototype(0, 6);
    set(far, "Script id", 0x03000050);
    set(far, "Text id", 5000);
    EXPECT_EQ(checker.problems(far), QStringList());
    EXPECT_EQ(checker.problems(makeCleanPrototype(1)), QStringList());
    EXPECT_EQ(checker.problems(makeCleanPrototype(0, 1)), QStringList());
    EXPECT_EQ(checker.unreadable(),
              QStringList({"text/english/game/pro_item.msg", "scripts/scripts.lst"}));
}

namespace {

// A mod tree: clean prototypes, broken ones, a link to nothing, files that are no prototypes
// and a hidden folder.
struct ModTree {
    TempFolder t;
    QString game = writeGameFolder(t, "Game", 8, 3);
    QString mod = t.mkdir("mod");

    ModTree() {
        t.write("mod/proto/items/00000001.pro", makeCleanPrototype(0, 3));
        QByteArray unnamed = makeCleanPrototype(0, 4);
        set(unnamed, "Text id", 500);
        set(unnamed, "Object id", 2); // the id of its line, as the game's list has it
        t.write("mod/proto/items/00000002.PRO", unnamed);
        t.write("mod/proto/critters/00000001.pro", makeCleanPrototype(1));
        t.write("mod/deep/er/b.pro", makeCleanPrototype(4) + 'x');
        t.write("mod/deep/er/c.pro", QByteArray::fromHex("0700000100000064FFFFFFFF"));
        t.write("mod/readme.txt", "no prototype");
        t.write("mod/.git/c.pro", "hidden");
        QFile::link(t.file("mod/nothing"), t.mkdir("mod/proto/misc") + "/link.pro");
    }
};

} // namespace

TEST(Check, WalksFoldersAndReportsEachProblemOnALine) {
    ModTree m;
    const QString clean = m.t.file("mod/proto/critters");
    const QString other = m.t.write("single.bin", makeCleanPrototype(2, 1));
    const QString broken = "mod/deep/er/b.pro: The file has 29 bytes; a tile has 28\n"
                           "mod/deep/er/c.pro: The object type 7 is not known: only the "
                           "header is described\n";
    const QString unnamed =
        "mod/proto/items/00000002.PRO: Text id 500 has no name in pro_item.msg\n";
    const QString link = "mod/proto/misc/link.pro: File not found\n";
    const CliCase cases[] = {
        {{"--game", m.game, "check", "mod"},
         1,
         broken + unnamed + link,
         "6 prototype files checked, 4 problems found"},
        {{"--game", "", "check", "mod"}, 1, broken + link, "No game folder"},
        {{"--game", m.game, "check", clean, other}, 0, "", "2 prototype files checked"},
        {{"--game", m.game, "check", "mod/proto/items", "nowhere"},
         2,
         unnamed,
         "nowhere: File not found"},
        {{"--game", m.t.file("nogame"), "check", "mod"}, 2, "", "Game folder not found"},
        {{"--game", m.game, "check"}, 2, "", "check needs a folder"},
    };
    for (const CliCase& c : cases)
        expectRun(c, m.t.path());
}

TEST(Check, JsonIsOneArrayOfFileAndProblem) {
    ModTree m;
    for (const char* folder : {"mod", "mod/proto/critters"}) {
        const CliRun r = cli({"--game", m.game, "check", "--json", folder}, m.t.path());
        EXPECT_EQ(r.code, QString(folder) == "mod" ? 1 : 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(r.bytes, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
        ASSERT_TRUE(doc.isArray());
        QStringList lines;
        for (const QJsonValue& v : doc.array()) {
            const QJsonObject o = v.toObject();
            EXPECT_EQ(o.keys(), QStringList({"file", "problem"}));
            lines << o["file"].toString() + ": " + o["problem"].toString();
        }
        const CliRun text = cli({"--game", m.game, "check", folder}, m.t.path());
        EXPECT_EQ(lines.join('\n'), text.out.chopped(text.out.isEmpty() ? 0 : 1));
    }
}

// The game's own folder checked against its lists: a wrong stored id, a file no line names,
// a line naming a missing file and a repeated line; none of it without the game.
TEST(Check, ProblemsAgainstTheGamesLists) {
    TempFolder t;
    const QString game = writeGameFolder(t, "Game", 8, 3);
    t.write("Game/data/proto/items/items.lst",
            "00000001.pro\r\n00000002.pro\r\n00000003.pro\r\ngone.pro\r\n00000001.PRO\r\n");
    QByteArray moved = makeCleanPrototype(0, 3);
    set(moved, "Object id", 5);
    t.write("Game/data/proto/items/00000002.pro", moved);
    t.write("Game/data/proto/Items/extra.pro", makeCleanPrototype(0, 3));
    const QString list = "proto/items/items.lst";
    const CliCase cases[] = {
        {{"--game", game, "check", "Game/data/proto"},
         1,
         "Game/data/proto/Items/extra.pro: No line of " + list + " names it\n" +
             "Game/data/proto/items/00000002.pro: Object id 00000005 is not 00000002, the id of "
             "its line in " +
             list + "\n" + list + ": Line 4 names gone.pro, which the game does not have\n" + list +
             ": Line 5 names 00000001.PRO, as line 1 does\n",
         "19 prototype files checked, 4 problems found"},
        {{"--game", "", "check", "Game/data/proto"}, 0, "", "No game folder"},
    };
    for (const CliCase& c : cases)
        expectRun(c, t.path());
}

// list, text and new: the game's objects from the command line, on a game of our own.
#include "clirun.h"
#include "datwriter/datwriter.h"
#include "proto/fieldcodec.h"
#include "support/modgame.h"
#include "support/tempfolder.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QByteArray prototype(int type, int kind, std::uint32_t id, std::uint32_t textId) {
    QByteArray b = makeCleanPrototype(type, kind);
    setFieldValue(b, 0, 4, id);
    setFieldValue(b, 4, 4, textId);
    return b;
}

const QByteArray kItemTexts = "{100}{}{Knife}\r\n{101}{}{Sharp.}\r\n{200}{}{Leather Armor}\r\n";

// Items (a weapon in master.dat, a loose armour, a line naming a missing file) and a critter.
struct Game {
    TempFolder t;
    QString folder = t.file("Game");
    Game() {
        t.write(
            "Game/master.dat",
            buildDat({{"proto\\items\\items.lst", "00000001.pro\r\n00000002.pro\r\nnone.pro\r\n"},
                      {"proto\\items\\00000001.pro", prototype(0, 3, 1, 100)},
                      {"proto\\critters\\critters.lst", "00000001.pro ; a guard\r\n"},
                      {"proto\\critters\\00000001.pro", prototype(1, 0, 0x01000001, 100)},
                      {"text\\english\\game\\pro_item.msg", kItemTexts},
                      {"text\\english\\game\\pro_crit.msg", "{100}{}{Guard}\r\n"}}));
        t.write("Game/data/proto/items/00000002.pro", prototype(0, 0, 2, 200));
    }
    QStringList args(const QStringList& rest) const { return QStringList{"--game", folder} + rest; }
    QString patches(const QString& relative) const { return t.file("Game/data/" + relative); }
};

const QString kKnife = "00000001\t00000001.pro\tKnife\tWeapon\tmaster.dat\n";
const QString kArmor = "00000002\t00000002.pro\tLeather Armor\tArmor\tdata\n";
const QString kNone = "00000003\tnone.pro\t\t\t\n";
const QString kGuard = "01000001\t00000001.pro\tGuard\t\tmaster.dat\n";

} // namespace

TEST(Objects, ListFiltersByTypeAndText) {
    Game g;
    const CliCase cases[] = {
        {g.args({"list"}), 0, kKnife + kArmor + kNone + kGuard, "proto/scenery/scenery.lst"},
        {g.args({"list", "items"}), 0, kKnife + kArmor + kNone, ""},
        {g.args({"list", "Critters"}), 0, kGuard, ""},
        {g.args({"list", "ARMOR"}), 0, kArmor, ""},
        {g.args({"list", "items", "00000001"}), 0, kKnife, ""},
        {g.args({"list", "01000"}), 0, kGuard, ""},
        {g.args({"list", "NONE.P"}), 0, kNone, ""},
        {g.args({"list", "items", "a", "b"}), 2, "", "list takes a type and one text"},
        {{"--game", g.t.file("nowhere"), "list"}, 1, "", "Game folder not found"},
    };
    for (const CliCase& c : cases)
        expectRun(c);
    // A game folder given relative to the working folder: the source is still "data".
    expectRun({{"--game", "Game", "list", "Leather"}, 0, kArmor, ""}, g.t.path());
}

TEST(Objects, ListJsonHoldsEveryEntryWithItsProblems) {
    Game g;
    const CliRun r = cli(g.args({"list", "--json"}));
    ASSERT_EQ(r.code, 0);
    const QJsonArray entries = QJsonDocument::fromJson(r.bytes).array();
    ASSERT_EQ(entries.size(), 4) << r.out.toStdString();
    const QStringList keys = {"description", "file",     "id",     "index", "kind",
                              "name",        "problems", "source", "type"};
    for (const QJsonValue& v : entries)
        EXPECT_EQ(v.toObject().keys(), keys);
    const QJsonObject knife = entries[0].toObject(), none = entries[2].toObject(),
                      guard = entries[3].toObject();
    EXPECT_EQ(knife["description"].toString(), "Sharp.");
    EXPECT_EQ(knife["kind"].toString(), "Weapon");
    EXPECT_EQ(knife["problems"].toArray().size(), 0);
    EXPECT_EQ(none["id"].toInt(), 3);
    EXPECT_TRUE(none["source"].isNull());
    EXPECT_EQ(none["problems"].toArray(), QJsonArray({"the file proto/items/none.pro is missing"}));
    EXPECT_EQ(guard["type"].toString(), "critters");
    EXPECT_EQ(guard["id"].toInteger(), 0x01000001);
    EXPECT_EQ(guard["index"].toInt(), 1);
    EXPECT_TRUE(guard["kind"].isNull());
    EXPECT_EQ(guard["source"].toString(), "master.dat");
}

// Reading by every way of naming an object, writing (then reading back), and refusals that
// leave the file as it was.
TEST(Objects, TextReadsAndWritesTheMessageFile) {
    Game g;
    const QString msg = g.patches("text/english/game/pro_item.msg");
    const QString knife = "name: Knife\ndescription: Sharp.\n";
    const struct {
        CliCase run;
        QByteArray file; // the patches folder's pro_item.msg after it; empty: none
    } cases[] = {
        {{g.args({"text", "0x00000001"}), 0, knife, ""}, ""},
        {{g.args({"text", "00000001"}), 0, knife, ""}, ""},
        {{g.args({"text", "1"}), 0, knife, ""}, ""},
        {{g.args({"text", "016777217"}), 0, "name: Guard\ndescription: \n", ""}, ""},
        {{g.args({"text", "16777217"}), 1, "", "object type 22 is not known"}, ""}, // 8 digits: hex
        {{g.args({"text", "proto/critters/00000001.PRO"}), 0, "name: Guard\ndescription: \n", ""},
         ""},
        {{g.args({"text", "00000002.pro"}), 0, "name: Leather Armor\ndescription: \n", ""}, ""},
        {{g.args({"text", "00000001.pro"}), 1, "", "of the types items, critters"}, ""},
        {{g.args({"text", "3"}), 1, "", "proto/items/none.pro: The game does not have"}, ""},
        {{g.args({"text", "0x7"}), 1, "", "proto/items/items.lst has 3 lines"}, ""},
        {{g.args({"text", "0x09000001"}), 1, "", "object type 9 is not known"}, ""},
        {{g.args({"text", "1", "--name", "a{b"}), 1, "", "\"Name\" may not hold"}, ""},
        {{g.args({"text", "1", "--name", "Caf\u00e9", "--description", "Very\nsharp."}), 0,
          msg + "\n", ""},
         "{100}{}{Caf\xe9}\r\n{101}{}{Very sharp.}\r\n{200}{}{Leather Armor}\r\n"},
        {{g.args({"text", "1"}), 0, "name: Caf\u00e9\ndescription: Very sharp.\n", ""},
         "{100}{}{Caf\xe9}\r\n{101}{}{Very sharp.}\r\n{200}{}{Leather Armor}\r\n"},
        {{g.args({"text", "2", "--description", "\u4e00"}), 1, "", "code page"},
         "{100}{}{Caf\xe9}\r\n{101}{}{Very sharp.}\r\n{200}{}{Leather Armor}\r\n"},
        {{g.args({"text", "2", "--description", "Tough."}), 0, msg + "\n", ""},
         "{100}{}{Caf\xe9}\r\n{101}{}{Very sharp.}\r\n{200}{}{Leather Armor}\r\n{201}{}{Tough.}"
         "\r\n"},
    };
    for (const auto& c : cases) {
        expectRun(c.run);
        EXPECT_EQ(fileBytes(msg), c.file) << c.run.args.join(' ').toStdString();
    }
}

TEST(Objects, NewIsListedAndFoundAgainByItsId) {
    Game g;
    const QString items = g.patches("proto/items/");
    const CliCase cases[] = {
        {g.args({"new", "items", "--from", "0x1", "--name", "Spear", "--description", "Long."}), 0,
         "00000004\t" + items + "00000004.pro\n", ""},
        {g.args({"new", "items", "--kind", "KEY", "--name", "Red key"}), 0,
         "00000005\t" + items + "00000005.pro\n", ""},
        {g.args({"new", "critters", "--name", "Rat"}), 0,
         "01000002\t" + g.patches("proto/critters/00000002.pro") + "\n", ""},
        {g.args({"new", "items", "--from", "01000001", "--name", "x"}), 1, "", "not of the type"},
        {g.args({"new", "items", "--kind", "key", "--name", "a}b"}), 1, "", "\"Name\" may not"},
        {g.args({"list", "items", "AR"}), 0,
         kArmor + "00000004\t00000004.pro\tSpear\tWeapon\tdata\n", ""},
        {g.args({"list", "red"}), 0, "00000005\t00000005.pro\tRed key\tKey\tdata\n", ""},
        {g.args({"text", "00000004"}), 0, "name: Spear\ndescription: Long.\n", ""},
        {g.args({"list", "Rat"}), 0, "01000002\t00000002.pro\tRat\t\tdata\n", ""},
    };
    for (const CliCase& c : cases)
        expectRun(c);
    // The copy took the new id and text id, and nothing else of the refused ones is left.
    const QByteArray spear = fileBytes(items + "00000004.pro");
    EXPECT_EQ(spear.mid(8), prototype(0, 3, 1, 100).mid(8));
    EXPECT_EQ(fieldValue(spear, 0, 4), 4u);
    EXPECT_EQ(fieldValue(spear, 4, 4), 400u);
    QStringList files;
    for (QDirIterator it(items, QDir::Files); it.hasNext();)
        files << it.next().section('/', -1);
    files.sort();
    EXPECT_EQ(files, QStringList({"00000002.pro", "00000004.pro", "00000005.pro", "items.lst"}));
    EXPECT_EQ(fileBytes(items + "items.lst"),
              "00000001.pro\r\n00000002.pro\r\nnone.pro\r\n00000004.pro\r\n00000005.pro\r\n");
}

TEST(Objects, WrongUseExitsWithTwo) {
    Game g;
    const CliCase cases[] = {
        {g.args({"new", "weapons", "--kind", "key", "--name", "x"}), 2, "", "unknown type"},
        {g.args({"new", "--name", "x"}), 2, "", "new needs a type"},
        {g.args({"new", "items", "--from", "1", "--kind", "key", "--name", "x"}), 2, "",
         "not both"},
        {g.args({"new", "items", "--kind", "key"}), 2, "", "new needs --name"},
        {g.args({"new", "items", "--name", "x"}), 2, "", "needs --from ID|FILE or --kind"},
        {g.args({"new", "walls", "--kind", "door", "--name", "x"}), 2, "", "have no kinds"},
        {g.args({"new", "scenery", "--kind", "sword", "--name", "x"}), 2, "", "no kind of"},
        {g.args({"text"}), 2, "", "text takes one id"},
        {g.args({"text", "1", "--kind", "key"}), 2, "", "belong to new"},
        {g.args({"text", "1", "--name"}), 2, "", "--name needs a value"},
        {g.args({"text", "1", "--json"}), 2, "", "--json belongs to"},
        {g.args({"ls", "--name=x"}), 2, "", "belong to text and new"},
    };
    for (const CliCase& c : cases)
        expectRun(c);
    EXPECT_FALSE(QFileInfo::exists(g.patches("text")));
    EXPECT_FALSE(QFileInfo::exists(g.patches("proto/items/items.lst")));
}

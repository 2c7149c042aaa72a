#include "datwriter/datwriter.h"
#include "gamedata/catalogue.h"
#include "proto/fieldcodec.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// The first 36 bytes of a prototype: its id, text id and (items and scenery) kind.
QByteArray head(std::uint32_t id, std::int32_t textId, int kind = 0) {
    QByteArray b(36, '\0');
    setFieldValue(b, 0, 4, id);
    setFieldValue(b, 4, 4, std::uint32_t(textId));
    setFieldValue(b, 32, 4, std::uint32_t(kind));
    return b;
}

const QByteArray kItemTexts = crlf({"# items", "{100}{}{Knife}", "{101}{}{A sharp knife.}",
                                    "{200}{}{Spear}", "{300}{}{Combat Armor}"});

} // namespace

TEST(Catalogue, ReadsEveryListLineAsTheGameDoes) {
    const struct {
        const char* name;
        QByteArray list;
        // index, file, source, problems, name — one a line, "|" between
        QStringList expected;
        int next;
    } cases[] = {
        {"comments, crlf",
         "00000001.pro ; the knife\r\n00000002.pro\r\n",
         {"1|00000001.pro|master.dat|0|Knife", "2|00000002.pro|data|0|Spear"},
         3},
        {"lf, no last line end",
         "00000001.pro\n00000002.pro",
         {"1|00000001.pro|master.dat|0|Knife", "2|00000002.pro|data|0|Spear"},
         3},
        {"missing file",
         "00000001.pro\r\nnothere.pro\r\n",
         {"1|00000001.pro|master.dat|0|Knife", "2|nothere.pro||1|"},
         3},
        {"wrong stored id", "00000002.pro\r\n", {"1|00000002.pro|data|4|Spear"}, 2},
        {"wrong type byte",
         "00000001.pro\r\n00000002.pro\r\n00000003.pro\r\n",
         {"1|00000001.pro|master.dat|0|Knife", "2|00000002.pro|data|0|Spear",
          "3|00000003.pro|master.dat|12|Combat Armor"},
         4},
        {"repeated line",
         "00000001.pro\r\n00000001.PRO\r\n",
         {"1|00000001.pro|master.dat|0|Knife", "2|00000001.PRO|master.dat|36|Knife"},
         3},
        {"no name", "00000004.pro\r\n", {"1|00000004.pro|master.dat|16|"}, 2},
        {"empty list", "", {}, 1},
    };
    for (const auto& c : cases) {
        TempFolder t;
        t.write("Game/master.dat",
                buildDat({{"proto\\items\\items.lst", c.list, true},
                          {"proto\\items\\00000001.pro", head(0x00000001, 100), true},
                          {"proto\\items\\00000002.pro", head(0x00000002, 999), false},
                          {"proto\\items\\00000003.pro", head(0x01000003, 300, 0), true},
                          {"proto\\items\\00000004.pro", head(0x00000001, 900), true},
                          {"text\\english\\game\\pro_item.msg", kItemTexts, true}}));
        // A loose copy wins over the archive's.
        t.write("Game/data/proto/items/00000002.pro", head(0x00000002, 200));
        const Catalogue catalogue(GameData(gameAndSources(t, "0")));
        QStringList got;
        for (const CatalogueEntry& e : catalogue.entries(ObjectType::Item))
            got << QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(e.index)
                       .arg(e.file, e.source)
                       .arg(e.problems)
                       .arg(e.name);
        EXPECT_EQ(got, c.expected) << c.name;
        EXPECT_EQ(catalogue.nextIndex(ObjectType::Item), c.next) << c.name;
        EXPECT_TRUE(catalogue.listProblem(ObjectType::Item).isEmpty()) << c.name;
        EXPECT_FALSE(catalogue.listProblem(ObjectType::Critter).isEmpty()) << c.name;
    }
}

TEST(Catalogue, NamesComeFromTheGamesLanguageAndCodePage) {
    const struct {
        const char* name;
        const char* config;
        QList<DatEntryIn> texts;
        const char* itemName;
        const char* itemDescription;
        const char* critterName;
    } cases[] = {
        {"russian, windows-1251",
         "[system]\r\nlanguage=russian\r\n",
         {{"text\\russian\\game\\pro_item.msg",
           "{100}{}{\xcd\xee\xe6}\r\n{101}{}{\xce\xf1\xf2\xf0\xfb\xe9}\r\n"},
          {"text\\english\\game\\pro_crit.msg", "{100}{}{Guard}\r\n"}},
         "Нож",
         "Острый",
         "Guard"},
        {"polish, windows-1250",
         "[system]\r\nlanguage=polish\r\n",
         {{"text\\polish\\game\\pro_item.msg", "{100}{}{N\xf3\xbf}\r\n{101}{}{}\r\n"},
          {"text\\polish\\game\\pro_crit.msg", "{100}{}{Stra\xbf}\r\n"}},
         "Nóż",
         "",
         "Straż"},
        {"german, windows-1252",
         "[system]\r\nlanguage=german\r\n",
         {{"text\\german\\game\\pro_item.msg", "{100}{}{Messer \xc4}\r\n"},
          {"text\\english\\game\\pro_item.msg", "{100}{}{Knife}\r\n"},
          {"text\\english\\game\\pro_crit.msg", "{100}{}{W\xe4"
                                                "chter}\r\n"}},
         "Messer Ä",
         "",
         "Wächter"},
    };
    for (const auto& c : cases) {
        TempFolder t;
        QList<DatEntryIn> files = c.texts;
        files << DatEntryIn{"proto\\items\\items.lst", "00000001.pro\r\n"}
              << DatEntryIn{"proto\\items\\00000001.pro", head(0x00000001, 100)}
              << DatEntryIn{"proto\\critters\\critters.lst", "00000001.pro\r\n"}
              << DatEntryIn{"proto\\critters\\00000001.pro", head(0x01000001, 100)};
        t.write("Game/master.dat", buildDat(files));
        t.write("Game/fallout2.cfg", c.config);
        const Catalogue catalogue(GameData(gameAndSources(t, "0")));
        ASSERT_EQ(catalogue.entries(ObjectType::Item).size(), 1u) << c.name;
        const CatalogueEntry& item = catalogue.entries(ObjectType::Item)[0];
        EXPECT_EQ(item.name, QString::fromUtf8(c.itemName)) << c.name;
        EXPECT_EQ(item.description, QString::fromUtf8(c.itemDescription)) << c.name;
        ASSERT_NE(catalogue.find(0x01000001), nullptr) << c.name;
        EXPECT_EQ(catalogue.find(0x01000001)->name, QString::fromUtf8(c.critterName)) << c.name;
    }
}

TEST(Catalogue, MatchesIdFileAndNameInAnyCase) {
    CatalogueEntry e;
    e.type = ObjectType::Critter;
    e.index = 0x2a;
    e.file = "GUARD01.PRO";
    e.name = "Vault City Guard";
    e.kind = 3;
    const struct {
        const char* text;
        bool match;
    } cases[] = {{"", true},        {"0100002A", true},   {"02a", true},
                 {"guard01", true}, {"city guard", true}, {"VAULT", true},
                 {"3", false},      {"knife", false},     {"0100002B", false}};
    for (const auto& c : cases)
        EXPECT_EQ(e.matches(c.text), c.match) << c.text;
}

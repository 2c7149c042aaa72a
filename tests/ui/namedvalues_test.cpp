// Numbers the game names in its data files: a critter's AI packet, a stairs' destination map.
#include "critterfixture.h"
#include "datwriter/datwriter.h"
#include "proto/fieldcodec.h"

namespace {

// data/ai.txt and data/maps.txt in master.dat, as a stock install keeps them.
void writeGameTables(Critters& e) {
    e.folder.write(
        "Game/master.dat",
        buildDat({{"DATA\\AI.TXT",
                   "[Raider]\r\npacket_num=4\r\n[Shopkeeper] ; calm\r\npacket_num=11\r\n"
                   "[Copy]\r\npacket_num=4\r\n",
                   true},
                  {"DATA\\MAPS.TXT", "[Map 003]\r\nlookup_name=Freight Depot\r\n", true}}));
}

} // namespace

TEST(NamedValues, TheAiPacketIsPickedByName) {
    Critters e;
    writeGameTables(e);
    QByteArray p = critter();
    zantrel::setFieldValue(p, 36, 4, 11);
    e.open(p);
    QComboBox* list = e.combo("ComboBox11");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->accessibleName(), "AI packet");
    // The file's packets in its order, the first of a number kept.
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), "Raider (4)");
    EXPECT_EQ(list->currentText(), "Shopkeeper (11)");
    const struct {
        const char* step;
        std::function<void()> act;
        const char* number;
        int entry;
        const char* shown; // what the list shows without an entry
    } steps[] = {
        {"a name picked", [&] { e.pick("ComboBox11", "Raider (4)"); }, "4", 0, ""},
        {"an unknown number typed", [&] { e.type("Edit108", "77"); }, "77", -1, "77"},
        {"a known one typed", [&] { e.type("Edit108", "11"); }, "11", 1, ""},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(e.text("Edit108"), s.number) << s.step;
        EXPECT_EQ(list->currentIndex(), s.entry) << s.step;
        EXPECT_EQ(list->placeholderText(), s.shown) << s.step;
    }
    e.pick("ComboBox11", "Raider (4)");
    EXPECT_EQ(zantrel::fieldValue(e.save(), 36, 4), 4u);

    // An unknown stored number is shown and kept by a save.
    zantrel::setFieldValue(p, 36, 4, 90);
    e.open(p);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->placeholderText(), "90");
    EXPECT_EQ(hex(e.save()), hex(p));
}

TEST(NamedValues, TheStairsDestinationMapIsNamedBesideItsBox) {
    Critters e;
    writeGameTables(e);
    QByteArray stairs = makePrototype(2, 49);
    zantrel::setFieldValue(stairs, 32, 4, 1); // stairs
    zantrel::setFieldValue(stairs, 45, 4, 3);
    e.open(stairs);
    QLabel* name = e.label("StairsDestinationMapName");
    ASSERT_TRUE(name);
    const struct {
        const char* typed;
        const char* name;
    } steps[] = {{nullptr, "Freight Depot"}, {"5", ""}, {"3", "Freight Depot"}, {"-1", ""}};
    for (const auto& s : steps) {
        if (s.typed)
            e.edit("StairsDestinationMap")->setText(s.typed);
        EXPECT_EQ(e.text("StairsDestinationMap"), s.typed ? s.typed : "3");
        EXPECT_EQ(name->text(), s.name) << (s.typed ? s.typed : "opened");
    }
}

#include "datwriter/datwriter.h"
#include "gamedata/loadcheck.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zantrel;

TEST(LoadCheck, FindsEntriesWhereTheEditorReadsThem) {
    TempFolder t;
    t.write("Game/master.dat", buildDat({{"scripts\\scripts.lst", "s", true},
                                         {"art\\items\\items.lst", "i", true},
                                         {"art\\inven\\inven.lst", "v", true},
                                         {"text\\english\\game\\proto.msg", "p", true},
                                         {"text\\english\\old.msg", "o", true},
                                         {"maps\\arcaves.map", "m", true},
                                         {"art\\tiles\\walls.lst", "w", true},
                                         {"misc.lst", "x", true}}));
    t.write("Game/critter.dat", buildDat({{"art\\critters\\critters.lst", "c", true}}));
    t.write("Game/data/Art/Scenery/SCENERY.LST", "loose");
    t.write("Game/Fallout2.exe", "exe");
    t.mkdir("Game/data/color.pal"); // a folder where the palette should be
    t.write("Source/Sub/Items.lst", "src");
    t.write("Source/scripts.lst", "src");
    const struct {
        const char* flag;
        const char* entry;
        bool found;
    } cases[] = {
        // (a) a file below the game folder
        {"0", "FALLOUT2.EXE", true},
        {"0", "DATA/ART/SCENERY/scenery.lst", true},
        {"0", "data/color.pal", false},
        {"0", "master.dat", true},
        // (b) a file of the game's view, with or without "data/"
        {"0", "maps/arcaves.map", true},
        {"0", "DATA\\MAPS\\ARCAVES.MAP", true},
        {"0", "data/art/critters/critters.lst", true},
        {"0", "maps/other.map", false},
        // (c) a bare name where the editor reads it
        {"0", "SCRIPTS.LST", true},
        {"0", "items.lst", true},
        {"0", "INVEN.LST", true},
        {"0", "CRITTERS.LST", true},
        {"0", "scenery.lst", true},
        {"0", "PROTO.MSG", true},
        {"0", "old.msg", true},
        {"0", "misc.lst", true},     // at the root of the view, which (b) finds
        {"0", "walls.lst", false},   // only in another art folder
        {"0", "arcaves.map", false}, // a name the editor does not read
        {"0", "color.pal", false},   // a folder is no file
        {"0", "tiles.lst", false},
        {"0", "scripts/items.lst", false}, // folders given: only there
        {"0", "", false},
        // the sources folder, as always, for any flag but "0"
        {"1", "SCRIPTS.LST", true},
        {"1", "sub/items.lst", true},
        {"1", "items.lst", false},
        {"1", "proto.msg", false},
        {"1", "Sub", false},
        {"1", "", false},
        {"", "scripts.lst", true},
        {"", "proto.msg", false},
    };
    for (const auto& c : cases) {
        const Settings s = gameAndSources(t, c.flag);
        const GameData data(s);
        EXPECT_EQ(checkedFileFound(s, data, c.entry), c.found) << c.flag << " " << c.entry;
    }
}

TEST(LoadCheck, TheDefaultListPassesOnAStockInstall) {
    TempFolder t;
    QList<DatEntryIn> master;
    for (const char* kind : {"items", "misc", "scenery", "tiles", "walls", "inven"})
        master.append({QString("art\\%1\\%1.lst").arg(kind).toUpper(), "lst", true});
    master.append({"SCRIPTS\\SCRIPTS.LST", "lst", true});
    master.append({"COLOR.PAL", "pal", true});
    for (const char* msg :
         {"pro_crit", "pro_item", "pro_misc", "pro_scen", "pro_tile", "pro_wall", "proto"})
        master.append({QString("TEXT\\ENGLISH\\GAME\\%1.MSG").arg(msg).toUpper(), "msg", true});
    t.write("Game/master.dat", buildDat(master));
    t.write("Game/critter.dat", buildDat({{"ART\\CRITTERS\\CRITTERS.LST", "lst", true}}));
    t.mkdir("Game/data");

    Settings s = gameAndSources(t, "0");
    const GameData data(s);
    for (const QString& entry : defaultCheckedFiles())
        EXPECT_TRUE(checkedFileFound(s, data, entry)) << entry.toStdString();

    // Without critter.dat the critter list is missing, and only it.
    QFile::remove(t.file("Game/critter.dat"));
    const GameData withoutCritters(s);
    for (const QString& entry : defaultCheckedFiles())
        EXPECT_EQ(checkedFileFound(s, withoutCritters, entry), entry != "CRITTERS.LST")
            << entry.toStdString();
}

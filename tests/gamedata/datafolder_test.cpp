#include "gamedata/datafolder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

TEST(DataFolder, SourcesOnlyWhenTheFlagIsExactlyOne) {
    Settings s;
    s.gameFolder = "/games/Fallout2";
    s.sourcesFolder = "/src/";
    const struct {
        const char* flag;
        DataKind kind;
        const char* folder;
    } cases[] = {
        {"1", DataKind::ScriptList, "/src/"},
        {"1", DataKind::Palette, "/src/"},
        {"0", DataKind::ScriptList, "/games/Fallout2/data/scripts/"},
        {"", DataKind::ItemArt, "/games/Fallout2/data/art/items/"},
        {"yes", DataKind::CritterArt, "/games/Fallout2/data/art/critters/"},
        {" 1", DataKind::SceneryArt, "/games/Fallout2/data/art/scenery/"},
        {"0", DataKind::WallArt, "/games/Fallout2/data/art/walls/"},
        {"0", DataKind::TileArt, "/games/Fallout2/data/art/tiles/"},
        {"0", DataKind::MiscArt, "/games/Fallout2/data/art/misc/"},
        {"0", DataKind::InventoryArt, "/games/Fallout2/data/art/inven/"},
        {"0", DataKind::Messages, "/games/Fallout2/data/text/english/"},
        {"0", DataKind::Palette, "/games/Fallout2/data/"},
    };
    for (const auto& c : cases) {
        s.useSources = QString::fromLatin1(c.flag);
        EXPECT_EQ(datafolder(s, c.kind), QLatin1String(c.folder)) << c.flag;
    }
}

TEST(DataFolder, FindsFilesInEitherPlaceWhateverTheirCase) {
    TempFolder t;
    t.write("game/Data/Scripts/SCRIPTS.LST", "s");
    t.write("game/Data/Text/English/Game/PRO_ITEM.MSG", "i");
    t.write("game/Data/Text/English/pro_crit.msg", "c");
    t.write("game/Data/Text/English/Game/pro_crit.msg", "shadowed");
    t.write("src/Scripts.lst", "s");
    Settings s;
    s.gameFolder = t.file("game");
    s.sourcesFolder = t.file("src");
    s.useSources = "0";
    EXPECT_EQ(dataFile(s, DataKind::ScriptList, "scripts.lst"),
              t.file("game/Data/Scripts/SCRIPTS.LST"));
    EXPECT_EQ(dataFile(s, DataKind::Messages, "pro_item.msg"),
              t.file("game/Data/Text/English/Game/PRO_ITEM.MSG"));
    EXPECT_EQ(dataFile(s, DataKind::Messages, "pro_crit.msg"),
              t.file("game/Data/Text/English/pro_crit.msg"));
    // Missing everywhere: the name the rule gives, so the error names the first place.
    EXPECT_EQ(dataFile(s, DataKind::Messages, "proto.msg"),
              t.file("game/data/text/english/proto.msg"));
    s.useSources = "1";
    EXPECT_EQ(dataFile(s, DataKind::ScriptList, "scripts.lst"), t.file("src/Scripts.lst"));
    EXPECT_EQ(dataFile(s, DataKind::Messages, "pro_item.msg"), t.file("src/pro_item.msg"));
}

TEST(DataFolder, ArtListsAndMessageFilesByObjectType) {
    const char* lists[] = {"items.lst", "critters.lst", "scenery.lst",
                           "walls.lst", "tiles.lst",    "misc.lst"};
    const char* names[] = {"pro_item.msg", "pro_crit.msg", "pro_scen.msg",
                           "pro_wall.msg", "pro_tile.msg", "pro_misc.msg"};
    for (int type = 0; type < 6; ++type) {
        DataKind kind;
        QString name;
        ASSERT_TRUE(artListFor(type, kind, name));
        EXPECT_EQ(name, QLatin1String(lists[type]));
        EXPECT_EQ(nameMessageFile(type), QLatin1String(names[type]));
    }
    DataKind kind;
    QString name;
    EXPECT_FALSE(artListFor(6, kind, name));
    EXPECT_FALSE(artListFor(-1, kind, name));
    EXPECT_TRUE(nameMessageFile(9).isEmpty());
}

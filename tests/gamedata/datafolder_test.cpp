#include "gamedata/datafolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

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

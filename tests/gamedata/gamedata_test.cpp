#include "core/usererror.h"
#include "datwriter/datwriter.h"
#include "gamedata/gamedata.h"
#include "gamedata/lists.h"
#include "gamedata/prototypes.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace zantrel;

TEST(GameData, ReadsEveryKindFromWhereTheFlagSays) {
    TempFolder t;
    // Each kind's file in master.dat, with a loose override of some in the patches folder.
    t.write("Game/master.dat", buildDat({{"SCRIPTS\\SCRIPTS.LST", "dat scripts", true},
                                         {"art\\items\\items.lst", "dat items", true},
                                         {"art\\critters\\critters.lst", "dat critters", false},
                                         {"art\\scenery\\scenery.lst", "dat scenery", true},
                                         {"art\\walls\\walls.lst", "dat walls", true},
                                         {"art\\tiles\\tiles.lst", "dat tiles", true},
                                         {"art\\misc\\misc.lst", "dat misc", true},
                                         {"art\\inven\\inven.lst", "dat inven", true},
                                         {"text\\english\\game\\proto.msg", "dat game proto", true},
                                         {"text\\english\\proto.msg", "dat english proto", true},
                                         {"text\\english\\pro_crit.msg", "dat english crit", true},
                                         {"color.pal", "dat palette", true}}));
    t.write("Game/data/Art/Walls/WALLS.LST", "loose walls");
    t.write("Game/data/COLOR.PAL", "loose palette");
    t.write("Game/data/text/english/game/pro_item.msg", "loose item names");
    t.write("Source/Scripts.lst", "src scripts");
    t.write("Source/PROTO.MSG", "src proto");
    const struct {
        const char* flag;
        DataKind kind;
        const char* name;
        const char* bytes;
    } cases[] = {
        {"0", DataKind::ScriptList, "scripts.lst", "dat scripts"},
        {"0", DataKind::ItemArt, "items.lst", "dat items"},
        {"0", DataKind::CritterArt, "CRITTERS.LST", "dat critters"},
        {"0", DataKind::SceneryArt, "scenery.lst", "dat scenery"},
        {"0", DataKind::WallArt, "walls.lst", "loose walls"},
        {"0", DataKind::TileArt, "tiles.lst", "dat tiles"},
        {"0", DataKind::MiscArt, "misc.lst", "dat misc"},
        {"0", DataKind::InventoryArt, "inven.lst", "dat inven"},
        // The game's own folder first, the one above it after.
        {"0", DataKind::Messages, "proto.msg", "dat game proto"},
        {"0", DataKind::Messages, "pro_crit.msg", "dat english crit"},
        {"0", DataKind::Messages, "PRO_ITEM.MSG", "loose item names"},
        {"0", DataKind::Palette, "color.pal", "loose palette"},
        {"", DataKind::ScriptList, "scripts.lst", "dat scripts"},
        {"yes", DataKind::Messages, "proto.msg", "dat game proto"},
        {"1", DataKind::ScriptList, "scripts.lst", "src scripts"},
        {"1", DataKind::Messages, "proto.msg", "src proto"},
    };
    for (const auto& c : cases) {
        const GameData data(gameAndSources(t, c.flag));
        const std::string label = std::string(c.flag) + " " + c.name;
        EXPECT_EQ(data.fromSources(), QLatin1String(c.flag) == "1") << label;
        EXPECT_TRUE(data.exists(c.kind, c.name)) << label;
        EXPECT_EQ(data.read(c.kind, c.name), QByteArray(c.bytes)) << label;
    }
}

TEST(GameData, SaysWhereAFileIsOrWouldBe) {
    TempFolder t;
    t.write("Game/master.dat", buildDat({{"scripts\\scripts.lst", "s", true}}));
    t.write("Game/data/art/items/Ite3.FRM", "f");
    t.write("Source/Color.Pal", "p");
    const QString game = QDir::cleanPath(t.file("Game"));
    const GameData fromGame(gameAndSources(t, "0"));
    const GameData fromSources(gameAndSources(t, "1"));
    const struct {
        const GameData& data;
        DataKind kind;
        const char* name;
        QString where;
    } cases[] = {
        {fromGame, DataKind::ScriptList, "SCRIPTS.LST", game + "/master.dat: scripts\\scripts.lst"},
        {fromGame, DataKind::ItemArt, "ite3.frm", game + "/data/art/items/Ite3.FRM"},
        {fromGame, DataKind::Messages, "proto.msg", game + "/data/text/english/game/proto.msg"},
        {fromGame, DataKind::Palette, "color.pal", game + "/data/color.pal"},
        {fromSources, DataKind::Palette, "color.pal", t.file("Source/Color.Pal")},
        {fromSources, DataKind::Messages, "proto.msg", t.file("Source/proto.msg")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.data.describe(c.kind, c.name), c.where) << c.name;
        if (!c.data.exists(c.kind, c.name)) {
            EXPECT_EQ(errorOf([&] { c.data.read(c.kind, c.name); }), "File not found @ " + c.where);
        }
    }
    // Art and prototypes come from the game whatever the flag.
    for (const GameData* data : {&fromGame, &fromSources}) {
        EXPECT_EQ(data->readGamePath("ART\\ITEMS\\ite3.frm"), "f");
        EXPECT_EQ(data->describeGamePath("art/items/ite3.frm"), game + "/data/art/items/Ite3.FRM");
        EXPECT_FALSE(data->existsGamePath("proto/items/00000001.pro"));
        EXPECT_EQ(errorOf([&] { data->readGamePath("proto/items/00000001.pro"); }),
                  "File not found @ " + game + "/data/proto/items/00000001.pro");
    }
}

TEST(GameData, ABrokenArchiveSpeaksForFilesFoundNowhere) {
    TempFolder t;
    t.write("Game/master.dat", "not an archive");
    t.write("Game/data/scripts/scripts.lst", "loose");
    const GameData data(gameAndSources(t, "0"));
    EXPECT_EQ(data.read(DataKind::ScriptList, "scripts.lst"), "loose");
    const QString error = errorOf([&] { data.read(DataKind::Messages, "proto.msg"); });
    EXPECT_NE(error, "no error");
    EXPECT_FALSE(error.startsWith("File not found")) << error.toStdString();
    EXPECT_TRUE(error.contains("master.dat")) << error.toStdString();
}

TEST(GameData, NoGameFolderIsNotTheWorkingFolder) {
    TempFolder t;
    t.write("master.dat", buildDat({{"scripts\\scripts.lst", "s", true}}));
    t.write("data/color.pal", "p");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(t.path()));
    Settings s;
    s.useSources = "0";
    const GameData fromEmpty(s);
    const GameData none;
    QDir::setCurrent(before);
    for (const GameData* data : {&fromEmpty, &none}) {
        EXPECT_TRUE(data->view()->searchOrder().isEmpty());
        EXPECT_FALSE(data->exists(DataKind::ScriptList, "scripts.lst"));
        EXPECT_EQ(errorOf([&] { data->read(DataKind::Palette, "color.pal"); }),
                  "File not found @ color.pal");
        EXPECT_EQ(patchesPath(*data, "proto/items/1.pro"), QString());
    }
}

TEST(GameData, ByteReadersTakeArchivedFiles) {
    TempFolder t;
    t.write(
        "Game/master.dat",
        buildDat(
            {{"scripts\\scripts.lst",
              crlf({"a.int       ;     First script", "b.int       ;     Second script"}), true},
             {"text\\english\\game\\proto.msg",
              crlf({"{100}{}{Glass}", "# Body Types", "#", "{400}{}{Biped}", "{401}{}{Quad}", "#"}),
              true}}));
    const GameData data(gameAndSources(t, "0"));
    const QByteArray scripts = data.read(DataKind::ScriptList, "scripts.lst");
    EXPECT_EQ(readListBytes(scripts, ListMode::First12).entries,
              QStringList({"a.int       ", "b.int       ", kNoneEntry}));
    EXPECT_EQ(scriptDescriptionBytes(scripts, 1), "Second script");
    EXPECT_EQ(scriptDescriptionBytes(scripts, 2), "");
    const QByteArray proto = data.read(DataKind::Messages, "proto.msg");
    EXPECT_EQ(findMessageIn(proto, 100), "Glass ");
    EXPECT_EQ(readSectionBytes(proto).bodyTypes, QStringList({"400", "401"}));
}

TEST(GameData, ListsPrototypesOnceWithTheCopyTheGameUses) {
    TempFolder t;
    t.write("Game/master.dat", buildDat({{"proto\\items\\00000001.pro", "m1", true},
                                         {"proto\\items\\00000002.pro", "m2", true},
                                         {"proto\\items\\items.lst", "l", true},
                                         {"proto\\items\\old\\00000009.pro", "o", true},
                                         {"proto\\critters\\00000001.pro", "c", true}}));
    t.write("Game/patch000.dat", buildDat({{"PROTO\\ITEMS\\00000002.PRO", "p2", true}}));
    t.write("Game/data/proto/items/00000001.pro", "d1");
    t.write("Game/data/Proto/Items/00000003.pro", "d3");
    const GameData data(gameAndSources(t, "1"));
    const QString game = QDir::cleanPath(t.file("Game"));
    for (const char* folder : {"proto/items", "PROTO\\Items\\", "proto/items/"}) {
        QStringList seen;
        for (const GameFile& f : listPrototypes(data, folder)) {
            const QString where = f.source.kind == GameSource::Kind::Archive
                                      ? QDir(game).relativeFilePath(f.source.container)
                                      : "loose";
            seen << f.name.toLower() + " " + where;
        }
        EXPECT_EQ(seen, QStringList({"proto/items/00000001.pro loose",
                                     "proto/items/00000002.pro patch000.dat",
                                     "proto/items/00000003.pro loose"}))
            << folder;
    }
}

TEST(GameData, SavesPrototypesInThePatchesFolder) {
    const struct {
        const char* config;   // fallout2.cfg, when there is one
        const char* existing; // a file already there
        const char* relative;
        const char* path;
    } cases[] = {
        {nullptr, nullptr, "proto/items/00000001.pro", "data/proto/items/00000001.pro"},
        {nullptr, "Data/Proto/Items/00000001.PRO", "proto\\items\\00000001.pro",
         "Data/Proto/Items/00000001.PRO"},
        {nullptr, "data/PROTO/x.txt", "proto/items/00000001.pro", "data/PROTO/items/00000001.pro"},
        {"[system]\nmaster_patches=mods\\mine\n", nullptr, "proto/items/00000001.pro",
         "mods/mine/proto/items/00000001.pro"},
        {"[system]\nmaster_patches=Mods\n", "MODS/x.txt", "color.pal", "MODS/color.pal"},
        {"[sound]\nmaster_patches=mods\n", nullptr, "color.pal", "data/color.pal"},
        {nullptr, nullptr, "proto/../../x.pro", nullptr},
    };
    for (const auto& c : cases) {
        TempFolder t;
        if (c.config)
            t.write("Game/fallout2.cfg", c.config);
        if (c.existing)
            t.write(QString("Game/") + c.existing, "x");
        const GameData data(gameAndSources(t, "0"));
        const QString expected =
            c.path ? QDir::cleanPath(t.file("Game")) + "/" + c.path : QString();
        EXPECT_EQ(patchesPath(data, c.relative), expected)
            << c.relative << " " << (c.config ? c.config : "");
    }
}

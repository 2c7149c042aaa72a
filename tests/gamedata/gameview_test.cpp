#include "core/usererror.h"
#include "datwriter/datwriter.h"
#include "gamedata/gameconfig.h"
#include "gamedata/gameview.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <vector>

using namespace zantrel;

namespace {

// Puts file into place, an archive ("....dat", stored under that name whatever its case) or
// a loose folder, with the place's name as its contents.
void putIn(const TempFolder& game, const QString& place, const QString& file) {
    if (place.endsWith(".dat", Qt::CaseInsensitive))
        game.write(place, buildDat({{file, place.toLatin1(), true}}));
    else
        game.write(place + "/" + QString(file).replace('\\', '/'), place.toLatin1());
}

QString sourceText(const std::optional<GameSource>& s) {
    if (!s)
        return "nowhere";
    return (s->kind == GameSource::Kind::Archive ? "archive " : "folder ") + s->container;
}

} // namespace

TEST(GameView, TheFirstPlaceThatHasAFileWins) {
    const struct {
        std::vector<const char*> places;
        const char* config; // fallout2.cfg, when there is one
        const char* winner;
    } cases[] = {
        {{"f2_res.dat", "patch000.dat", "patch001.dat", "data", "critter.dat", "master.dat"},
         nullptr,
         "f2_res.dat"},
        {{"patch000.dat", "patch001.dat", "data", "critter.dat", "master.dat"},
         nullptr,
         "patch001.dat"},
        {{"patch000.dat", "data", "critter.dat", "master.dat"}, nullptr, "patch000.dat"},
        {{"patch001.dat", "PATCH010.DAT", "patch002.dat"}, nullptr, "PATCH010.DAT"},
        {{"data", "critter.dat", "master.dat"}, nullptr, "data"},
        {{"critter.dat", "master.dat"}, nullptr, "critter.dat"},
        {{"master.dat"}, nullptr, "master.dat"},
        {{"patch01.dat", "patch0000.dat", "Master.DAT"}, nullptr, "Master.DAT"},
        {{"data", "Mods/Mine", "master.dat"}, "[system]\nmaster_patches=mods\\mine\n", "Mods/Mine"},
        {{"data", "master.dat"}, "[system]\nmaster_patches=mods\\mine\n", "data"},
        {{"data", "master.dat"},
         "[system]\nmaster_patches=mods\ncritter_patches=mods\n",
         "master.dat"},
        {{"data", "mods", "master.dat"}, "[SYSTEM]\r\nMaster_Patches = mods\r\n", "mods"},
        {{"data", "mods"}, "[system]\nmaster_patches=mods\ncritter_patches=data\n", "mods"},
        {{"data", "master.dat"}, "[system]\nmaster_patches=mods\ncritter_patches=data\n", "data"},
        {{"master.dat", "Sub/MyMaster.dat"},
         "[system]\nmaster_dat=sub\\mymaster.dat\n",
         "Sub/MyMaster.dat"},
        {{"critter.dat", "master.dat"}, "[system]\ncritter_dat=other.dat\n", "master.dat"},
        {{"critter.dat", "master.dat"}, "[sound]\ncritter_dat=other.dat\n", "critter.dat"},
    };
    for (const auto& c : cases) {
        TempFolder game;
        for (const char* place : c.places)
            putIn(game, place, "Text\\English\\Game\\PROTO.MSG");
        if (c.config)
            game.write("fallout2.cfg", c.config);
        const GameView view(game.path());
        const std::string label =
            std::string(c.places.front()) + " ... " + (c.config ? c.config : "");
        EXPECT_TRUE(view.problems().isEmpty()) << label;
        for (const char* name : {"text/english/game/proto.msg", "TEXT\\English\\game\\Proto.Msg",
                                 "/text//english/game/proto.msg"}) {
            const std::optional<GameSource> source = view.locate(name);
            ASSERT_TRUE(source) << label;
            EXPECT_EQ(source->container, QDir(game.path()).filePath(c.winner)) << label;
            EXPECT_EQ(view.read(name), QByteArray(c.winner)) << label;
        }
    }
}

TEST(GameView, NamesOutsideTheGameAreNotFound) {
    TempFolder game;
    game.write("data/text/a.msg", "a");
    game.write("secret.txt", "s");
    game.write("master.dat", buildDat({{"text\\b.msg", "b", false}}));
    const GameView view(game.path());
    for (const char* name : {"", "/", "../secret.txt", "text/../../secret.txt", "./text/a.msg",
                             "secret.txt", "text", "text/c.msg"}) {
        EXPECT_EQ(sourceText(view.locate(name)), "nowhere") << name;
        EXPECT_EQ(errorOf([&] { view.read(name); }), QString("File not found @ ") + name) << name;
    }
    EXPECT_TRUE(view.exists("TEXT/A.MSG"));
    EXPECT_TRUE(view.exists("text\\B.msg"));
}

TEST(GameView, ListsOnlyArchiveNamesALookupReaches) {
    TempFolder game;
    game.write("master.dat", buildDat({{"", "e", false},
                                       {"text\\\\a.msg", "a", false},
                                       {"..\\b.msg", "b", false},
                                       {"\\c.msg", "c", false},
                                       {"text\\d.msg", "d", false}}));
    const GameView view(game.path());
    QStringList listed;
    for (const GameFile& f : view.list(""))
        listed << f.name;
    EXPECT_EQ(listed, QStringList({"text/d.msg"}));
}

TEST(GameView, ListsEachFileOnceWithTheCopyThatWins) {
    TempFolder game;
    game.write("master.dat", buildDat({{"art\\items\\a.frm", "m", true},
                                       {"art\\items\\b.frm", "m", true},
                                       {"text\\x.msg", "m", false}}));
    game.write("patch000.dat", buildDat({{"ART\\ITEMS\\A.FRM", "p", true}}));
    game.write("critter.dat", buildDat({{"art\\critters\\hmjmpsaa.frm", "c", false}}));
    game.write("data/art/items/c.frm", "d");
    game.write("data/Art/Items/B.frm", "d");
    const GameView view(game.path());
    const struct {
        const char* pattern;
        QStringList expected; // name, then where its copy lies
    } cases[] = {
        {"art/items",
         {"ART/ITEMS/A.FRM", "patch000.dat", "Art/Items/B.frm", "data", "art/items/c.frm", "data"}},
        {"Art\\Items\\",
         {"ART/ITEMS/A.FRM", "patch000.dat", "Art/Items/B.frm", "data", "art/items/c.frm", "data"}},
        {"art\\ITEMS\\*.frm",
         {"ART/ITEMS/A.FRM", "patch000.dat", "Art/Items/B.frm", "data", "art/items/c.frm", "data"}},
        {"art/*/?.frm",
         {"ART/ITEMS/A.FRM", "patch000.dat", "Art/Items/B.frm", "data", "art/items/c.frm", "data"}},
        {"art/critters", {"art/critters/hmjmpsaa.frm", "critter.dat"}},
        {"*.frm", {}},
        {"art/item", {}},
        {"text", {"text/x.msg", "master.dat"}},
        {"", // sorted by name
         {"art/critters/hmjmpsaa.frm", "critter.dat", "ART/ITEMS/A.FRM", "patch000.dat",
          "Art/Items/B.frm", "data", "art/items/c.frm", "data", "text/x.msg", "master.dat"}},
    };
    for (const auto& c : cases) {
        QStringList got;
        for (const GameFile& f : view.list(c.pattern)) {
            got << f.name << QDir(game.path()).relativeFilePath(f.source.container);
            // The listed copy is the one a lookup finds.
            const std::optional<GameSource> located = view.locate(f.name);
            ASSERT_TRUE(located) << f.name.toStdString();
            EXPECT_EQ(located->container, f.source.container);
            EXPECT_EQ(located->name, f.source.name);
        }
        EXPECT_EQ(got, c.expected) << c.pattern;
    }
    EXPECT_EQ(view.read("art/items/a.frm"), "p");
    EXPECT_EQ(view.read("art/items/b.frm"), "d");
}

TEST(GameView, ABrokenArchiveIsSkippedAndReportedWhenAFileIsMissing) {
    TempFolder game;
    const QString patch = game.write("patch000.dat", "not an archive at all");
    QByteArray master = buildDat({{"text\\x.msg", "m", false}, {"text\\y.msg", "y", false}});
    master[0] = 'M';
    // The second entry's data now lies past the end.
    const QByteArray y = QByteArray("text\\y.msg", 10);
    const qsizetype offsetAt = master.lastIndexOf(y) + y.size() + 9;
    master[offsetAt] = char(0x7F);
    const QString masterPath = game.write("master.dat", master);
    const GameView view(game.path());
    const QString brokenPatch =
        "Broken archive 'patch000.dat': it says it is 1819042080 bytes long, the file has 21 @ " +
        patch;
    ASSERT_EQ(view.problems().size(), 1);
    EXPECT_EQ(view.problems().first().text() + " @ " + view.problems().first().path(), brokenPatch);
    EXPECT_EQ(view.read("text/x.msg"), "M");
    EXPECT_EQ(errorOf([&] { view.read("text/y.msg"); }),
              "Broken archive 'master.dat': entry 'text\\y.msg' points past the end @ " +
                  masterPath);
    EXPECT_FALSE(view.exists("text/z.msg"));
    EXPECT_EQ(errorOf([&] { view.read("text/z.msg"); }), brokenPatch);
    EXPECT_EQ(view.searchOrder(), QStringList({masterPath}));
}

TEST(GameConfig, ReadsTheSystemSectionTolerantly) {
    const struct {
        const char* text;
        const char* master;
        const char* critter;
        const char* masterPatches;
        const char* critterPatches;
    } cases[] = {
        {"", "master.dat", "critter.dat", "data", "data"},
        {"[system]\nmaster_dat=a.dat\ncritter_dat=b.dat\nmaster_patches=p\ncritter_patches=q\n",
         "a.dat", "b.dat", "p", "q"},
        {"[ System ]\r\nMASTER_DAT = C:\\game\\m.dat ; moved\r\n", "C:\\game\\m.dat", "critter.dat",
         "data", "data"},
        {"[sound]\nmaster_dat=a.dat\n[system]\ncritter_dat=b.dat\n[debug]\nmaster_dat=c.dat\n",
         "master.dat", "b.dat", "data", "data"},
        {"[system]\n;master_dat=a.dat\nmaster_dat=\ngarbage\n=x\n[broken\nmaster_patches=m\n",
         "master.dat", "critter.dat", "data", "data"},
        {"[system]\nmaster_dat=a.dat\nmaster_dat=b.dat\n\x01\xff=\xfe\n", "b.dat", "critter.dat",
         "data", "data"},
    };
    for (const auto& c : cases) {
        const GameConfig config = parseGameConfig(c.text);
        EXPECT_EQ(config.masterDat, c.master) << c.text;
        EXPECT_EQ(config.critterDat, c.critter) << c.text;
        EXPECT_EQ(config.masterPatches, c.masterPatches) << c.text;
        EXPECT_EQ(config.critterPatches, c.critterPatches) << c.text;
    }
}

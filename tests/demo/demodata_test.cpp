// The bundled demo data must be what the editor expects of a game: a stock install
// (master.dat, critter.dat, a few loose overrides) whose lists and message files read,
// whose prototypes have the game's lengths and resolve names, art and scripts, whose frame
// art draws; and beside it the flat sources folder and preview pictures for critters.
#include "core/files.h"
#include "gamedata/datafolder.h"
#include "gamedata/datarchive.h"
#include "gamedata/gameview.h"
#include "gamedata/lists.h"
#include "preview/critterart.h"
#include "preview/framedecoder.h"
#include "proto/document.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "settings/settingsfile.h"

#include "support/tempfolder.h"
#include <QFileInfo>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

namespace {

const QString root = QStringLiteral(ZANTREL_DEMO_ROOT);
const QString game = root + "/demo/Fallout2";

// Where the parsers, which read files by path, find a data file by its game name: the
// flat sources folder, or a copy of what the game reads, written to a scratch folder.
using DataPlace = std::function<QString(const QString& gameName)>;

DataPlace sources() {
    return [](const QString& name) {
        return resolvePath(root + "/Source", QFileInfo(name).fileName());
    };
}

DataPlace gameCopy(const GameView& view, const TempFolder& scratch) {
    return [&view, &scratch](const QString& name) { return scratch.write(name, view.read(name)); };
}

bool isGrey(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != kFrameBackground)
                return false;
    return true;
}

int paintedPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) != kCritterBackground;
    return n;
}

const char* const kArtLists[] = {"art/items/items.lst",     "art/critters/critters.lst",
                                 "art/scenery/scenery.lst", "art/walls/walls.lst",
                                 "art/tiles/tiles.lst",     "art/misc/misc.lst"};
const char* const kNameFiles[] = {"pro_item.msg", "pro_crit.msg", "pro_scen.msg",
                                  "pro_wall.msg", "pro_tile.msg", "pro_misc.msg"};

} // namespace

TEST(DemoData, TheLoadingScreenFindsEveryDefaultFile) {
    for (const QString& name : defaultCheckedFiles())
        EXPECT_TRUE(QFileInfo(resolvePath(root + "/Source", name)).isFile()) << name.toStdString();
}

TEST(DemoData, TheGameFolderIsAStockInstall) {
    const GameView view(game);
    EXPECT_TRUE(view.problems().isEmpty());
    EXPECT_EQ(view.searchOrder(),
              QStringList({game + "/data", game + "/critter.dat", game + "/master.dat"}));
    const QList<GameFile> loose = [&] {
        QList<GameFile> out;
        for (const GameFile& f : view.list(""))
            if (f.source.kind == GameSource::Kind::Folder)
                out << f;
        return out;
    }();
    ASSERT_EQ(loose.size(), 2);
    EXPECT_EQ(loose[0].name, "proto/items/00000006.pro");
    EXPECT_EQ(loose[1].name, "text/english/game/pro_item.msg");
    const struct {
        const char* name;
        const char* archive;
    } files[] = {
        {"scripts/scripts.lst", "master.dat"},
        {"color.pal", "master.dat"},
        {"art/inven/inven.lst", "master.dat"},
        {"text/english/game/proto.msg", "master.dat"},
        {"proto/critters/critters.lst", "master.dat"},
        {"proto/tiles/00000001.pro", "master.dat"},
        {"art/critters/zmscoutaa.frm", "critter.dat"},
        {"art/critters/zmdroneaa.fr5", "critter.dat"},
    };
    for (const auto& f : files) {
        const auto at = view.locate(f.name);
        ASSERT_TRUE(at.has_value()) << f.name;
        EXPECT_EQ(at->kind, GameSource::Kind::Archive) << f.name;
        EXPECT_EQ(at->container, game + "/" + f.archive) << f.name;
    }
    // Both ways of storing an entry occur, so a reader meets each.
    for (const char* dat : {"master.dat", "critter.dat"}) {
        const DatArchive archive = DatArchive::open(game + "/" + dat);
        QSet<bool> kinds;
        for (const DatArchive::Entry& e : archive.entries())
            kinds.insert(e.compressed);
        EXPECT_EQ(kinds.size(), 2) << dat;
    }
}

TEST(DemoData, LooseFilesWinOverTheArchive) {
    const GameView view(game);
    const DatArchive master = DatArchive::open(game + "/master.dat");
    const QByteArray archived = master.read("proto/items/00000006.pro");
    const QByteArray loose = view.read("proto/items/00000006.pro");
    ASSERT_EQ(loose.size(), archived.size());
    EXPECT_EQ(fieldValue(archived, 48, 4), 25u); // the price
    EXPECT_EQ(fieldValue(loose, 48, 4), 30u);
    EXPECT_EQ(loose.left(48), archived.left(48));

    TempFolder scratch;
    const QString names = "text/english/game/pro_item.msg";
    const QString archivedNames = scratch.write("archived.msg", master.read(names));
    const QString looseNames = gameCopy(view, scratch)(names);
    EXPECT_EQ(findMessageIn(readFileBytes(archivedNames), 600, MessageVariant::ObjectName),
              "Rusty wrench ");
    EXPECT_EQ(findMessageIn(readFileBytes(looseNames), 600, MessageVariant::ObjectName),
              "Oiled wrench ");
    EXPECT_EQ(findMessageIn(readFileBytes(looseNames), 500, MessageVariant::ObjectName),
              findMessageIn(readFileBytes(archivedNames), 500, MessageVariant::ObjectName));
}

TEST(DemoData, PrototypesResolveInBothDataPlaces) {
    const struct {
        const char* folder;
        int type;
        QList<int> lengths;
    } kinds[] = {
        {"items", 0, {61, 65, 69, 81, 122, 125, 129}},
        {"critters", 1, {416}},
        {"scenery", 2, {45, 49}},
        {"walls", 3, {36}},
        {"tiles", 4, {28}},
        {"misc", 5, {28}},
    };
    const GameView view(game);
    TempFolder scratch;
    for (const DataPlace& place : {sources(), gameCopy(view, scratch)}) {
        const ListContents scripts =
            readListBytes(readFileBytes(place("scripts/scripts.lst")), ListMode::First12);
        EXPECT_GT(scripts.count, 10);
        for (const auto& k : kinds) {
            const ListContents art =
                readListBytes(readFileBytes(place(kArtLists[k.type])), ListMode::First12);
            const QString names = place(QString("text/english/game/") + kNameFiles[k.type]);
            const QString folder = QString("proto/") + k.folder;
            const ListContents protos = readlist(
                gameCopy(view, scratch)(folder + "/" + k.folder + ".lst"), ListMode::WholeLine);
            EXPECT_GT(protos.count, 0) << k.folder;
            QSet<int> lengthsSeen;
            for (int i = 0; i < protos.count; ++i) {
                const QString path = folder + "/" + protos.entries[i];
                const QByteArray pro = view.read(path);
                lengthsSeen.insert(int(pro.size()));
                EXPECT_EQ(int(pro[0]), k.type) << path.toStdString();
                EXPECT_EQ(int(fieldValue(pro, 0, 4) & 0xFFFFFF), i + 1) << path.toStdString();
                EXPECT_TRUE(k.lengths.contains(int(pro.size())))
                    << path.toStdString() << " " << pro.size();
                // Each file has exactly its type's and kind's length, as the game's do.
                EXPECT_EQ(recordFor(pro).problems, QStringList()) << path.toStdString();
                EXPECT_NE(findMessageIn(readFileBytes(names), fieldValue(pro, 4, 4),
                                        MessageVariant::ObjectName),
                          kNoneEntry)
                    << path.toStdString();
                EXPECT_LT(int(fieldValue(pro, 10, 2)), art.count) << path.toStdString();
                const int scriptAt = headerLayout(k.type).scriptOffset;
                if (scriptAt >= 0 && pro.size() >= scriptAt + 4) {
                    // Script ids carry the game's type byte: 4 for critters, 3 else.
                    const std::uint32_t script = fieldValue(pro, scriptAt, 4);
                    EXPECT_TRUE(script == kNoScript ||
                                (int(script >> 24) == (k.type == 1 ? 4 : 3) &&
                                 scriptLine(script) < scripts.count))
                        << path.toStdString();
                }
            }
            EXPECT_EQ(view.list(folder + "/*.pro").size(), protos.count) << k.folder;
            for (int len : k.lengths)
                EXPECT_TRUE(lengthsSeen.contains(len))
                    << k.folder << " has no file of " << len << " bytes";
        }
    }
}

TEST(DemoData, ProtoMsgHasBothTypeSections) {
    const GameView view(game);
    TempFolder scratch;
    const QString protoMsg = gameCopy(view, scratch)("text/english/game/proto.msg");
    const TypeSections sections = readSectionBytes(readFileBytes(protoMsg));
    ASSERT_FALSE(sections.bodyTypes.isEmpty());
    ASSERT_FALSE(sections.killTypes.isEmpty());
    EXPECT_EQ(sections.bodyTypes.first(), "400");
    EXPECT_EQ(sections.killTypes.first(), "1450");
    for (const QString& id : sections.bodyTypes + sections.killTypes)
        EXPECT_NE(findMessageIn(readFileBytes(protoMsg), id.toInt(), MessageVariant::ProtoMsg),
                  kNoneEntry)
            << id.toStdString();
}

TEST(DemoData, EveryItemPictureDraws) {
    const GameView view(game);
    TempFolder scratch;
    const Palette palette = Palette::fromBytes(view.read("color.pal"));
    for (const char* folder : {"art/items/", "art/inven/"}) {
        const QString listName = folder + QString(folder).section('/', 1, 1) + ".lst";
        const ListContents list = readlist(gameCopy(view, scratch)(listName), ListMode::WholeLine);
        EXPECT_GT(list.count, 0) << folder;
        for (int i = 0; i < list.count; ++i) {
            const QByteArray frame = view.read(folder + list.entries[i]);
            EXPECT_FALSE(isGrey(renderFrame(frame, palette, 0))) << list.entries[i].toStdString();
            EXPECT_FALSE(isGrey(renderFrame(frame, palette, 1))) << list.entries[i].toStdString();
        }
    }
}

TEST(DemoData, CrittersHaveArtAndPreviewPicturesButOne) {
    const GameView view(game);
    TempFolder scratch;
    const Palette palette = Palette::fromBytes(view.read("color.pal"));
    const GameFileReader read = [&view](const QString& name) -> std::optional<QByteArray> {
        return view.exists(name) ? std::optional<QByteArray>(view.read(name)) : std::nullopt;
    };
    const ListContents critters =
        readlist(gameCopy(view, scratch)("art/critters/critters.lst"), ListMode::First12);
    ASSERT_GT(critters.count, 1);
    QStringList without, perDirection;
    for (int i = 0; i < critters.count; ++i) {
        const QString name = critters.entries[i].section(QLatin1Char(','), 0, 0);
        if (!view.exists("art/critters/" + name + "aa.frm"))
            perDirection << name;
        // Every facing draws, and the figure turns: no two facings alike.
        QSet<QByteArray> looks;
        for (int facing = 1; facing <= 6; ++facing) {
            const auto art = renderCritterFacing(read, name, facing, palette);
            ASSERT_TRUE(art.has_value()) << name.toStdString() << facing;
            EXPECT_GT(paintedPixels(*art), 400) << name.toStdString() << facing;
            looks.insert(
                QByteArray(reinterpret_cast<const char*>(art->constBits()), art->sizeInBytes()));
        }
        EXPECT_EQ(looks.size(), 6) << name.toStdString();

        const bool has = QFileInfo::exists(root + "/images/critters/" + name + "_3.bmp");
        if (!has)
            without << name;
        for (int facing = 1; has && facing <= 6; ++facing) {
            const QImage img(root + QString("/images/critters/%1_%2.bmp").arg(name).arg(facing));
            EXPECT_FALSE(img.isNull()) << name.toStdString() << facing;
            EXPECT_LE(img.width(), 117);
            EXPECT_LE(img.height(), 117);
        }
    }
    EXPECT_EQ(without, QStringList{"zmghost"});
    EXPECT_EQ(perDirection, QStringList{"zmdrone"});
    EXPECT_FALSE(QImage(root + "/images/notav.bmp").isNull());
}

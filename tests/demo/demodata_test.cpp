// The bundled demo data must be what the editor expects of a game: every checked file
// present, lists and message files that read, prototypes of the game's lengths whose
// names, art and scripts resolve, frame art that draws and preview pictures for critters.
#include "gamedata/datafolder.h"
#include "core/files.h"
#include "gamedata/lists.h"
#include "preview/framedecoder.h"
#include "proto/document.h"
#include "proto/fieldcodec.h"
#include "settings/settingsfile.h"

#include "support/tempfolder.h"
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

const QString root = QStringLiteral(ZANTREL_DEMO_ROOT);

Settings demoSettings(const char* useSources) {
    Settings s;
    s.gameFolder = root + "/demo/Fallout2";
    s.sourcesFolder = root + "/Source";
    s.useSources = QLatin1String(useSources);
    return s;
}

bool isGrey(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != kFrameBackground)
                return false;
    return true;
}

} // namespace

TEST(DemoData, TheLoadingScreenFindsEveryDefaultFile) {
    for (const QString& name : defaultCheckedFiles())
        EXPECT_TRUE(QFileInfo(resolvePath(root + "/Source", name)).isFile()) << name.toStdString();
}

TEST(DemoData, PrototypesResolveInBothDataPlaces) {
    const struct {
        const char* folder;
        int type;
        QList<int> lengths;
    } kinds[] = {
        {"items", 0, {61, 69, 73, 81, 122, 125, 129}},
        {"critters", 1, {416}},
        {"scenery", 2, {45, 49}},
        {"walls", 3, {36}},
        {"tiles", 4, {28}},
        {"misc", 5, {28}},
    };
    for (const char* flag : {"0", "1"}) {
        const Settings s = demoSettings(flag);
        const ListContents scripts =
            readlist(dataFile(s, DataKind::ScriptList, "scripts.lst"), ListMode::First12);
        EXPECT_GT(scripts.count, 10);
        for (const auto& k : kinds) {
            DataKind artKind;
            QString artName;
            ASSERT_TRUE(artListFor(k.type, artKind, artName));
            const ListContents art = readlist(dataFile(s, artKind, artName), ListMode::First12);
            const QString names = dataFile(s, DataKind::Messages, nameMessageFile(k.type));
            QSet<int> lengthsSeen;
            QDirIterator it(root + "/demo/Fallout2/data/proto/" + k.folder, {"*.pro"}, QDir::Files);
            int count = 0;
            while (it.hasNext()) {
                const QString path = it.next();
                const QByteArray pro = readFileBytes(path);
                ++count;
                lengthsSeen.insert(int(pro.size()));
                EXPECT_EQ(int(pro[0]), k.type) << path.toStdString();
                EXPECT_TRUE(k.lengths.contains(int(pro.size())))
                    << path.toStdString() << " " << pro.size();
                EXPECT_NE(findmessage(names, fieldValue(pro, 4, 4), MessageVariant::ObjectName),
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
            EXPECT_GT(count, 0) << k.folder;
            for (int len : k.lengths)
                EXPECT_TRUE(lengthsSeen.contains(len))
                    << k.folder << " has no file of " << len << " bytes";
        }
    }
}

TEST(DemoData, ProtoMsgHasBothTypeSections) {
    const Settings s = demoSettings("0");
    const TypeSections sections = readsection(dataFile(s, DataKind::Messages, "proto.msg"));
    ASSERT_FALSE(sections.bodyTypes.isEmpty());
    ASSERT_FALSE(sections.killTypes.isEmpty());
    EXPECT_EQ(sections.bodyTypes.first(), "400");
    EXPECT_EQ(sections.killTypes.first(), "1450");
    for (const QString& id : sections.bodyTypes + sections.killTypes)
        EXPECT_NE(findmessage(dataFile(s, DataKind::Messages, "proto.msg"), id.toInt(),
                              MessageVariant::ProtoMsg),
                  kNoneEntry)
            << id.toStdString();
}

TEST(DemoData, EveryItemPictureDraws) {
    const Settings s = demoSettings("0");
    const QString palette = dataFile(s, DataKind::Palette, "color.pal");
    for (DataKind kind : {DataKind::ItemArt, DataKind::InventoryArt}) {
        const QString folder = datafolder(s, kind);
        const QString listName = kind == DataKind::ItemArt ? "items.lst" : "inven.lst";
        const ListContents list = readlist(dataFile(s, kind, listName), ListMode::WholeLine);
        for (int i = 0; i < list.count; ++i) {
            const QString frame = resolvePath(folder, list.entries[i]);
            ASSERT_TRUE(QFileInfo(frame).isFile()) << frame.toStdString();
            EXPECT_FALSE(isGrey(renderFrameFile(frame, palette, 0))) << frame.toStdString();
            EXPECT_FALSE(isGrey(renderFrameFile(frame, palette, 1))) << frame.toStdString();
        }
    }
}

TEST(DemoData, CrittersHavePreviewPicturesButOne) {
    const Settings s = demoSettings("1");
    const ListContents critters =
        readlist(dataFile(s, DataKind::CritterArt, "critters.lst"), ListMode::First12);
    int without = 0;
    for (int i = 0; i < critters.count; ++i) {
        const QString name = critters.entries[i].section(QLatin1Char(','), 0, 0);
        const bool has = QFileInfo::exists(root + "/images/critters/" + name + "_3.bmp");
        without += has ? 0 : 1;
        for (int facing = 1; has && facing <= 6; ++facing) {
            const QImage img(root + QString("/images/critters/%1_%2.bmp").arg(name).arg(facing));
            EXPECT_FALSE(img.isNull()) << name.toStdString() << facing;
            EXPECT_LE(img.width(), 117);
            EXPECT_LE(img.height(), 117);
        }
    }
    EXPECT_EQ(without, 1);
    EXPECT_FALSE(QImage(root + "/images/notav.bmp").isNull());
}

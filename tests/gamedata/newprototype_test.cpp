#include "core/platform.h"
#include "datwriter/datwriter.h"
#include "gamedata/listfile.h"
#include "gamedata/messagefile.h"
#include "gamedata/newprototype.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "support/gamedata.h"
#include "support/modgame.h"
#include "support/tempfolder.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QByteArray weapon(std::uint32_t id, std::int32_t textId) {
    QByteArray b = makeCleanPrototype(0, 3);
    setFieldValue(b, 0, 4, id);
    setFieldValue(b, 4, 4, std::uint32_t(textId));
    return b;
}

// Two archived items, the list without a last line end, and their names.
void writeGame(const TempFolder& t) {
    t.write("Game/master.dat",
            buildDat({{"proto\\items\\items.lst", "00000001.pro\r\n00000002.pro"},
                      {"proto\\items\\00000001.pro", weapon(1, 100)},
                      {"proto\\items\\00000002.pro", weapon(2, 200)},
                      {"proto\\items\\00000005.pro", weapon(9, 900)},
                      {"text\\english\\game\\pro_item.msg",
                       "{100}{}{Knife}\r\n{101}{}{Sharp.}\r\n{200}{}{Spear}\r\n"}}));
}

// Every file below the game folder with its bytes, and every folder (as "name/").
QMap<QString, QByteArray> patchFiles(const TempFolder& t) {
    QMap<QString, QByteArray> out;
    QDirIterator it(t.file("Game"), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isDir())
            out.insert(path + '/', {});
        else
            out.insert(path, fileBytes(path));
    }
    return out;
}

} // namespace

TEST(NewPrototype, TheGameFindsItByItsRules) {
    const struct {
        const char* name;
        const char* looseList; // the patches folder's list, when it has one
        bool fromCopy;         // else the weapon kind's defaults
        std::uint32_t id;
        const char* file;
        QByteArray list;
    } cases[] = {
        {"copy, archived list without a last line end", nullptr, true, 3, "00000003.pro",
         "00000001.pro\r\n00000002.pro\r\n00000003.pro\r\n"},
        {"defaults, loose lf list, names taken", "00000001.pro\n00000002.pro\nx.pro\n", false, 4,
         "00000006.pro", "00000001.pro\n00000002.pro\nx.pro\n00000006.pro\n"},
    };
    for (const auto& c : cases) {
        TempFolder t;
        writeGame(t);
        if (c.looseList) {
            t.write("Game/data/proto/items/items.lst", c.looseList);
            // Names taken: a loose file no line lists (in another case), then the archive's.
            t.write("Game/data/proto/items/00000004.PRO", weapon(9, 900));
        }
        const GameData data(gameAndSources(t, "0"));
        const QByteArray start = c.fromCopy ? weapon(1, 100) : defaultRecord(0, 3);
        const NewPrototype made =
            createPrototype(data, ObjectType::Item, start, {QString("Rifle"), QString("Long.")});
        EXPECT_EQ(made.id, c.id) << c.name;
        EXPECT_EQ(QFileInfo(made.file).fileName(), c.file) << c.name;
        EXPECT_EQ(fileBytes(t.file("Game/data/proto/items/items.lst")), c.list) << c.name;
        EXPECT_TRUE(platform::isReadOnly(made.file)) << c.name;

        // The game started again: id -> list line -> file, text id -> name.
        const GameData game(gameAndSources(t, "0"));
        const ListFile list(game.readGamePath("proto/items/items.lst"));
        ASSERT_GE(list.count(), int(c.id)) << c.name;
        const QString line = QString::fromLatin1(list.name(int(c.id & 0xFFFFFF) - 1));
        EXPECT_EQ(line, c.file) << c.name;
        const QByteArray bytes = game.readGamePath("proto/items/" + line);
        QByteArray expected = start;
        setFieldValue(expected, 0, 4, c.id);
        setFieldValue(expected, 4, 4, c.id * 100);
        EXPECT_EQ(bytes, expected) << c.name;
        const MessageFile names(game.read(DataKind::Messages, "pro_item.msg"));
        ASSERT_NE(names.find(c.id * 100), nullptr) << c.name;
        EXPECT_EQ(names.find(c.id * 100)->text, "Rifle") << c.name;
        EXPECT_EQ(names.find(c.id * 100 + 1)->text, "Long.") << c.name;
        EXPECT_EQ(names.find(100)->text, "Knife") << c.name;
        const Catalogue catalogue(game);
        const CatalogueEntry* entry = catalogue.find(c.id);
        ASSERT_NE(entry, nullptr) << c.name;
        EXPECT_EQ(entry->name, "Rifle") << c.name;
        EXPECT_EQ(entry->problems, 0) << c.name;
    }
}

TEST(NewPrototype, DefaultsAreZerosAndNoneWhereAFieldNamesSomething) {
    const QByteArray weaponDefaults = defaultRecord(0, 3);
    EXPECT_EQ(weaponDefaults.size(), recordLength(0, 3));
    EXPECT_EQ(fieldValue(weaponDefaults, kKindOffset, 4), 3u);
    for (const RecordRow& row : recordRows(0, 3)) {
        const bool none = row.display == Display::ScriptId || row.display == Display::ProtoId ||
                          row.display == Display::Perk || row.display == Display::Destination;
        if (row.offset != kKindOffset && row.offset != 0) {
            EXPECT_EQ(fieldValue(weaponDefaults, row.offset, row.width), none ? 0xFFFFFFFFu : 0u)
                << row.name.toStdString();
        }
    }
    EXPECT_EQ(fieldValue(defaultRecord(4, 0), 0, 4), 0x04000000u);
    EXPECT_EQ(fieldValue(defaultRecord(2, 0), 0x20, 4), 0u);        // a door
    EXPECT_EQ(fieldValue(defaultRecord(1, 0), 28, 4), 0xFFFFFFFFu); // a critter's script
}

TEST(NewPrototype, AFailedStepLeavesNothingBehind) {
    const struct {
        const char* name;
        const char* looseTexts; // the patches folder's message file before, when there is one
        const char* fault;      // a folder (or "file:" a file) where the step writes
        QString texts;          // the name asked for
        const char* errorEnd;
    } cases[] = {
        {"refused name", nullptr, nullptr, "a{b", "may not hold '{' or '}' @ "},
        {"prototype folder", nullptr, "file:Game/data/proto/items", "Rifle", "data/proto/items"},
        {"message file", nullptr, "Game/data/text/english/game/pro_item.msg", "Rifle",
         "pro_item.msg"},
        {"message folder, no prototype folder before", nullptr, "file:Game/data/text", "Rifle",
         "pro_item.msg"},
        {"list, no message file before", nullptr, "Game/data/proto/items/items.lst", "Rifle",
         "items.lst"},
        {"list, a message file before", "{300}{}{Old}\n{1}{}{x}", "Game/data/proto/items/items.lst",
         "Rifle", "items.lst"},
    };
    for (const auto& c : cases) {
        TempFolder t;
        writeGame(t);
        if (c.looseTexts)
            t.write("Game/data/text/english/game/pro_item.msg", c.looseTexts);
        const QString fault = QString::fromLatin1(c.fault ? c.fault : "");
        if (fault.startsWith("file:"))
            t.write(fault.mid(5), "in the way");
        else if (!fault.isEmpty())
            t.mkdir(fault);
        const QMap<QString, QByteArray> before = patchFiles(t);
        const GameData data(gameAndSources(t, "0"));
        const QString error = errorOf([&] {
            createPrototype(data, ObjectType::Item, weapon(1, 100), {c.texts, {}});
        });
        EXPECT_TRUE(error.endsWith(c.errorEnd)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(patchFiles(t), before) << c.name;
    }
    // A start of another type is refused.
    TempFolder t;
    writeGame(t);
    EXPECT_EQ(errorOf([&] {
                  createPrototype(GameData(gameAndSources(t, "0")), ObjectType::Item,
                                  makeCleanPrototype(1), {});
              }),
              "The prototype to start from is not of the type items @ ");
}

#include "core/usererror.h"
#include "proto/document.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace zantrel;

// A critter's totals are judged like every check over the current bytes: a pair the file
// stores outside its range never blocks, a side the user changed does, and when both sides
// of the hit points changed the base side's looser bound decides (the page judges by the box
// typed last).
TEST(Document, CritterTotalsAreJudgedOnTheSideChanged) {
    const struct {
        std::vector<std::pair<int, std::uint32_t>> opened, set;
        const char* problem;
    } cases[] = {
        {{{48, 6}, {188, 5}}, {{76, 40}}, ""},
        {{{48, 6}},
         {{188, 5}},
         "Strength (extra) with Strength (base) makes 11: the total must lie within 0 .. 10"},
        {{{76, 1}},
         {{216, 999}},
         "Hit Points (extra) with Hit Points (base) makes 1000: the total must lie within 0 .. "
         "999"},
        {{}, {{76, 1}, {216, 999}}, ""},
        {{}, {{328, 301}}, "Small Guns makes 301: the total must lie within 0 .. 300"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = makePrototype(1, 416);
        for (const auto& [offset, value] : c.opened)
            setFieldValue(bytes, offset, 4, value);
        Document d;
        d.load(QStringLiteral("x.pro"), bytes);
        for (const auto& [offset, value] : c.set)
            setFieldValue(bytes, offset, 4, value);
        d.setCurrent(bytes);
        EXPECT_EQ(d.problem(), QLatin1String(c.problem));
    }
}

// A short file keeps its length: a field past its end is never written, typed or not.
TEST(Document, FieldsApplyButNoneLiesPastTheEnd) {
    const QByteArray tile =
        QByteArray::fromHex("04000001000000640400000000000000000000000000000800000000");
    ASSERT_EQ(tile.size(), 28);
    const struct {
        const char* name;
        QList<FieldWrite> fields;
        QByteArray expected;
    } cases[] = {
        {"untouched script past the end", {{28, 4, "FFFFFFFF", true}}, tile},
        {"typed script past the end", {{28, 4, "00000003", false}}, tile},
        {"untouched field inside", {{2, 2, "0001", true}}, tile},
        {"changed id", {{2, 2, "0102", false}}, QByteArray::fromHex("04000102") + tile.mid(4)},
        {"partly past the end", {{26, 4, "AABBCCDD", true}}, tile},
        {"typed, partly past the end", {{26, 4, "AABBCCDD", false}}, tile},
    };
    for (const auto& c : cases)
        EXPECT_EQ(applyFields(tile, c.fields).toHex(), c.expected.toHex()) << c.name;
}

TEST(Document, WritesAtomicallyAndLeavesTheFileReadOnly) {
    TempFolder t;
    const QString path = t.file("a.pro");
    writePrototype(path, "first");
    EXPECT_EQ(fileBytes(path), "first");
    EXPECT_TRUE(isReadOnly(path));
    // A read-only file is replaced as well, and stays read-only.
    writePrototype(path, "second, longer");
    EXPECT_EQ(fileBytes(path), "second, longer");
    EXPECT_TRUE(isReadOnly(path));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(t.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"a.pro"}));
}

TEST(Document, FailedWritesReportAndKeepTheOldFile) {
    TempFolder t;
    const QString kept = t.write("ro/kept.pro", "old");
    const struct {
        const char* name;
        QString path;
        const char* text;
    } cases[] = {
        {"missing folder", t.file("none/a.pro"), "File not found"},
        {"folder in the way", t.mkdir("dir.pro"), "This is a folder, not a file"},
    };
    for (const auto& c : cases) {
        try {
            writePrototype(c.path, "x");
            ADD_FAILURE() << c.name;
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), QLatin1String(c.text)) << c.name;
            EXPECT_EQ(e.path(), c.path);
        }
    }
}

TEST(Document, AReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root: it writes into read-only folders";
    TempFolder t;
    const QString kept = t.write("ro/a.pro", "old");
    QFile::setPermissions(t.file("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(writePrototype(kept, "new"), UserError);
    EXPECT_EQ(fileBytes(kept), "old");
    QFile::setPermissions(t.file("ro"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

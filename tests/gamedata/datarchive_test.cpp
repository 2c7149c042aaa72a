#include "core/usererror.h"
#include "datwriter/datwriter.h"
#include "gamedata/datarchive.h"
#include "support/tempfolder.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace zantrel;

namespace {

QByteArray scriptList(int lines) {
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
        text += "zs" + QByteArray::number(i).rightJustified(5, '0') + ".int ; script " +
                QByteArray::number(i) + "\r\n";
    return text;
}

QByteArray binary(int size) {
    QByteArray out;
    for (int i = 0; i < size; ++i)
        out.append(char((i * 7919 + 13) & 0xFF));
    return out;
}

quint32 u32(const QByteArray& bytes, qsizetype pos) {
    return qFromLittleEndian<quint32>(bytes.constData() + pos);
}

void setU32(QByteArray& bytes, qsizetype pos, quint32 value) {
    qToLittleEndian(value, bytes.data() + pos);
}

// Where the directory of a well-formed archive starts.
qsizetype directoryStart(const QByteArray& dat) {
    return dat.size() - 8 - qsizetype(u32(dat, dat.size() - 8));
}

// The compressed flag of the archive's only entry; its three sizes follow at +1, +5, +9.
qsizetype onlyEntryFlag(const QByteArray& dat) {
    const qsizetype dir = directoryStart(dat);
    return dir + 8 + qsizetype(u32(dat, dir + 4));
}

} // namespace

TEST(DatArchive, ReadsStoredAndCompressedEntriesWhateverTheNamesCase) {
    TempFolder t;
    const QByteArray scripts = scriptList(1500);
    const QByteArray art = binary(5000);
    const QString path = t.write("master.dat", buildDat({
                                                   {"scripts\\scripts.lst", scripts, true},
                                                   {"art/items/Knife.FRM", art, false},
                                                   {"text\\empty.msg", QByteArray(), true},
                                                   {"text\\stored.msg", QByteArray(), false},
                                                   {"SCRIPTS\\Scripts.Lst", "second", false},
                                               }));
    const DatArchive dat = DatArchive::open(path);
    EXPECT_EQ(dat.count(), 4); // the second copy of a name is not the archive's
    EXPECT_EQ(dat.names(), QStringList({"scripts/scripts.lst", "art/items/Knife.FRM",
                                        "text/empty.msg", "text/stored.msg"}));
    const struct {
        const char* name;
        QByteArray bytes;
        bool compressed;
    } cases[] = {
        {"scripts\\scripts.lst", scripts, true}, {"SCRIPTS/Scripts.LST", scripts, true},
        {"art\\items\\knife.frm", art, false},   {"ART/ITEMS/KNIFE.FRM", art, false},
        {"text/empty.msg", QByteArray(), true},  {"Text\\Stored.msg", QByteArray(), false},
    };
    for (const auto& c : cases) {
        const DatArchive::Entry* e = dat.find(c.name);
        ASSERT_NE(e, nullptr) << c.name;
        EXPECT_EQ(e->compressed, c.compressed) << c.name;
        EXPECT_EQ(e->unpackedSize, quint32(c.bytes.size())) << c.name;
        EXPECT_EQ(dat.read(c.name), c.bytes) << c.name;
    }
    EXPECT_LT(dat.find("scripts/scripts.lst")->packedSize, quint32(scripts.size()) / 4);
    for (const char* absent : {"scripts", "scripts.lst", "", "art/items", "scripts/scripts.ls"})
        EXPECT_FALSE(dat.contains(absent)) << absent;
    try {
        dat.read("missing.txt");
        ADD_FAILURE() << "read a missing entry";
    } catch (const UserError& e) {
        EXPECT_EQ(e.text(), "File not found");
        EXPECT_EQ(e.path(), "missing.txt");
    }
}

// Written byte by byte here, so a fault shared by our reader and writer cannot hide.
TEST(DatArchive, ReadsAnArchiveLaidOutByHand) {
    const QByteArray dat = QByteArray("hello", 5) +
                           QByteArray::fromHex("01000000"    // one entry
                                               "05000000") + // name length
                           "A\\B.t" +                        // name
                           QByteArray::fromHex("00"
                                               "05000000"
                                               "05000000" // stored, sizes
                                               "00000000" // offset
                                               "1A000000"
                                               "27000000"); // 26, total 39
    const DatArchive archive = DatArchive::fromBytes(dat, "hand.dat");
    EXPECT_EQ(archive.names(), QStringList("A/B.t"));
    EXPECT_EQ(archive.read("a/b.T"), "hello");
}

TEST(DatArchive, BrokenArchivesGiveTheirMessage) {
    const QByteArray good = buildDat({{"scripts\\scripts.lst", scriptList(40), true}});
    const QByteArray stored = buildDat({{"scripts\\scripts.lst", "plain text", false}});
    const qsizetype flag = onlyEntryFlag(good);
    const quint32 unpacked = u32(good, flag + 1);
    const quint32 packed = u32(good, flag + 5);
    const qsizetype dir = directoryStart(good);
    const auto edit = [](QByteArray bytes, qsizetype pos, quint32 value) {
        setU32(bytes, pos, value);
        return bytes;
    };
    QByteArray flipped = good;
    for (qsizetype i = 10; i < 30; ++i)
        flipped[i] = char(flipped[i] ^ 0x5A);
    QByteArray marked = stored;
    marked[onlyEntryFlag(stored)] = 1;
    const QString entry = "entry 'scripts\\scripts.lst' ";
    const struct {
        const char* name;
        QByteArray bytes;
        QString text; // after "Broken archive 'broken.dat': "
        bool onRead;  // the directory is fine, reading the entry fails
    } cases[] = {
        {"empty file", QByteArray(), "the file is too short to be an archive", false},
        {"seven bytes", good.right(7), "the file is too short to be an archive", false},
        {"cut at the front", good.mid(3),
         QString("it says it is %1 bytes long, the file has %2")
             .arg(good.size())
             .arg(good.size() - 3),
         false},
        {"bytes added before", "xx" + good,
         QString("it says it is %1 bytes long, the file has %2")
             .arg(good.size())
             .arg(good.size() + 2),
         false},
        {"directory larger than the file", edit(good, good.size() - 8, 0xFFFFFFF0),
         "its directory of 4294967280 bytes does not fit in the file", false},
        {"directory without its count", edit(good, good.size() - 8, 0),
         "its directory of 0 bytes does not fit in the file", false},
        {"count far too large", edit(good, dir, 0xFFFFFFFF),
         QString("its directory of %1 bytes cannot hold 4294967295 entries").arg(flag + 13 - dir),
         false},
        {"one entry more than written", edit(good, dir, 2), "the directory ends inside entry 2",
         false},
        {"name longer than the directory", edit(good, dir + 4, 1000),
         "the name of entry 1 is longer than the rest of the directory", false},
        {"name length near 4 GB", edit(good, dir + 4, 0xFFFFFFFF),
         "the name of entry 1 is longer than the rest of the directory", false},
        {"data past the end", edit(good, flag + 9, quint32(good.size() - 5)),
         entry + "points past the end", true},
        {"data offset near 4 GB", edit(good, flag + 9, 0xFFFFFFFF), entry + "points past the end",
         true},
        {"unpacked size too large", edit(good, flag + 1, unpacked + 1),
         entry +
             QString("inflates to %1 bytes, not the %2 it claims").arg(unpacked).arg(unpacked + 1),
         true},
        {"unpacked size too small", edit(good, flag + 1, unpacked - 1),
         entry + QString("inflates to more than the %1 bytes it claims").arg(unpacked - 1), true},
        {"unpacked size near 4 GB", edit(good, flag + 1, 0xFFFFFFF0),
         entry + "claims 4294967280 bytes, more than a game file can have", true},
        {"unpacked size beyond what zlib makes", edit(good, flag + 1, 200u << 20),
         entry + QString("cannot inflate from %1 to 209715200 bytes").arg(packed), true},
        {"stream cut short", edit(good, flag + 5, packed - 6), entry + "does not inflate", true},
        {"stream damaged", flipped, entry + "does not inflate", true},
        {"plain text marked compressed", marked, entry + "does not inflate", true},
        {"stored sizes disagree", edit(stored, onlyEntryFlag(stored) + 1, 11),
         entry + "is stored with 10 bytes but claims 11", true},
    };
    TempFolder t;
    for (const auto& c : cases) {
        const QString path = t.write("broken.dat", c.bytes);
        const QString expected = "Broken archive 'broken.dat': " + c.text;
        const std::function<DatArchive()> opens[] = {
            [&] { return DatArchive::open(path); },
            [&] { return DatArchive::fromBytes(c.bytes, path); },
        };
        for (const auto& open : opens) {
            try {
                const DatArchive dat = open();
                EXPECT_TRUE(c.onRead) << c.name << ": opened";
                EXPECT_EQ(dat.names(), QStringList("scripts/scripts.lst")) << c.name;
                dat.read("scripts/scripts.lst");
                ADD_FAILURE() << c.name << ": read";
            } catch (const UserError& e) {
                EXPECT_EQ(e.text(), expected) << c.name;
                EXPECT_EQ(e.path(), path) << c.name;
            }
        }
    }
}

TEST(DatArchive, OpensOnlyRegularFiles) {
    TempFolder t;
    const QString fifo = t.file("pipe.dat");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        const char* text;
    } cases[] = {
        {t.file("missing.dat"), "File not found"},
        {t.mkdir("folder.dat"), "This is a folder, not a file"},
        {fifo, "File access denied"}, // never waits for a writer
        {QString(), "Invalid filename"},
    };
    for (const auto& c : cases) {
        try {
            DatArchive::open(c.path);
            ADD_FAILURE() << c.path.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), c.text) << c.path.toStdString();
            EXPECT_EQ(e.path(), c.path);
        }
    }
}

// The built zantrel-cli, run as a user runs it, on prototypes and game folders of our own.
#include "clirun.h"
#include "datwriter/datwriter.h"
#include "proto/fieldcodec.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QByteArray weapon() {
    QByteArray b = makePrototype(0, 122);
    zantrel::setFieldValue(b, 32, 4, 3);  // weapon
    zantrel::setFieldValue(b, 36, 4, 1);  // metal
    zantrel::setFieldValue(b, 61, 4, 3);  // minimum damage
    zantrel::setFieldValue(b, 65, 4, 10); // maximum damage
    zantrel::setFieldValue(b, 44, 4, 0);  // weight
    return b;
}

// A game: master.dat with the names, a loose copy in data/ that wins over it.
QString writeGame(const TempFolder& t) {
    QByteArray proto = "{100}{}{Glass}\r\n{101}{}{Metal}\r\n";
    t.write("Game/master.dat",
            buildDat({{"text\\english\\game\\proto.msg", proto, true},
                      {"scripts\\scripts.lst",
                       "s0.int ; none\r\ns1.int\r\ns2.int\r\n"
                       "s3.int\r\ns4.int\r\ns5.int ; fifth\r\n",
                       false},
                      {"proto\\items\\items.lst", "00000001.pro\r\n", true},
                      {"art\\items\\items.lst", "a.frm\r\nb.frm\r\nknife.frm\r\n", true},
                      {"maps\\a.map", "archived", true},
                      {"data\\ai.txt",
                       "; packets\r\n[Bar Keeper]\r\npacket_num = 12\r\n[Guard]\r\n"
                       "Packet_Num=300 ; high\r\n",
                       true},
                      {"data\\maps.txt",
                       "[Map 000]\r\nlookup_name=Den Street\r\n[Map 003]\r\n"
                       "map_name=depot\r\nlookup_name=Freight Depot\r\n",
                       true}}));
    t.write("Game/data/maps/a.map", "loose");
    return t.file("Game");
}

} // namespace

TEST(Cli, ShowPrintsEveryFieldWithItsShownAndStoredValue) {
    TempFolder t;
    const QString file = t.write("w.pro", weapon());
    const CliRun r = cli({"--game", t.mkdir("empty"), "show", file});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(file + ": item weapon, 122 bytes\n"));
    EXPECT_TRUE(r.out.contains(QRegularExpression("\\n +61  Minimum damage +3  \\[3\\]\\n")));
    EXPECT_TRUE(r.out.contains(QRegularExpression("\\n +36  Material +1  \\[1\\]\\n")));
}

TEST(Cli, ShowJsonIsOneArrayCoveringEveryByte) {
    TempFolder t;
    const QString a = t.write("w.pro", weapon());
    const QString b = t.write("wall.pro", makePrototype(3, 40));
    const CliRun r = cli({"--game", t.mkdir("empty"), "show", "--json", a, b});
    EXPECT_EQ(r.code, 0);
    const QJsonArray files = QJsonDocument::fromJson(r.bytes).array();
    ASSERT_EQ(files.size(), 2);
    struct Want {
        const char* type;
        QJsonValue kind;
        int length, covered;
    };
    const Want want[] = {{"item", QJsonValue("weapon"), 122, 122}, {"wall", QJsonValue(), 40, 36}};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject o = files[i].toObject();
        EXPECT_EQ(o["file"].toString(), i == 0 ? a : b);
        EXPECT_EQ(o["type"].toString(), want[i].type);
        EXPECT_EQ(o["kind"], want[i].kind);
        EXPECT_EQ(o["length"].toInt(), want[i].length);
        int next = 0;
        for (const QJsonValue& f : o["fields"].toArray()) {
            EXPECT_EQ(f["offset"].toInt(), next);
            next += f["width"].toInt();
        }
        EXPECT_EQ(next, want[i].covered);
    }
    EXPECT_EQ(files[1]["problems"].toArray().size(), 1); // 40 bytes where a wall has 36
    const QJsonObject script = files[0]["fields"].toArray()[10].toObject();
    EXPECT_EQ(script["name"].toString(), "Script id");
    EXPECT_EQ(script["value"].toDouble(), 0x03000005);
    EXPECT_EQ(script["shown"].toString(), "5");
}

TEST(Cli, ShowNamesFromTheGameFiles) {
    TempFolder t;
    const QString game = writeGame(t);
    const QString file = t.write("w.pro", weapon());
    const CliRun r = cli({"--game", game, "show", file});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains(QRegularExpression("Material +1 \\(Metal\\)  \\[1\\]")));
    EXPECT_TRUE(r.out.contains(QRegularExpression("Script id +5 \\(s5.int\\)  ")));
    EXPECT_TRUE(r.out.contains(QRegularExpression("Frame id +00000002 \\(knife.frm\\)  ")));
}

TEST(Cli, ShowAndTextconvNameAiPacketsAndMaps) {
    TempFolder t;
    const QString game = writeGame(t);
    QByteArray stairs = makePrototype(2, 49);
    zantrel::setFieldValue(stairs, 32, 4, 1); // stairs
    const struct {
        const char* what;
        QByteArray bytes;
        int offset;
        quint32 value;
        const char* show;     // the line of "show"
        const char* textconv; // the line of "textconv"
    } cases[] = {
        {"named packet", makePrototype(1, 416), 36, 12,
         "AI packet number +12 \\(Bar Keeper\\)  \\[12\\]", "AI packet number: 12 (Bar Keeper)\n"},
        {"high packet", makePrototype(1, 416), 36, 300, "AI packet number +300 \\(Guard\\)  ",
         "AI packet number: 300 (Guard)\n"},
        {"unknown packet", makePrototype(1, 416), 36, 7, "AI packet number +7  \\[7\\]",
         "AI packet number: 7\n"},
        {"named map", stairs, 45, 3, "Destination map +3 \\(Freight Depot\\)  \\[3\\]",
         "Destination map: 3 (Freight Depot)\n"},
        {"unknown map", stairs, 45, 9, "Destination map +9  \\[9\\]", "Destination map: 9\n"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = c.bytes;
        zantrel::setFieldValue(bytes, c.offset, 4, c.value);
        const QString file = t.write("p.pro", bytes);
        const CliRun shown = cli({"--game", game, "show", file});
        EXPECT_EQ(shown.code, 0) << c.what;
        EXPECT_TRUE(shown.out.contains(QRegularExpression(c.show))) << c.what << "\n"
                                                                    << shown.out.toStdString();
        const CliRun text = cli({"--game", game, "textconv", file});
        EXPECT_TRUE(text.out.contains(QLatin1String(c.textconv))) << c.what << "\n"
                                                                  << text.out.toStdString();
    }
    // A packet is set by its name too.
    const QString file = t.write("p.pro", makePrototype(1, 416));
    EXPECT_EQ(cli({"--game", game, "set", file, "AI packet number=guard"}).code, 0);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(zantrel::fieldValue(f.readAll(), 36, 4), 300u);
}

// A message file of the game with a tab in a comment and an entry without a number: the
// names still show, and the skipped entry is told on standard error with its archive entry.
TEST(Cli, ShowTellsASkippedMessageEntryAndKeepsTheNames) {
    TempFolder t;
    t.write("Game/master.dat",
            buildDat({{"text\\english\\game\\proto.msg",
                       "#\t Messages from proto.c\r\n{100}{}{Glass}\r\n{oops}{}{x}\r\n"
                       "{101}{}{Metal}\r\n",
                       true}}));
    const QString file = t.write("w.pro", weapon());
    const CliRun r = cli({"--game", t.file("Game"), "show", file});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains(QRegularExpression("Material +1 \\(Metal\\)  \\[1\\]")));
    EXPECT_EQ(r.err, QStringLiteral("zantrel-cli: %1: text\\english\\game\\proto.msg: warning: "
                                    "Line 3: 'oops' is not a message number; the entry is "
                                    "skipped\n")
                         .arg(t.file("Game/master.dat")));
}

TEST(Cli, SetChangesOnlyTheFieldsBytesOrNothing) {
    TempFolder t;
    const QByteArray before = weapon();
    struct Case {
        QStringList args;
        int code;
        const char* message; // on standard error, or ""
        int offset;          // of the changed field; -1: nothing changes
        QByteArray field;
    };
    const Case cases[] = {
        {{"MINIMUM DAMAGE=7"}, 0, "", 61, QByteArray::fromHex("00000007")},
        {{"material=wood"}, 0, "", 36, QByteArray::fromHex("00000003")},
        {{"Minimum damage=12"}, 1, "Minimum damage (12) is more than Maximum damage (10)", -1, {}},
        {{"Minimum damage=x"}, 1, "Minimum damage: 'x' is not a valid integer value", -1, {}},
        {{"Weight=5", "Nonsense=1"}, 1, "No field 'Nonsense' in this item", -1, {}},
        {{"--dry-run", "Weight=5"}, 0, "", -1, {}},
        {{"Weight"}, 2, "'Weight' is not an assignment NAME=VALUE", -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QString file = t.write("w.pro", before);
        QStringList args{"--game", t.mkdir("empty"), "set", file};
        if (c.args[0] == "--dry-run")
            args.insert(3, "--dry-run");
        args += c.args.filter(QRegularExpression("^[^-]"));
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
        QByteArray expected = before;
        if (c.offset >= 0)
            expected.replace(c.offset, c.field.size(), c.field);
        EXPECT_EQ(fileBytes(file).toHex(), expected.toHex());
        if (c.offset >= 0) {
            EXPECT_FALSE(QFile::permissions(file) & QFile::WriteOwner); // left read-only
        }
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST(Cli, DryRunPrintsTheChange) {
    TempFolder t;
    const QString file = t.write("w.pro", weapon());
    const CliRun r =
        cli({"--game", t.mkdir("empty"), "set", "--dry-run", file, "Material=2", "Weight=9"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Material: 1 -> 2\nWeight: 0 -> 9\n");
}

TEST(Cli, LsAndCatSeeTheWinningCopy) {
    TempFolder t;
    const QString game = writeGame(t);
    const CliRun ls = cli({"--game", game, "ls", "maps"});
    EXPECT_EQ(ls.code, 0);
    EXPECT_EQ(ls.out, "maps/a.map\tdata\n");
    const CliRun all = cli({"--game", game, "ls", "*/*.lst"});
    EXPECT_EQ(all.out, "scripts/scripts.lst\tmaster.dat\n");
    const CliRun cat = cli({"--game", game, "cat", "MAPS\\A.MAP"});
    EXPECT_EQ(cat.code, 0);
    EXPECT_EQ(cat.bytes, "loose");
    const CliRun archived = cli({"--game", game, "cat", "proto/items/items.lst"});
    EXPECT_EQ(archived.bytes, "00000001.pro\r\n");
}

TEST(Cli, FailuresAndUsageGiveTheirExitCodes) {
    TempFolder t;
    const QString game = writeGame(t);
    TempFolder broken;
    broken.write("Game/master.dat", "not an archive at all");
    struct Case {
        QStringList args;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {{"--game", game, "cat", "maps/none.map"}, 1, "maps/none.map: File not found"},
        {{"--game", broken.file("Game"), "cat", "maps/a.map"}, 1, "master.dat"},
        {{"--game", broken.file("Game"), "ls"}, 1, "master.dat"},
        {{"--game", t.file("nowhere"), "ls"}, 1, "Game folder not found"},
        {{"--game", game, "show", t.file("none.pro")}, 1, "File not found"},
        {{}, 2, "no command"},
        {{"frobnicate"}, 2, "unknown command frobnicate"},
        {{"--verbose", "ls"}, 2, "unknown option --verbose"},
        {{"--json", "ls"}, 2, "--json belongs to show"},
        {{"cat"}, 2, "cat takes one path"},
        {{"--help"}, 0, ""},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
    }
    EXPECT_TRUE(cli({"--help"}).out.startsWith("Usage: zantrel-cli"));
    EXPECT_TRUE(cli({"--help"}).out.contains("--version"));
    // The name and the project's version, whatever else the line holds.
    const CliRun version = cli({"--version", "ls"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "zantrel-cli " ZANTREL_VERSION "\n");
}

// The editor answers --version and --help on a terminal, without a display.
TEST(Editor, VersionAndHelpNeedNoDisplay) {
    for (const char* option : {"--version", "--help"}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZANTREL_EDITOR), {QLatin1String(option)});
        ASSERT_TRUE(p.waitForFinished(30000)) << option;
        EXPECT_EQ(p.exitCode(), 0) << option;
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        if (QByteArray(option) == "--version")
            EXPECT_EQ(out, "zantrel " ZANTREL_VERSION "\n");
        else
            EXPECT_TRUE(out.contains("--lang <CODE>")) << out.toStdString();
    }
}

// textconv and diff: prototypes as stable text, and the fields two prototypes differ in.
#include "cli/prototypetext.h"
#include "clirun.h"
#include "gamedata/gamenames.h"
#include "proto/fieldcodec.h"
#include "support/modgame.h"
#include "support/tempfolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QString rowAt(const QByteArray& bytes, int offset) {
    for (const RecordRow& row : recordFor(bytes).rows)
        if (offset >= row.offset && offset < row.offset + row.width)
            return row.name;
    return QString();
}

} // namespace

// Each byte of every record, changed in its lowest and highest bit, changes exactly the line
// of the field holding it, with and without the game's names: nothing a diff should show is
// lost in the text.
TEST(PrototypeText, EveryByteChangeShowsAsOneLineOfItsField) {
    TempFolder t;
    const GameView view(writeGameFolder(t, "Game", 8, 2));
    const GameNames gameNames(view);
    for (const Names* names :
         {static_cast<const Names*>(nullptr), static_cast<const Names*>(&gameNames)}) {
        for (const ObjectShape& shape : everyShape()) {
            QByteArray base = makeCleanPrototype(shape.type, shape.kind);
            // Values that are not all zero, so their names and signs come into play.
            for (int i = 9; i < base.size(); i += 3)
                base[i] = char(i * 37);
            base[0] = char(shape.type);
            if (shape.type == 0 || shape.type == 2)
                setFieldValue(base, 32, 4, std::uint32_t(shape.kind));
            for (int offset = 1; offset < base.size(); ++offset) {
                if (offset >= 32 && offset < 36 && (shape.type == 0 || shape.type == 2))
                    continue; // the kind word: another table, tested below
                for (const char bit : {char(0x01), char(0x80)}) {
                    QByteArray changed = base;
                    changed[offset] = char(changed[offset] ^ bit);
                    const QStringList diff = prototypeDiff(base, changed, names);
                    SCOPED_TRACE(QStringLiteral("type %1 kind %2 byte %3 names %4")
                                     .arg(shape.type)
                                     .arg(shape.kind)
                                     .arg(offset)
                                     .arg(names != nullptr)
                                     .toStdString());
                    ASSERT_EQ(diff.size(), 1) << diff.join('\n').toStdString();
                    EXPECT_TRUE(diff[0].startsWith(rowAt(base, offset) + ": "))
                        << diff[0].toStdString();
                }
            }
        }
    }
}

TEST(PrototypeText, TextconvPrintsOneFieldALineAndWhatAnyFileHolds) {
    TempFolder t;
    QByteArray tile = makeCleanPrototype(4);
    setFieldValue(tile, 24, 4, 3);
    struct Case {
        const char* name;
        QByteArray bytes;
        QByteArray text;
    };
    const Case cases[] = {
        {"tile", tile,
         "Type: tile\nLength: 28\nObject id: 04000001\nText id: 100\nFrame id: 04000001\n"
         "Flags: 00000000\nFlags for use: 00000000\nScript id: 1\nMaterial: 3\n"},
        {"not a prototype", "hello",
         "Type: unknown\nLength: 5\n"
         "Problem: The object type 104 is not known: only the header is described\n"
         "Problem: The file has 5 bytes; a unknown has 12\n"
         "Object id: 68656C6C\nBytes at 4: 6F\n"},
        {"empty", "",
         "Type: unknown\nLength: 0\n"
         "Problem: The object type -1 is not known: only the header is described\n"
         "Problem: The file has 0 bytes; a unknown has 12\n"},
        {"wall with 40 bytes more", makeCleanPrototype(3) + QByteArray(40, '\x11'),
         "Type: wall\nLength: 76\n"
         "Problem: The file has 76 bytes; a wall has 36\n"
         "Object id: 03000001\nText id: 100\nFrame id: 03000001\nLight radius: 0\n"
         "Light intensity, percent: 0\nFlags: 00000000\nFlags for use: 00000000\n"
         "Script id: 1\nMaterial: 0\nBytes at 36: " +
             QByteArray(64, '1') + "\nBytes at 68: 1111111111111111\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = t.write("f.pro", c.bytes);
        const CliRun r = cli({"--game", "", "textconv", file});
        EXPECT_EQ(r.code, 0) << r.err.toStdString(); // git diff stops on any other status
        EXPECT_EQ(r.out, QString::fromLatin1(c.text));
    }
    EXPECT_EQ(cli({"--game", "", "textconv", t.file("none.pro")}).code, 1);
    EXPECT_EQ(cli({"--game", "", "textconv"}).code, 2);
}

TEST(PrototypeText, DiffPrintsTheFieldsThatDifferAndItsStatus) {
    TempFolder t;
    const QString game = writeGameFolder(t, "Game", 8, 2);
    QByteArray weapon = makeCleanPrototype(0, 3);
    setFieldValue(weapon, 36, 4, 1);
    QByteArray stronger = weapon;
    setFieldValue(stronger, 61, 4, 7);
    setFieldValue(stronger, 36, 4, 3);
    const QString a = t.write("a.pro", weapon);
    const QString same = t.write("same.pro", weapon);
    const QString b = t.write("b.pro", stronger);
    const QString armor = t.write("armor.pro", makeCleanPrototype(0, 0));
    QByteArray systemScript = weapon; // the same line, another type byte
    setFieldValue(systemScript, 28, 4, 1);
    const QString system = t.write("system.pro", systemScript);
    const CliCase cases[] = {
        {{"--game", "", "diff", a, same}, 0, "", ""},
        {{"--game", "", "diff", a, b}, 1, "Material: 1 -> 3\nMinimum damage: 0 -> 7\n", ""},
        {{"--game", game, "diff", a, b},
         1,
         "Material: 1 (Metal) -> 3 (Wood)\nMinimum damage: 0 -> 7\n",
         ""},
        {{"--game", "", "diff", a, system}, 1, "Script id: 1 -> 1 [1]\n", ""},
        {{"--game", "", "diff", a, t.file("none.pro")}, 2, "", "none.pro: File not found"},
        {{"--game", "", "diff", a}, 2, "", "diff takes two prototype files"},
    };
    for (const CliCase& c : cases)
        expectRun(c);
    // Another kind: its type and length, the fields both have, and those only one has.
    const QStringList lines = cli({"--game", "", "diff", a, armor}).out.split('\n');
    EXPECT_EQ(lines.mid(0, 2),
              QStringList({"Type: item weapon -> item armor", "Length: 122 -> 129"}));
    EXPECT_TRUE(lines.contains("Item Type: 3 -> 0"));
    EXPECT_TRUE(lines.contains("Minimum damage: 0 -> (absent)"));
    EXPECT_TRUE(lines.contains("Armor class: (absent) -> 0"));
    EXPECT_EQ(lines.indexOf(QRegularExpression("^Text id:")), -1);
}

// The README's two lines in a real repository: git diff shows the changed field.
TEST(PrototypeText, GitDiffShowsFieldChangesThroughTextconv) {
    const QString git = QStandardPaths::findExecutable("git");
    if (git.isEmpty())
        GTEST_SKIP() << "git is not installed";
    TempFolder t;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", QFileInfo(ZANTREL_CLI).path() + ':' + env.value("PATH"));
    env.insert("HOME", t.path()); // no user's git settings
    env.insert("GIT_CONFIG_NOSYSTEM", "1");
    auto run = [&](const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(t.path());
        p.start(git, args);
        p.waitForFinished(30000);
        EXPECT_EQ(p.exitCode(), 0)
            << args.join(' ').toStdString() << ": " << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    run({"init", "-q"});
    run({"config", "user.email", "modder@example.com"});
    run({"config", "user.name", "Modder"});
    t.write(".gitattributes", "*.pro diff=zantrel\n");
    run({"config", "diff.zantrel.textconv", "zantrel-cli textconv"});
    QByteArray critter = makeCleanPrototype(1);
    setFieldValue(critter, 48, 4, 5); // Strength (base)
    t.write("proto/critters/00000001.pro", critter);
    run({"add", "."});
    run({"commit", "-q", "-m", "critter"});
    setFieldValue(critter, 48, 4, 7);
    t.write("proto/critters/00000001.pro", critter);
    const QString diff = run({"diff", "--no-color"});
    EXPECT_TRUE(diff.contains("\n-Strength (base): 5\n+Strength (base): 7\n"))
        << diff.toStdString();
    EXPECT_FALSE(diff.contains("Binary files"));
    run({"commit", "-q", "-am", "stronger"});
    EXPECT_TRUE(run({"log", "-p", "--no-color", "-1"}).contains("+Strength (base): 7\n"));
}

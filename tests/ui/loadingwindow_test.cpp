#include "datwriter/datwriter.h"
#include "gamedata/gamesearch.h"
#include "settings/settingsfile.h"
#include "support/gamedata.h"
#include "support/shellfixture.h"
#include "ui/editorwindow.h"
#include "ui/loadingwindow.h"
#include "ui/settingswindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <memory>

using namespace zantrel;

namespace {

// Settings with the given check list, read from the sources folder "Source" (or the game
// folder "Game" with useSources "0").
void writeIni(ShellFixture& f, const QStringList& files, const char* useSources = "1") {
    QByteArray text = "[File]\nF2Path=" + f.folder.file("Game").toUtf8() +
                      "\nSource=" + f.folder.file("Source").toUtf8() + "\nUseSource=" + useSources +
                      "\n[Other]\n";
    for (int i = 0; i < files.size(); ++i)
        text += "File" + QByteArray::number(i + 1) + "=" + files[i].toUtf8() + "\n";
    f.folder.write("zantrel.ini", text);
}

QProgressBar* gauge(ShellFixture& f) {
    return f.shell.loading->findChild<QProgressBar*>("Gauge1");
}
QLabel* label(ShellFixture& f) {
    return f.shell.loading->findChild<QLabel*>("Label1");
}

} // namespace

TEST(LoadingWindow, FirstStartWritesDefaultsThenMissesTheFirstFile) {
    ShellFixture f;
    int quits = 0;
    f.shell.quit = [&quits] { ++quits; };
    QString labelAtMessage;
    int gaugeAtMessage = -1;
    f.prompter.onMessage = [&] {
        labelAtMessage = label(f)->text();
        gaugeAtMessage = gauge(f)->value();
    };
    f.shell.loading->show();
    f.shell.loading->startCheck();
    ASSERT_TRUE(QFileInfo::exists(f.folder.file("zantrel.ini")));
    const Settings s = readini(f.folder.file("zantrel.ini"));
    EXPECT_EQ(s.files, defaultCheckedFiles());
    EXPECT_EQ(s.sourcesFolder, f.folder.file("Source"));
    EXPECT_EQ(s.useSources, "1");
    EXPECT_EQ(s.imageSize, "0");
    EXPECT_EQ(f.shell.settings.fileCount, 15);

    ASSERT_TRUE(waitFor([&] { return !f.prompter.messages.empty(); }));
    EXPECT_EQ(f.prompter.messages[0].text, "The file is missing: CRITTERS.LST");
    EXPECT_EQ(labelAtMessage, "Checking: CRITTERS.LST");
    EXPECT_EQ(gaugeAtMessage, 0);
    EXPECT_EQ(quits, 1); // dismissing the message ends the program
    EXPECT_FALSE(f.shell.editor->isVisible());
    EXPECT_FALSE(f.shell.loading->timer()->isActive());
}

TEST(LoadingWindow, AllFilesFoundHandsOverToTheEditor) {
    ShellFixture f;
    // Names as the game spells them; the check finds them whatever their case.
    f.writeSourceFiles({"critters.lst", "ITEMS.LST", "misc.lst", "scenery.lst", "scripts.lst",
                        "tiles.lst", "walls.lst", "COLOR.PAL", "pro_crit.msg", "pro_item.msg",
                        "pro_misc.msg", "pro_scen.msg", "pro_tile.msg", "pro_wall.msg",
                        "proto.msg"});
    f.shell.loading->show();
    f.shell.loading->startCheck();
    EXPECT_EQ(f.shell.loading->gaugeStep(), 7);
    EXPECT_EQ(f.shell.loading->timer()->interval(), 33);
    ASSERT_TRUE(waitFor([&] { return f.shell.editor->isVisible(); }));
    EXPECT_FALSE(f.shell.loading->isVisible());
    EXPECT_EQ(gauge(f)->value(), 100);
    EXPECT_EQ(label(f)->text(), "");
    EXPECT_TRUE(f.prompter.messages.empty());
}

TEST(LoadingWindow, GaugeStepAndIntervalRoundHalvesToEven) {
    const struct {
        int count, step, interval;
    } cases[] = {{15, 7, 33}, {8, 12, 62}, {1, 100, 500}, {3, 33, 167}, {100, 1, 5}};
    for (const auto& c : cases) {
        ShellFixture f;
        QStringList files;
        for (int i = 0; i < c.count; ++i)
            files << QString("f%1.lst").arg(i);
        writeIni(f, files);
        f.writeSourceFiles(files);
        f.shell.loading->startCheck();
        EXPECT_EQ(f.shell.loading->gaugeStep(), c.step) << c.count;
        EXPECT_EQ(f.shell.loading->timer()->interval(), c.interval) << c.count;
        // Ticks driven by hand: the gauge shows at most 100, and exactly 100 at the end.
        for (int i = 0; i < c.count; ++i) {
            f.shell.loading->checkNextFile();
            if (i + 1 < c.count) {
                EXPECT_EQ(gauge(f)->value(), std::min(100, (i + 1) * c.step)) << c.count;
            }
        }
        EXPECT_EQ(gauge(f)->value(), 100);
        EXPECT_TRUE(f.shell.editor->isVisible()) << c.count;
        EXPECT_TRUE(f.prompter.messages.empty());
    }
    // Two hundred files are more than the settings file's list holds: a count of 200 would
    // give step 0, but at most 100 are read.
    EXPECT_EQ(gaugeStepFor(200), 0);
    EXPECT_EQ(checkIntervalFor(200), 2);
}

TEST(LoadingWindow, OnlyAFileCountsAsFound) {
    const struct {
        const char* name;
        QStringList files;
        const char* useSources;
        const char* missing; // empty: all found
    } cases[] = {
        {"folder entry", {"a.lst", "sub"}, "1", "sub"},
        {"empty entry", {"a.lst", ""}, "1", ""},
        {"sub-path entry", {"a.lst", "sub\\b.msg"}, "1", nullptr},
        {"game folder, no data sub-folder", {"a.lst"}, "0", nullptr},
    };
    for (const auto& c : cases) {
        ShellFixture f;
        int quits = 0;
        f.shell.quit = [&quits] { ++quits; };
        writeIni(f, c.files, c.useSources);
        const QString base = QLatin1String(c.useSources) == "0" ? "Game/" : "Source/";
        f.folder.write(base + "a.lst", "x");
        f.folder.write(base + "sub/b.msg", "x");
        f.shell.loading->startCheck();
        for (int i = 0; i < c.files.size() && f.prompter.messages.empty(); ++i)
            f.shell.loading->checkNextFile();
        if (c.missing) {
            ASSERT_EQ(f.prompter.messages.size(), 1u) << c.name;
            EXPECT_EQ(f.prompter.messages[0].text, QString("The file is missing: ") + c.missing)
                << c.name;
            EXPECT_EQ(quits, 1) << c.name;
        } else {
            EXPECT_TRUE(f.prompter.messages.empty()) << c.name;
            EXPECT_TRUE(f.shell.editor->isVisible()) << c.name;
        }
    }
}

TEST(LoadingWindow, AnEmptyListHandsOverAtOnce) {
    ShellFixture f;
    writeIni(f, {});
    f.shell.loading->startCheck();
    EXPECT_TRUE(f.shell.editor->isVisible());
    EXPECT_EQ(gauge(f)->value(), 100);
}

TEST(LoadingWindow, ReactivationRestartsTheCheck) {
    ShellFixture f;
    writeIni(f, {"a.lst", "b.lst", "c.lst"});
    f.writeSourceFiles({"a.lst", "b.lst", "c.lst"});
    f.shell.loading->startCheck();
    f.shell.loading->checkNextFile();
    f.shell.loading->checkNextFile();
    EXPECT_EQ(f.shell.loading->checkIndex(), 2);
    f.shell.loading->startCheck();
    EXPECT_EQ(f.shell.loading->checkIndex(), 0);
    EXPECT_EQ(gauge(f)->value(), 0);
}

TEST(LoadingWindow, AStockInstallPassesTheDefaultListFromItsArchives) {
    // The game as installed: the lists, messages and palette inside master.dat, critter art
    // in critter.dat, nothing loose.
    const QStringList inMaster = {"art\\critters\\CRITTERS.LST",
                                  "art\\items\\ITEMS.LST",
                                  "art\\misc\\MISC.LST",
                                  "art\\scenery\\SCENERY.LST",
                                  "scripts\\SCRIPTS.LST",
                                  "art\\tiles\\TILES.LST",
                                  "art\\walls\\WALLS.LST",
                                  "COLOR.PAL",
                                  "text\\english\\game\\PRO_CRIT.MSG",
                                  "text\\english\\game\\PRO_ITEM.MSG",
                                  "text\\english\\game\\PRO_MISC.MSG",
                                  "text\\english\\game\\PRO_SCEN.MSG",
                                  "text\\english\\game\\PRO_TILE.MSG",
                                  "text\\english\\game\\PRO_WALL.MSG"};
    const struct {
        const char* why;
        bool withProtoMsg;
        const char* message; // nullptr: the editor takes over
    } cases[] = {
        {"every file archived", true, nullptr},
        {"proto.msg nowhere", false, "The file is missing: PROTO.MSG"},
    };
    for (const auto& c : cases) {
        ShellFixture f;
        f.shell.quit = [] {};
        QList<DatEntryIn> master;
        for (const QString& name : inMaster)
            master.append({name, "x\r\n", true});
        if (c.withProtoMsg)
            master.append({"text\\english\\game\\PROTO.MSG", "{100}{}{Glass}\r\n", false});
        f.folder.write("Game/master.dat", buildDat(master));
        f.folder.write("Game/critter.dat", buildDat({{"art\\critters\\hmjmpsaa.frm", "f", true}}));
        writeIni(f, defaultCheckedFiles(), "0");
        f.shell.loading->show();
        f.shell.loading->startCheck();
        if (c.message) {
            ASSERT_TRUE(waitFor([&] { return !f.prompter.messages.empty(); })) << c.why;
            EXPECT_EQ(f.prompter.messages[0].text, c.message) << c.why;
        } else {
            ASSERT_TRUE(waitFor([&] { return f.shell.editor->isVisible(); })) << c.why;
            EXPECT_TRUE(f.prompter.messages.empty()) << c.why;
        }
    }
}

namespace {

enum class Layout { Loose, Archived };

// The game at <program folder>/<game>: its data folder, or master.dat holding the files.
void writeGame(ShellFixture& f, const QString& game, Layout layout) {
    if (layout == Layout::Loose) {
        writeLooseGame(f.folder, game);
        return;
    }
    QList<DatEntryIn> entries;
    for (const QString& name : installedCheckFiles())
        entries.append({name, "x\r\n", true});
    f.folder.write(game + "/master.dat", buildDat(entries));
}

// Ticks the check by hand; true when the editor took over without a message.
bool checkPasses(ShellFixture& f) {
    for (int i = 0; i < f.shell.settings.fileCount && f.prompter.messages.empty(); ++i)
        f.shell.loading->checkNextFile();
    return f.prompter.messages.empty() && f.shell.editor->isVisible();
}

// The candidates below the fixture's home folder, relative to the program folder.
QStringList candidatesBelowHome(ShellFixture& f) {
    QStringList out;
    for (const QString& c : gameFolderCandidates(f.shell.homeFolder))
        out << QDir(f.folder.path()).relativeFilePath(c);
    return out;
}

} // namespace

TEST(LoadingWindow, FirstStartFindsTheGameWhereItIsInstalled) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the Windows places lie on fixed drives, not below a home folder";
#endif
    const int places = int(candidatesBelowHome(*std::make_unique<ShellFixture>()).size());
    for (int place = 0; place < places; ++place) {
        for (Layout layout : {Layout::Loose, Layout::Archived}) {
            ShellFixture f;
            const QString game = candidatesBelowHome(f)[place];
            const std::string why = game.toStdString() + (layout == Layout::Loose ? " loose" : "");
            writeGame(f, game, layout);
            f.shell.loading->startCheck();
            const Settings s = readini(f.folder.file("zantrel.ini"));
            EXPECT_EQ(s.gameFolder, f.folder.file(game)) << why;
            EXPECT_EQ(s.useSources, "0") << why;
            EXPECT_EQ(s.sourcesFolder, f.folder.file("Source")) << why;
            EXPECT_EQ(s.imageSize, "0") << why;
            EXPECT_EQ(s.files, defaultCheckedFiles()) << why;
            EXPECT_TRUE(f.prompter.fileRequests.empty()) << why;
            EXPECT_TRUE(checkPasses(f)) << why << " " << f.prompter.texts().join(";").toStdString();
        }
    }
}

TEST(LoadingWindow, FirstStartTakesTheEarlierOfTwoPlaces) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the Windows places lie on fixed drives, not below a home folder";
#endif
    // Indices into the candidates: the default folder, Steam, Steam below .local, GOG, and
    // the three inside Wine.
    const struct { int first, second; } cases[] = {{0, 3}, {1, 2}, {3, 1}, {2, 6}, {4, 5}, {6, 5}};
    for (const auto& c : cases) {
        ShellFixture f;
        const QStringList places = candidatesBelowHome(f);
        writeGame(f, places[c.first], Layout::Archived);
        writeGame(f, places[c.second], Layout::Loose);
        f.shell.loading->startCheck();
        const int expected = std::min(c.first, c.second);
        EXPECT_EQ(readini(f.folder.file("zantrel.ini")).gameFolder, f.folder.file(places[expected]))
            << c.first << " " << c.second;
    }
}

TEST(LoadingWindow, FirstStartWithoutAGameAsksForItsFolder) {
    const struct {
        const char* why;
        const char* answer; // below the program folder; nullptr: cancelled
    } cases[] = {{"chosen", "Elsewhere/Fallout 2"}, {"cancelled", nullptr}};
    for (const auto& c : cases) {
        ShellFixture f;
        f.shell.quit = [] {};
        // A game folder without the game does not count.
        f.folder.mkdir("home/Fallout2/data");
        writeLooseGame(f.folder, "Elsewhere/Fallout 2");
        if (c.answer)
            f.prompter.fileAnswers.push_back(f.folder.file(c.answer));
        f.shell.loading->startCheck();
        const QString start = QDir::toNativeSeparators(QFileInfo(f.folder.path()).path());
        EXPECT_EQ(f.prompter.fileRequests,
                  std::vector<QString>{"folder Select Your Fallout Directory: " + start})
            << c.why;
        const Settings s = readini(f.folder.file("zantrel.ini"));
        const SettingsForm defaults = defaultSettingsForm(f.folder.path());
        EXPECT_EQ(s.gameFolder, c.answer ? f.folder.file(c.answer) : defaults.gameFolder) << c.why;
        EXPECT_EQ(s.useSources, c.answer ? "0" : "1") << c.why;
        EXPECT_EQ(s.files, defaultCheckedFiles()) << c.why;
        if (c.answer) {
            EXPECT_TRUE(checkPasses(f)) << c.why;
        } else {
            checkPasses(f);
            EXPECT_EQ(f.prompter.texts(), QStringList{"The file is missing: CRITTERS.LST"});
        }
    }
}

TEST(LoadingWindow, AnExistingSettingsFileIsNeverSecondGuessed) {
    ShellFixture f;
    int quits = 0;
    f.shell.quit = [&quits] { ++quits; };
    writeIni(f, defaultCheckedFiles(), "0"); // the game folder "Game" is empty
    writeGame(f, "home/Fallout2", Layout::Archived);
    const QByteArray before = fileBytes(f.folder.file("zantrel.ini"));
    f.shell.loading->startCheck();
    EXPECT_FALSE(checkPasses(f));
    EXPECT_EQ(f.prompter.texts(), QStringList{"The file is missing: CRITTERS.LST"});
    EXPECT_EQ(quits, 1);
    // Only the question after the message, cancelled: the game found below home is not taken.
    ASSERT_EQ(f.prompter.fileRequests.size(), 1u);
    EXPECT_TRUE(f.prompter.fileRequests[0].startsWith("folder Select Your Fallout Directory:"));
    EXPECT_EQ(fileBytes(f.folder.file("zantrel.ini")), before);
}

TEST(LoadingWindow, GameFolderFromTheCommandLineIsNeverSaved) {
    const struct {
        const char* why;
        bool settingsFile;
    } cases[] = {{"settings file present", true}, {"first start", false}};
    for (const auto& c : cases) {
        ShellFixture f;
        f.shell.quit = [] {};
        writeGame(f, "Other", Layout::Archived);
        f.shell.gameFolderOverride = f.folder.file("Other");
        if (c.settingsFile)
            writeIni(f, defaultCheckedFiles()); // from the empty sources folder
        f.shell.loading->startCheck();
        const QString other = f.folder.file("Other");
        const QString saved = readini(f.folder.file("zantrel.ini")).gameFolder;
        EXPECT_FALSE(fileBytes(f.folder.file("zantrel.ini")).contains(other.toUtf8())) << c.why;
        EXPECT_EQ(saved, c.settingsFile ? f.folder.file("Game") : QDir::homePath() + "/Fallout2")
            << c.why;
        EXPECT_TRUE(f.prompter.fileRequests.empty()) << c.why; // nothing asked either
        EXPECT_EQ(f.shell.settings.gameFolder, other) << c.why;
        EXPECT_EQ(f.shell.settings.useSources, "0") << c.why;
        EXPECT_TRUE(checkPasses(f)) << c.why;
        // The settings window shows and saves the file's folder; the run keeps the given one.
        f.shell.settingsWindow->show();
        f.shell.settingsWindow->saveini(); // as its Save button does
        f.shell.settingsWindow->readini();
        EXPECT_EQ(readini(f.folder.file("zantrel.ini")).gameFolder, saved) << c.why;
        EXPECT_EQ(f.shell.settings.gameFolder, other) << c.why;
    }
}

TEST(LoadingWindow, ABrokenArchiveIsNamedAndAnotherGameCanBeChosen) {
    const struct {
        const char* why;
        const char* answer; // below the program folder; nullptr: cancelled
    } cases[] = {{"another game chosen", "Good"}, {"cancelled", nullptr}};
    for (const auto& c : cases) {
        ShellFixture f;
        int quits = 0;
        f.shell.quit = [&quits] { ++quits; };
        // The game's master.dat cut short, as an interrupted copy leaves it.
        writeGame(f, "Game", Layout::Archived);
        const QByteArray whole = fileBytes(f.folder.file("Game/master.dat"));
        const QByteArray cut = whole.left(whole.size() / 2);
        const QString master = f.folder.write("Game/master.dat", cut);
        // The archive's last four bytes give the length it claims.
        const quint32 claimed = qFromLittleEndian<quint32>(cut.constData() + cut.size() - 4);
        writeGame(f, "Good", Layout::Archived);
        writeIni(f, defaultCheckedFiles(), "0");
        if (c.answer)
            f.prompter.fileAnswers.push_back(f.folder.file(c.answer));
        f.shell.loading->show();
        f.shell.loading->startCheck();
        ASSERT_TRUE(waitFor([&] { return f.shell.editor->isVisible() || quits > 0; })) << c.why;
        ASSERT_FALSE(f.prompter.messages.empty()) << c.why;
        EXPECT_EQ(f.prompter.texts(),
                  QStringList{QString("The file is missing: CRITTERS.LST\nBroken archive "
                                      "'master.dat': it says it is %1 bytes long, the file has "
                                      "%2\n%3")
                                  .arg(claimed)
                                  .arg(cut.size())
                                  .arg(QDir::toNativeSeparators(master))})
            << c.why;
        const QString start = QDir::toNativeSeparators(QFileInfo(f.folder.path()).path());
        EXPECT_EQ(f.prompter.fileRequests,
                  std::vector<QString>{"folder Select Your Fallout Directory: " + start})
            << c.why;
        const Settings s = readini(f.folder.file("zantrel.ini"));
        EXPECT_EQ(s.gameFolder, f.folder.file(c.answer ? c.answer : "Game")) << c.why;
        EXPECT_EQ(s.files, defaultCheckedFiles()) << c.why;
        EXPECT_EQ(quits, c.answer ? 0 : 1) << c.why;
        EXPECT_EQ(f.shell.editor->isVisible(), c.answer != nullptr) << c.why;
    }
}

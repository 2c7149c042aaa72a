#include "datwriter/datwriter.h"
#include "gamedata/gamesearch.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

TEST(GameSearch, CandidatesInTheOrderTheyAreTried) {
#ifdef Q_OS_WIN
    const QString drive = qEnvironmentVariable("SystemDrive", "C:");
    const QStringList expected = {
        "D:/Fallout2",
        drive + "/Program Files (x86)/Steam/steamapps/common/Fallout 2",
        drive + "/GOG Games/Fallout 2",
        drive + "/Program Files (x86)/GOG Galaxy/Games/Fallout 2",
        "C:/Games/Fallout 2",
    };
#else
    const QStringList expected = {
        "/h/Fallout2",
        "/h/.steam/steam/steamapps/common/Fallout 2",
        "/h/.local/share/Steam/steamapps/common/Fallout 2",
        "/h/GOG Games/Fallout 2",
        "/h/.wine/drive_c/GOG Games/Fallout 2",
        "/h/.wine/drive_c/Program Files (x86)/GOG Galaxy/Games/Fallout 2",
        "/h/.wine/drive_c/Program Files (x86)/Steam/steamapps/common/Fallout 2",
    };
#endif
    EXPECT_EQ(gameFolderCandidates("/h"), expected);
}

TEST(GameSearch, WhatCountsAsTheGame) {
    const struct {
        const char* why;
        std::function<void(const TempFolder&)> make; // builds <temp>/G
        bool holds;
    } cases[] = {
        {"master.dat", [](const TempFolder& t) { t.write("G/master.dat", buildDat({})); }, true},
        {"MASTER.DAT, any case", [](const TempFolder& t) { t.write("G/MASTER.DAT", "x"); }, true},
        {"loose data folder", [](const TempFolder& t) { writeLooseGame(t, "G"); }, true},
        {"loose DATA folder in capitals",
         [](const TempFolder& t) {
             writeLooseGame(t, "G");
             QDir(t.path()).rename("G/data", "G/DATA");
         },
         true},
        {"data folder one file short",
         [](const TempFolder& t) {
             writeLooseGame(t, "G");
             QFile::remove(t.file("G/data/text/english/game/PROTO.MSG"));
         },
         false},
        {"the files at the top, no data folder",
         [](const TempFolder& t) {
             for (const QString& name : installedCheckFiles())
                 t.write("G/" + name, "x");
         },
         false},
        {"a folder named master.dat", [](const TempFolder& t) { t.mkdir("G/master.dat"); }, false},
        {"a file named data", [](const TempFolder& t) { t.write("G/data", "x"); }, false},
        {"empty folder", [](const TempFolder& t) { t.mkdir("G"); }, false},
        {"no folder", [](const TempFolder&) {}, false},
        {"a file where the folder should be", [](const TempFolder& t) { t.write("G", "x"); },
         false},
    };
    for (const auto& c : cases) {
        TempFolder t;
        c.make(t);
        EXPECT_EQ(holdsGame(t.file("G")), c.holds) << c.why;
        // Missing and empty folders before it are passed over.
        EXPECT_EQ(findGameFolder({t.file("Missing"), t.path(), t.file("G")}),
                  c.holds ? t.file("G") : QString())
            << c.why;
    }
    EXPECT_FALSE(holdsGame(QString()));
}

#include "core/files.h"
#include "core/platform.h"
#include "core/usererror.h"
#include "settings/settingsfile.h"
#include "settings/settingslocation.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zantrel;

TEST(Platform, DriveRootsAreRealFoldersWithoutPseudoFileSystems) {
    for (const char* type : {"proc", "sysfs", "tmpfs", "devtmpfs", "cgroup", "cgroup2", "PROC"})
        EXPECT_TRUE(platform::isPseudoFileSystem(type)) << type;
    for (const char* type : {"ext4", "overlay", "vfat", "btrfs", "nfs4", "fuseblk"})
        EXPECT_FALSE(platform::isPseudoFileSystem(type)) << type;

    const QStringList found = platform::driveRoots();
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.first(), "/");
    EXPECT_EQ(found.last(), QDir::cleanPath(QDir::homePath()));
    EXPECT_EQ(QSet<QString>(found.begin(), found.end()).size(), found.size());
    for (const QString& r : found)
        EXPECT_TRUE(QFileInfo(r).isDir() && !r.startsWith("/proc") && !r.startsWith("/sys"))
            << r.toStdString();
}

TEST(Platform, AFileOverTheCapIsRefusedUnread) {
    TempFolder t;
    const QString big = t.file("huge.frm");
    QFile f(big);
    // Sparse, so the test costs no disk space.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(kMaxFileSize + 1));
    f.close();
    try {
        readFileBytes(big);
        ADD_FAILURE() << "read a file over the cap";
    } catch (const UserError& e) {
        EXPECT_EQ(e.text(), fileErrorText(EFBIG));
    }
    ASSERT_TRUE(f.resize(kMaxFileSize));
    EXPECT_EQ(readFileBytes(big).size(), kMaxFileSize);
}

TEST(Platform, TheReadOnlyAttributeAndWritableFolders) {
    TempFolder t;
    const QString file = t.write("a.pro", "x");
    EXPECT_FALSE(platform::isReadOnly(file));
    for (bool on : {true, false, true}) {
        EXPECT_TRUE(platform::setReadOnly(file, on));
        EXPECT_EQ(platform::isReadOnly(file), on);
    }
    EXPECT_FALSE(platform::isReadOnly(t.file("missing.pro")));
    EXPECT_FALSE(platform::setReadOnly(t.file("missing.pro"), true));

    EXPECT_TRUE(platform::isWritableFolder(t.path()));
    EXPECT_FALSE(platform::isWritableFolder(file)); // a file where the folder should be
    EXPECT_FALSE(platform::isWritableFolder(t.file("missing")));
}

TEST(SettingsLocation, BesideAPortableProgramUnlessThatCannotHoldItInstalledInTheUsers) {
    QStandardPaths::setTestModeEnabled(true); // keeps the real configuration folder out
    TempFolder t;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    t.mkdir("usr/bin");
    t.mkdir("usr/share/zantrel/images");
    t.write("usr/bin/zantrel.ini", "[File]\n"); // never read by an installed program
    t.mkdir("nodata/bin");
    t.mkdir("nodata/share");
    t.mkdir("datafile/bin");
    t.write("datafile/share/zantrel", "x");
    t.mkdir("notbin/share/zantrel");
    const struct {
        QString programFolder;
        QString dataFolder;
        QString settings;
    } cases[] = {
        {t.path(), "", t.file("zantrel.ini")},
        {t.write("program", "x"), "", QDir(config).filePath("zantrel.ini")},
        {t.file("usr/bin"), t.file("usr/share/zantrel"), QDir(config).filePath("zantrel.ini")},
        {t.file("usr/bin/"), t.file("usr/share/zantrel"), QDir(config).filePath("zantrel.ini")},
        {t.file("nodata/bin"), "", t.file("nodata/bin/zantrel.ini")},
        {t.file("datafile/bin"), "", t.file("datafile/bin/zantrel.ini")},
        {t.file("notbin"), "", t.file("notbin/zantrel.ini")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(installedDataFolder(c.programFolder), c.dataFolder)
            << c.programFolder.toStdString();
        EXPECT_EQ(settingsFilePath(c.programFolder), c.settings) << c.programFolder.toStdString();
    }
    EXPECT_TRUE(QFileInfo(config).isDir());
    QStandardPaths::setTestModeEnabled(false);
}

TEST(Paths, FoldersEnterInTheProgramsFormAndAreWrittenNatively) {
#ifdef Q_OS_WIN
    const char* const read = "C:/Games/Fallout 2/";
#else
    const char* const read = "C:\\Games\\Fallout 2\\"; // a backslash is part of a POSIX name
#endif
    EXPECT_EQ(normalizedPath("C:\\Games\\Fallout 2\\"), read);
    EXPECT_EQ(normalizedPath("/home/ann/Fallout2"), "/home/ann/Fallout2");

    TempFolder t;
    const QString ini = t.write("zantrel.ini", "[File]\nF2Path=C:\\Games\\Fallout 2\\\n"
                                               "Source=D:\\src\n");
    const Settings s = readini(ini);
    EXPECT_EQ(s.gameFolder, read);
    SettingsForm form;
    form.gameFolder = s.gameFolder;
    form.sourcesFolder = s.sourcesFolder;
    saveini(ini, form);
    EXPECT_TRUE(fileBytes(ini).contains("F2Path=C:\\Games\\Fallout 2\\\n"))
        << fileBytes(ini).constData();
    EXPECT_EQ(readini(ini).sourcesFolder, normalizedPath("D:\\src"));
}

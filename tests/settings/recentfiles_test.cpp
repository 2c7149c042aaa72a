#include "core/usererror.h"
#include "settings/recentfiles.h"
#include "settings/settingsfile.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QStringList numbered(int count) {
    QStringList files;
    for (int i = 1; i <= count; ++i)
        files << QStringLiteral("/mod/%1.pro").arg(i);
    return files;
}

} // namespace

TEST(RecentFiles, TheNewestComesFirstOnceAndTheListStopsAtTen) {
    const struct {
        const char* name;
        QStringList before;
        QString path;
        QStringList after;
    } cases[] = {
        {"into an empty list", {}, "/a.pro", {"/a.pro"}},
        {"before the others", {"/a.pro", "/b.pro"}, "/c.pro", {"/c.pro", "/a.pro", "/b.pro"}},
        {"moved up, not repeated",
         {"/a.pro", "/b.pro", "/c.pro"},
         "/b.pro",
         {"/b.pro", "/a.pro", "/c.pro"}},
        {"the oldest drops out", numbered(10), "/new.pro", QStringList{"/new.pro"} + numbered(9)},
        {"a name the file cannot hold", {"/a.pro"}, "/x\nFile2=/y.pro", {"/a.pro"}},
        {"blanks at the end", {"/a.pro"}, "/b.pro ", {"/a.pro"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withRecentFile(c.before, c.path), c.after) << c.name;
}

TEST(RecentFiles, TheSectionIsAddedOrReplacedAndEveryOtherByteStays) {
    TempFolder t;
    const QStringList files{"/mod/a.pro", "/mod/b & c.pro"};
    const QByteArray written = "[Recent]\nFile1=/mod/a.pro\nFile2=/mod/b & c.pro\n";
    const struct {
        const char* name;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"appended after a blank line",
         "[File]\nF2Path=/g\n[Image]\nOptimize=0\n[Other]\nFile1=x\n",
         "[File]\nF2Path=/g\n[Image]\nOptimize=0\n[Other]\nFile1=x\n\n" + written},
        {"a last line without its break", "[Other]\nFile1=x", "[Other]\nFile1=x\n\n" + written},
        {"replaced where it stands, comments and blanks before the next kept",
         "[File]\nF2Path=/g\n\n[recent]\nfile1=/old.pro\nFile2=/older.pro\n\n; kept\n[Other]\n"
         "File1=x\n",
         "[File]\nF2Path=/g\n\n" + written + "\n; kept\n[Other]\nFile1=x\n"},
        {"a second section merged into the first",
         "[Recent]\nFile1=/old.pro\n[Other]\nFile1=x\n[ RECENT ]\nFile2=/o.pro\n",
         written + "[Other]\nFile1=x\n"},
        {"windows line breaks", "[File]\r\nF2Path=C:\\g\r\n",
         "[File]\r\nF2Path=C:\\g\r\n\r\n[Recent]\r\nFile1=/mod/a.pro\r\nFile2=/mod/b & c.pro\r\n"},
        {"an empty file", "", written},
    };
    for (const auto& c : cases) {
        const QString ini = t.write("zantrel.ini", c.before);
        saveRecentFiles(ini, files);
        EXPECT_EQ(fileBytes(ini), c.after) << c.name;
        EXPECT_EQ(readRecentFiles(ini), files) << c.name;
    }
}

TEST(RecentFiles, ReadingTakesTheTenNumberedKeysOfItsSectionOnly) {
    TempFolder t;
    const struct {
        const char* name;
        QByteArray text;
        QStringList files;
    } cases[] = {
        {"in number order", "[Recent]\nFile2=/b.pro\nFile1=/a.pro\n", {"/a.pro", "/b.pro"}},
        {"any letter case, blanks around",
         "[ recent ]\n  FILE1 = /a.pro  \nfile3=/c.pro\n",
         {"/a.pro", "/c.pro"}},
        {"other sections and keys ignored",
         "[Other]\nFile1=x\n[Recent]\nFile0=/z.pro\nFile11=/k.pro\nNote=/n.pro\nFile5=\n"
         "; File6=/comment.pro\nFile4=/d.pro\n",
         {"/d.pro"}},
        {"a repeated name once", "[Recent]\nFile1=/a.pro\nFile2=/a.pro\n", {"/a.pro"}},
        {"no section", "[File]\nF2Path=/g\n", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readRecentFiles(t.write("zantrel.ini", c.text)), c.files) << c.name;
    EXPECT_EQ(readRecentFiles(t.file("missing.ini")), QStringList());
    EXPECT_EQ(readRecentFiles(t.mkdir("folder.ini")), QStringList());
}

TEST(RecentFiles, TheSettingsWindowsSaveKeepsTheListAndReadsPastIt) {
    TempFolder t;
    const QString ini = t.file("zantrel.ini");
    saveini(ini, defaultSettingsForm(t.path()));
    saveRecentFiles(ini, numbered(10));
    const Settings before = readini(ini);
    EXPECT_EQ(before.fileCount, 15) << "the list is no checked file";
    saveini(ini, defaultSettingsForm(t.path()));
    EXPECT_EQ(readRecentFiles(ini), numbered(10));
    EXPECT_EQ(readini(ini).files, before.files);
}

TEST(RecentFiles, AFileThatCannotBeReadIsReportedAndNothingWritten) {
    TempFolder t;
    EXPECT_EQ(errorOf([&] { saveRecentFiles(t.file("missing.ini"), {"/a.pro"}); }),
              "File not found @ " + t.file("missing.ini"));
    EXPECT_FALSE(QFileInfo::exists(t.file("missing.ini")));
    const QString folder = t.mkdir("zantrel.ini"); // a folder where the file should be
    EXPECT_EQ(errorOf([&] { saveRecentFiles(folder, {"/a.pro"}); }),
              "This is a folder, not a file @ " + folder);
}

#include "core/usererror.h"
#include "settings/settingsfile.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace zantrel;

TEST(SettingsFile, DefaultsWriteInOrderAndReadBack) {
    TempFolder t;
    const QString ini = t.file("zantrel.ini");
    const SettingsForm form = defaultSettingsForm(t.path());
    saveini(ini, form);
    const QByteArray text = fileBytes(ini);
    const QList<QByteArray> order = {
        "[File]",          "F2Path=",    "Source=", "UseSource=1",
        "[Image]",         "Optimize=0", "[Other]", "File1=CRITTERS.LST",
        "File15=PROTO.MSG"};
    qsizetype at = 0;
    for (const QByteArray& piece : order) {
        const qsizetype next = text.indexOf(piece, at);
        EXPECT_GE(next, at) << piece.constData() << " out of order in\n" << text.constData();
        at = next;
    }
    const Settings s = readini(ini);
    EXPECT_EQ(s.gameFolder, form.gameFolder);
    EXPECT_EQ(s.sourcesFolder, t.path() + "/Source");
    EXPECT_EQ(s.useSources, "1");
    EXPECT_EQ(s.imageSize, "0");
    EXPECT_EQ(s.fileCount, 15);
    EXPECT_EQ(s.files, defaultCheckedFiles());
    EXPECT_EQ(s.files.first(), "CRITTERS.LST");
    EXPECT_EQ(s.files.last(), "PROTO.MSG");
}

TEST(SettingsFile, ReadsWhateverTheCaseAndCountsOtherKeys) {
    TempFolder t;
    const struct {
        const char* name;
        QByteArray text;
        const char* useSources;
        int count;
        QStringList files;
    } cases[] = {
        {"mixed case",
         "[file]\nf2path=C:\\G\nUSESOURCE=0\n[OTHER]\nfile1=a\nFILE2=b\n",
         "0",
         2,
         {"a", "b"}},
        {"other key counted",
         "[Other]\nFile1=a\nFile2=b\nFile3=c\nNote=x\n",
         "",
         4,
         {"a", "b", "c", ""}},
        {"gaps read empty", "[Other]\nFile2=b\nFile9=z\n", "", 2, {"", "b"}},
        {"language no file", "[Other]\nFile1=a\nlanguage=en\nFile2=b\n", "", 2, {"a", "b"}},
        {"no file", "", "", 0, {}},
        {"garbage", QByteArray("\x00\xff[\n=\n[[]]\nFile1\n", 16), "", 0, {}},
        {"spaces", "[File]\n UseSource = 1 \n", "1", 0, {}},
    };
    for (const auto& c : cases) {
        const QString ini = t.write(QString("%1.ini").arg(c.name), c.text);
        const Settings s = readini(ini);
        EXPECT_EQ(s.useSources, QLatin1String(c.useSources)) << c.name;
        EXPECT_EQ(s.fileCount, c.count) << c.name;
        EXPECT_EQ(s.files, c.files) << c.name;
        EXPECT_EQ(s.language, c.text.contains("language=en") ? "en" : "") << c.name;
    }
    EXPECT_EQ(readini(t.file("missing.ini")).fileCount, 0);
    EXPECT_EQ(readini(t.file("missing.ini")).gameFolder, "");
}

TEST(SettingsFile, ReadsAtMostAHundredFiles) {
    TempFolder t;
    QByteArray text = "[Other]\n";
    for (int k = 1; k <= 150; ++k)
        text += "File" + QByteArray::number(k) + "=f" + QByteArray::number(k) + "\n";
    const Settings s = readini(t.write("many.ini", text));
    EXPECT_EQ(s.fileCount, 100);
    EXPECT_EQ(s.files.size(), 100);
    EXPECT_EQ(s.files.last(), "f100");
}

TEST(SettingsFile, SavingRewritesOtherAtTheEndAndKeepsTheRest) {
    TempFolder t;
    const QString ini = t.write("zantrel.ini", "[Other]\nFile1=old\nFile2=older\n[File]\nf2path=x\n"
                                               "Extra=kept\n[Mine]\nkey=value\n");
    SettingsForm form;
    form.gameFolder = "/g";
    form.sourcesFolder = "/s";
    form.useSources = false;
    form.halfSize = true;
    form.rows = {"one", "", "three"};
    form.language = "en";
    saveini(ini, form);
    const QByteArray text = fileBytes(ini);
    EXPECT_TRUE(text.endsWith("File3=three\nLanguage=en\n")) << text.constData();
    EXPECT_GT(text.indexOf("[Other]"), text.indexOf("[Mine]"));
    EXPECT_TRUE(text.contains("Extra=kept"));
    EXPECT_TRUE(text.contains("key=value"));
    EXPECT_FALSE(text.contains("older"));
    const Settings s = readini(ini);
    EXPECT_EQ(s.gameFolder, "/g");
    EXPECT_EQ(s.useSources, "0");
    EXPECT_EQ(s.imageSize, "1");
    EXPECT_EQ(s.files, QStringList({"one", "", "three"}));
    EXPECT_EQ(s.language, "en");

    // An empty first row writes no section "Other" at all.
    form.rows = {"", "b"};
    form.language.clear();
    saveini(ini, form);
    EXPECT_FALSE(fileBytes(ini).contains("[Other]"));
    EXPECT_EQ(readini(ini).fileCount, 0);
    form.rows = {};
    saveini(ini, form);
    EXPECT_EQ(readini(ini).fileCount, 0);
}

TEST(SettingsFile, AFailedSaveReportsItAndKeepsTheOldFile) {
    TempFolder t;
    const SettingsForm form = defaultSettingsForm(t.path());
    // A folder where the settings file should be, and a file where its folder should be:
    // faults that hold for root too.
    const QString ini = t.write("old/zantrel.ini", "[File]\nF2Path=old\n");
    const struct {
        QString path;
        const char* text;
    } cases[] = {
        {t.mkdir("folder.ini"), "This is a folder, not a file"},
        // A missing folder reads as the reading side reports it, as prototypes do.
        {t.write("plain", "x") + "/zantrel.ini", "File not found"},
        {t.file("no/such/folder/zantrel.ini"), "File not found"},
    };
    for (const auto& c : cases) {
        try {
            saveini(c.path, form);
            ADD_FAILURE() << c.path.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), QLatin1String(c.text)) << c.path.toStdString();
            EXPECT_EQ(e.path(), c.path);
        }
    }
    EXPECT_EQ(readini(ini).gameFolder, "old");
}

TEST(SettingsFile, AReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root: it writes into read-only folders";
    TempFolder t;
    const QString ini = t.write("ro/zantrel.ini", "[File]\nF2Path=old\n");
    QFile::setPermissions(t.file("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(saveini(ini, defaultSettingsForm(t.path())), UserError);
    EXPECT_EQ(readini(ini).gameFolder, "old");
    QFile::setPermissions(t.file("ro"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

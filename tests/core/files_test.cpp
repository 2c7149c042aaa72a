#include "core/usererror.h"
#include "core/files.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace zantrel;

TEST(ResolvePath, FindsFilesWhateverTheirCase) {
    TempFolder t;
    t.write("Data/Art/Items/ITEMS.LST", "x");
    t.write("color.pal", "p");
    t.write("exact/a.txt", "1");
    t.write("exact/A.txt", "2");
    t.write("twin/data/other.lst", "");
    t.write("twin/DATA/wanted.lst", "");
    const QString base = t.path();
    const struct {
        const char* relative;
        const char* found;
    } cases[] = {
        {"data/art/items/items.lst", "Data/Art/Items/ITEMS.LST"},
        {"DATA\\ART\\ITEMS\\Items.Lst", "Data/Art/Items/ITEMS.LST"},
        {"COLOR.PAL", "color.pal"},
        {"exact/A.txt", "exact/A.txt"}, // an exact name wins over another case
        {"exact/a.txt", "exact/a.txt"},
        {"twin/data/WANTED.LST", "twin/DATA/wanted.lst"}, // the folder that holds it
        {"data/art/nothing/items.lst", "data/art/nothing/items.lst"},
        {"missing.lst", "missing.lst"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolvePath(base, QString::fromLatin1(c.relative)),
                  base + "/" + QString::fromLatin1(c.found))
            << c.relative;
}

TEST(ReadFileBytes, ReportsTheFileLayersTexts) {
    TempFolder t;
    const QString good = t.write("good.lst", "abc");
    EXPECT_EQ(readFileBytes(good), QByteArray("abc"));
    EXPECT_EQ(readFileBytes(t.write("empty.lst", "")), QByteArray());

    const QString fifo = t.file("pipe.lst");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        const char* text;
    } cases[] = {
        {t.file("missing.lst"), "File not found"},
        {t.file("no/such/folder/x.lst"), "File not found"},
        {t.mkdir("folder.lst"), "This is a folder, not a file"},
        {QString(), "Invalid filename"},
        {good + "/x", "File not found"},     // a file where a folder should be
        {"/dev/zero", "File access denied"}, // never read forever
        {fifo, "File access denied"},        // never wait for a writer
    };
    for (const auto& c : cases) {
        try {
            readFileBytes(c.path);
            ADD_FAILURE() << c.path.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), QLatin1String(c.text)) << c.path.toStdString();
            EXPECT_EQ(e.path(), c.path);
        }
    }
}

TEST(ReadFileBytes, AnUnreadableFileIsAccessDenied) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root: it reads any file";
    TempFolder t;
    const QString locked = t.write("locked.lst", "secret");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    try {
        readFileBytes(locked);
        ADD_FAILURE() << "read a file without read permission";
    } catch (const UserError& e) {
        EXPECT_EQ(e.text(), "File access denied");
    }
}

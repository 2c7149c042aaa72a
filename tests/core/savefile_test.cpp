#include "core/platform.h"
#include "core/savefile.h"
#include "core/usererror.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QSaveFile>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// The real steps, recorded, with the replace under Windows' rule: a read-only file is not
// replaced. Optionally every replace fails, as when the game holds the file.
struct WindowsLikeSteps : SaveSteps {
    QStringList calls;
    bool failReplace = false;

    bool setReadOnly(const QString& path, bool readOnly) override {
        calls << (readOnly ? "set" : "clear");
        return SaveSteps::setReadOnly(path, readOnly);
    }
    QFileDevice::FileError commit(QSaveFile& file) override {
        calls << "replace";
        if (failReplace || SaveSteps::isReadOnly(file.fileName())) {
            file.cancelWriting();
            return QFileDevice::RenameError;
        }
        return SaveSteps::commit(file);
    }
};

} // namespace

TEST(SaveFile, LiftsTheReadOnlyAttributeOnlyForTheReplace) {
    const struct {
        const char* name;
        const char* old; // nullptr: no file yet
        bool oldReadOnly;
        bool leaveReadOnly;
        bool failReplace;
        QStringList calls;
        const char* content;
        bool readOnly;
        const char* error; // nullptr: saved
    } cases[] = {
        {"new file", nullptr, false, true, false, {"replace", "set"}, "new", true, nullptr},
        {"second save of a read-only file",
         "old",
         true,
         true,
         false,
         {"clear", "replace", "set"},
         "new",
         true,
         nullptr},
        {"writable file stays writable",
         "old",
         false,
         false,
         false,
         {"replace"},
         "new",
         false,
         nullptr},
        {"read-only file stays read-only",
         "old",
         true,
         false,
         false,
         {"clear", "replace", "set"},
         "new",
         true,
         nullptr},
        {"failed replace restores the attribute",
         "old",
         true,
         true,
         true,
         {"clear", "replace", "set"},
         "old",
         true,
         "File access denied"},
        {"failed replace of a writable file",
         "old",
         false,
         true,
         true,
         {"replace"},
         "old",
         false,
         "File access denied"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder t;
        const QString path = t.file("a.pro");
        if (c.old) {
            t.write("a.pro", c.old);
            ASSERT_TRUE(platform::setReadOnly(path, c.oldReadOnly));
        }
        WindowsLikeSteps steps;
        steps.failReplace = c.failReplace;
        try {
            saveFileAtomically(path, "new", c.leaveReadOnly, steps);
            EXPECT_EQ(c.error, nullptr);
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), QLatin1String(c.error ? c.error : "saved"));
            EXPECT_EQ(e.path(), path);
        }
        EXPECT_EQ(steps.calls, c.calls);
        EXPECT_EQ(fileBytes(path), c.content);
        EXPECT_EQ(platform::isReadOnly(path), c.readOnly);
        EXPECT_EQ(QDir(t.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.pro"});
    }
}

TEST(SaveFile, FaultsBeforeWritingTouchNothing) {
    TempFolder t;
    const struct {
        QString path;
        const char* text;
    } cases[] = {
        {t.mkdir("folder.pro"), "This is a folder, not a file"},
        {t.write("plain", "x") + "/a.pro", "File not found"},
        {t.file("no/such/folder/a.pro"), "File not found"},
    };
    for (const auto& c : cases) {
        WindowsLikeSteps steps;
        try {
            saveFileAtomically(c.path, "new", true, steps);
            ADD_FAILURE() << c.path.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), QLatin1String(c.text)) << c.path.toStdString();
            EXPECT_EQ(e.path(), c.path);
        }
        EXPECT_TRUE(steps.calls.isEmpty()) << c.path.toStdString();
    }
    EXPECT_EQ(fileBytes(t.file("plain")), "x");
}

#include "core/usererror.h"
#include "datwriter/datwriter.h"
#include "gamedata/gamenames.h"
#include "gamedata/messagefile.h"
#include "gamedata/messagewriter.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zantrel;

TEST(MessageWriter, ChangesOneTextAndKeepsEveryOtherByte) {
    const struct {
        const char* name;
        QByteArray file;
        std::vector<MessageChange> changes;
        QByteArray expected;
    } cases[] = {
        {"existing entry",
         "# c\r\n{100}{snd}{Knife}\r\n{101}{}{Sharp.}\r\n",
         {{100, "Big knife"}},
         "# c\r\n{100}{snd}{Big knife}\r\n{101}{}{Sharp.}\r\n"},
        {"the last of a repeated number",
         "{7}{}{First}\n{7}{}{Second}\n",
         {{7, "Third"}},
         "{7}{}{First}\n{7}{}{Third}\n"},
        {"missing entry after the nearest lower",
         "{100}{}{A}\r\n{300}{}{C}\r\n",
         {{200, "B"}},
         "{100}{}{A}\r\n{200}{}{B}\r\n{300}{}{C}\r\n"},
        {"lf file keeps lf",
         "{100}{}{A}\n{300}{}{C}\n",
         {{201, "B"}},
         "{100}{}{A}\n{201}{}{B}\n{300}{}{C}\n"},
        {"before the first entry",
         "# head\r\n  {500}{}{E}\r\n",
         {{100, "A"}},
         "# head\r\n{100}{}{A}\r\n  {500}{}{E}\r\n"},
        {"after the last, no last line end",
         "{100}{}{A}",
         {{101, "B"}},
         "{100}{}{A}\r\n{101}{}{B}"},
        {"entry sharing its line with a comment",
         "{100}{}{A} # x {\r\n{300}{}{C}\r\n",
         {{101, "B"}},
         "{100}{}{A}\r\n{101}{}{B} # x {\r\n{300}{}{C}\r\n"},
        {"empty file", "", {{100, "A"}}, "{100}{}{A}\r\n"},
        {"name and description",
         "{100}{}{A}\r\n{102}{}{Z}\r\n",
         {{100, "Name"}, {101, "Description"}},
         "{100}{}{Name}\r\n{101}{}{Description}\r\n{102}{}{Z}\r\n"},
        {"multi-line text replaced whole",
         "{100}{}{two\r\nlines}\r\n",
         {{100, "one"}},
         "{100}{}{one}\r\n"},
    };
    for (const auto& c : cases) {
        QByteArray out;
        EXPECT_NO_THROW(out = setMessageTexts(c.file, c.changes)) << c.name;
        EXPECT_EQ(out, c.expected) << c.name;
        const MessageFile read(out);
        for (const MessageChange& change : c.changes) {
            ASSERT_NE(read.find(change.number), nullptr) << c.name;
            EXPECT_EQ(read.find(change.number)->text, change.text) << c.name;
        }
    }
}

TEST(MessageWriter, RefusesAFileWhoseBracesAreOutOfStep) {
    const struct {
        const char* name;
        QByteArray file;
        qint32 number;
    } cases[] = {
        {"stray start", "}{}{x}\r\n{100}{}{A}\r\n", 50},
        {"open field before", "{100}{}{A}\r\n{x\r\n", 200},
    };
    for (const auto& c : cases) {
        const QString error = errorOf([&] { setMessageTexts(c.file, {{c.number, "New"}}); });
        if (error == "no error") {
            // Accepted only when the game reads back exactly what was asked.
            const QByteArray out = setMessageTexts(c.file, {{c.number, "New"}});
            ASSERT_NE(MessageFile(out).find(c.number), nullptr) << c.name;
            EXPECT_EQ(MessageFile(out).find(c.number)->text, "New") << c.name;
            EXPECT_EQ(MessageFile(out).find(100)->text, "A") << c.name;
        }
    }
    EXPECT_EQ(errorOf([] {
                  setMessageTexts("}{}{x}", {{100, "A"}});
              }),
              "Its braces are out of step, so the texts cannot be written without changing "
              "other entries @ ");
}

TEST(MessageWriter, TextBoxesAreRefusedOrConverted) {
    const struct {
        const char* name;
        QString text;
        TextBox box;
        const char* codePage;
        QByteArray bytes;  // when taken
        const char* error; // when refused
    } cases[] = {
        {"plain", "Knife", TextBox::Name, "windows-1252", "Knife", nullptr},
        {"brace open", "a{b", TextBox::Name, "windows-1252", "",
         "\"Name\" may not hold '{' or '}'"},
        {"brace close", "a}", TextBox::Description, "windows-1252", "",
         "\"Description\" may not hold '{' or '}'"},
        {"line break in name", "a\nb", TextBox::Name, "windows-1252", "",
         "\"Name\" may not hold a line break"},
        {"cr in name", "a\rb", TextBox::Name, "windows-1252", "",
         "\"Name\" may not hold a line break"},
        {"line breaks in description", "a\r\nb\nc", TextBox::Description, "windows-1252", "a b c",
         nullptr},
        {"1023 bytes", QString(1023, 'x'), TextBox::Description, "windows-1252",
         QByteArray(1023, 'x'), nullptr},
        {"1024 bytes", QString(1024, 'x'), TextBox::Description, "windows-1252", "",
         "\"Description\" is 1024 bytes long: the game takes at most 1023"},
        {"cyrillic in 1251", QString::fromUtf8("Нож"), TextBox::Name, "windows-1251",
         "\xcd\xee\xe6", nullptr},
        {"cyrillic in 1252", QString::fromUtf8("Нож"), TextBox::Name, "windows-1252", "",
         "\"Name\" holds a character the code page windows-1252 cannot hold"},
        {"polish in 1250", QString::fromUtf8("Nóż"), TextBox::Name, "windows-1250", "N\xf3\xbf",
         nullptr},
        {"umlaut in 1252", QString::fromUtf8("Wächter"), TextBox::Name, "windows-1252",
         "W\xe4"
         "chter",
         nullptr},
        {"euro in 1252", QString::fromUtf8("5 €"), TextBox::Name, "windows-1252", "5 \x80",
         nullptr},
    };
    for (const auto& c : cases) {
        const QString error = errorOf([&] { messageTextBytes(c.text, c.box, c.codePage); });
        if (c.error) {
            EXPECT_EQ(error, QString::fromUtf8(c.error) + " @ ") << c.name;
            continue;
        }
        EXPECT_EQ(error, "no error") << c.name;
        if (error == "no error") {
            EXPECT_EQ(messageTextBytes(c.text, c.box, c.codePage), c.bytes) << c.name;
        }
    }
}

TEST(MessageWriter, WritesTheGamesCopyIntoThePatchesFolder) {
    const QByteArray archived = "# names\r\n{100}{}{\xcd\xee\xe6}\r\n{300}{}{C}\r\n";
    const struct {
        const char* name;
        const char* loose; // an earlier copy in the patches folder, when there is one
        QByteArray expected;
    } cases[] = {
        {"copy of the archive's", nullptr,
         "# names\r\n{100}{}{\xcd\xee\xe6}\r\n{200}{}{\xcf\xe8}\r\n{201}{}{\xc0 \xc1}\r\n"
         "{300}{}{C}\r\n"},
        {"the loose copy changed", "{200}{}{old}\n", "{200}{}{\xcf\xe8}\n{201}{}{\xc0 \xc1}\n"},
    };
    for (const auto& c : cases) {
        TempFolder t;
        t.write("Game/master.dat", buildDat({{"text\\russian\\game\\pro_item.msg", archived}}));
        t.write("Game/fallout2.cfg", "[system]\nlanguage=russian\n");
        if (c.loose)
            t.write("Game/data/text/russian/game/pro_item.msg", c.loose);
        const GameData data(gameAndSources(t, "0"));
        const QString path =
            writeObjectTexts(data, 0, 200, {QString::fromUtf8("Пи"), QString::fromUtf8("А\nБ")});
        EXPECT_EQ(path, objectTextsPath(data, 0)) << c.name;
        EXPECT_TRUE(path.endsWith("/data/text/russian/game/pro_item.msg")) << c.name;
        EXPECT_EQ(fileBytes(path), c.expected) << c.name;
        // The game, started again, finds the new name.
        EXPECT_EQ(GameData(gameAndSources(t, "0")).message("pro_item.msg", 200),
                  QString::fromUtf8("Пи "))
            << c.name;
    }
}

TEST(MessageWriter, ARefusedTextWritesNothing) {
    TempFolder t;
    t.write("Game/master.dat", buildDat({{"text\\english\\game\\pro_item.msg", "{100}{}{A}\r\n"}}));
    const GameData data(gameAndSources(t, "0"));
    const struct {
        const char* name;
        ObjectTexts texts;
        const char* error;
    } cases[] = {
        {"name", {QString("a{"), QString("fine")}, "\"Name\" may not hold '{' or '}' @ "},
        {"description",
         {QString("fine"), QString("a}")},
         "\"Description\" may not hold '{' or '}' @ "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { writeObjectTexts(data, 0, 100, c.texts); }), c.error) << c.name;
        EXPECT_FALSE(QFileInfo::exists(objectTextsPath(data, 0))) << c.name;
    }
    // A folder where the file would go: the file layer's text with the path.
    t.mkdir("Game/data/text/english/game/pro_item.msg");
    EXPECT_TRUE(errorOf([&] {
                    writeObjectTexts(data, 0, 100, {QString("B"), {}});
                }).endsWith("text/english/game/pro_item.msg"));
}

// With the sources folder in use, a name saved into the patches folder is the one the game's
// names give for a prototype id (a weapon's ammo, say), not the sources' older one.
TEST(MessageWriter, TheSavedNameIsTheOneShownForAPrototypeId) {
    TempFolder t;
    t.write("Source/pro_item.msg", "{100}{}{Old}\r\n");
    t.write("Game/data/proto/items/items.lst", "00000001.pro\r\n");
    t.write("Game/data/proto/items/00000001.pro", makePrototype(0, 57));
    const GameData data(gameAndSources(t, "1"));
    EXPECT_EQ(GameNames(data).prototype(1), "Old");
    writeObjectTexts(data, 0, 100, {QString("New"), {}});
    EXPECT_EQ(GameNames(data).prototype(1), "New");
}

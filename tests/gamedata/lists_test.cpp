#include "core/usererror.h"
#include "gamedata/lists.h"
#include "gamedata/messagefile.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

TEST(ReadList, KeepsTheStartOfEveryLineAndAppendsNone) {
    TempFolder t;
    const struct {
        const char* name;
        QByteArray content;
        ListMode mode;
        QStringList entries;
    } cases[] = {
        {"empty", "", ListMode::First12, {"<NONE>"}},
        {"crlf", "a.frm\r\nb.frm\r\n", ListMode::First12, {"a.frm", "b.frm", "<NONE>"}},
        {"no last end", "a\r\nb", ListMode::First12, {"a", "b", "<NONE>"}},
        {"lone cr is no line end", "a\rb\r\n", ListMode::First12, {"a\rb", "<NONE>"}},
        {"lone lf", "a\nb\n", ListMode::First12, {"a", "b", "<NONE>"}},
        {"blank lines", "\r\n\r\nc\r\n", ListMode::First12, {"", "", "c", "<NONE>"}},
        {"twelve",
         "abcdefghijk lmnop\r\nshort\r\n",
         ListMode::First12,
         {"abcdefghijk ", "short", "<NONE>"}},
        {"untrimmed", "  pad.frm   \r\n", ListMode::First12, {"  pad.frm   ", "<NONE>"}},
        {"whole",
         "iwrenchlarge01.frm ; note\r\n",
         ListMode::WholeLine,
         {"iwrenchlarge01.frm ; note", "<NONE>"}},
        {"binary line",
         "a\r\n\x1a\x01\xff\r\n"
         "c\r\n",
         ListMode::First12,
         {"a", QString::fromLatin1("\x1a\x01\xff"), "c", "<NONE>"}},
        {"critters", "zmscout,11,1\r\n", ListMode::First12, {"zmscout,11,1", "<NONE>"}},
        {"latin1", "caf\xe9.frm\r\n", ListMode::First12, {QString::fromUtf8("café.frm"), "<NONE>"}},
    };
    for (const auto& c : cases) {
        const ListContents list = readlist(t.write(c.name, c.content), c.mode);
        EXPECT_EQ(list.entries, c.entries) << c.name;
        EXPECT_EQ(list.count, c.entries.size() - 1) << c.name;
    }
}

TEST(ReadList, LargeAndBinaryInputStaysBounded) {
    TempFolder t;
    QByteArray longLine(1 << 20, 'x');
    const ListContents big = readlist(t.write("big", longLine + "\r\nend\r\n"), ListMode::First12);
    EXPECT_EQ(big.entries, QStringList({"xxxxxxxxxxxx", "end", "<NONE>"}));
    const ListContents whole = readlist(t.write("big", longLine), ListMode::WholeLine);
    EXPECT_EQ(whole.entries[0].size(), 1 << 20);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 131 + 7) % 256 == 26 ? 0 : (i * 131 + 7) % 256));
    const ListContents garbage = readlist(t.write("bin", binary), ListMode::First12);
    EXPECT_GT(garbage.count, 0);
    EXPECT_EQ(garbage.entries.last(), "<NONE>");
}

TEST(ReadList, UnreadableFilesStopWithTheFileError) {
    TempFolder t;
    EXPECT_THROW(readlist(t.file("none.lst"), ListMode::First12), UserError);
    try {
        readlist(t.mkdir("dir.lst"), ListMode::First12);
        ADD_FAILURE();
    } catch (const UserError& e) {
        EXPECT_EQ(e.text(), "This is a folder, not a file");
    }
}

TEST(FindMessage, ReadsEntriesAsTheGameDoes) {
    TempFolder t;
    const QString msg =
        t.write("pro_item.msg",
                crlf({"#\t Messages from item.c", "{100}{}{Knife}", "{101}{snd}{A sharp", "knife.}",
                      "garbage line", "{200}{}{}", "{+300}{}{Plus}{-5}{}{Minus}", "{1a}{}{skipped}",
                      "{7}{}{First}", "{7}{}{Second}", "{500}{}{Last}"}));
    const struct {
        qint64 number;
        const char* text;
    } cases[] = {
        {100, "Knife "}, {101, "A sharpknife. "}, {200, " "},    {300, "Plus "},  {-5, "Minus "},
        {7, "Second "},  {500, "Last "},          {1, "<NONE>"}, {999, "<NONE>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findmessage(msg, c.number), QLatin1String(c.text)) << c.number;
}

// Whatever is wrong, one entry is lost at most, and the first fault is told with its line.
TEST(MessageFile, SkipsABadEntryAndTellsTheFirst) {
    const struct {
        const char* name;
        QByteArray bytes;
        QList<qint32> numbers;
        const char* problem;
    } cases[] = {
        {"clean", crlf({"# a\tcomment", "{1}{}{One}", "", "{2}{}{Two}"}), {1, 2}, ""},
        {"garbage number",
         crlf({"{1}{}{One}", "{garbage line}{}{x}", "{2}{}{Two}", "{bad}{}{y}"}),
         {1, 2},
         "Line 2: 'garbage line' is not a message number; the entry is skipped"},
        {"stray brace",
         crlf({"{1}{}{One}", "oops}", "{2}{}{Two}"}),
         {1, 2},
         "Line 2: a '}' outside braces is passed over"},
        {"cut off",
         crlf({"{1}{}{One}", "{2}{}{Tw"}),
         {1},
         "Line 2: the file ends before this entry is complete"},
        {"two fields",
         QByteArray("{1}{}{One}\n{2}{}"),
         {1},
         "Line 2: the file ends before this entry is complete"},
        {"lf only", QByteArray("{1}{}{One}\n\n{2}{}{Two}"), {1, 2}, ""},
    };
    for (const auto& c : cases) {
        const MessageFile file(c.bytes);
        QList<qint32> numbers;
        for (const MessageEntry& e : file.entries())
            numbers << e.number;
        EXPECT_EQ(numbers, c.numbers) << c.name;
        EXPECT_EQ(file.problem(), QLatin1String(c.problem)) << c.name;
    }
}

TEST(ReadSection, TakesBodyTypesAndTheSecondKillHeader) {
    TempFolder t;
    const QString msg = t.write(
        "proto.msg", crlf({"# Demo", "# Kill Types names", "{100}{}{General}", "# Body Types", "#",
                           "{400}{}{Biped}", "{401}{}{Quad}", "", "{12345678901}{}{Long}",
                           "# Kill Types names", // ends the body section; never a header itself
                           "{1}{}{x}", "# Kill Types names", "skipped line", "{1450}{}{Drifter}",
                           "{1451}{}{Scout}", "#", "# Kill Types names", "{9}{}{not taken}"}));
    const TypeSections s = readsection(msg);
    EXPECT_EQ(s.bodyTypes, QStringList({"400", "401", "", "1234567890"}));
    // The last header is taken too; the line after it is skipped and none follows.
    EXPECT_EQ(s.killTypes, QStringList({"1450", "1451"}));
}

TEST(ReadSection, MissingHeadersGiveEmptyListsAndEndOfFileEndsASection) {
    TempFolder t;
    EXPECT_TRUE(readsection(t.write("a.msg", "")).bodyTypes.isEmpty());
    const TypeSections s = readsection(t.write("b.msg", crlf({"# Body Types", "#", "{400}{}{A}"})));
    EXPECT_EQ(s.bodyTypes, QStringList({"400"}));
    EXPECT_TRUE(s.killTypes.isEmpty());
}

TEST(ScriptDescription, StartsAtTheNineteenthCharacter) {
    TempFolder t;
    const QString lst = t.write(
        "scripts.lst",
        crlf({"zdcrate.int     ; Crate that rattles when kicked", "zdshort.int",
              "zdlong.int      ; 0123456789012345678901234567890123456789012345678901234"}));
    EXPECT_EQ(scriptdescription(lst, 0), "Crate that rattles when kicked");
    EXPECT_EQ(scriptdescription(lst, 1), "");
    EXPECT_EQ(scriptdescription(lst, 2), "0123456789012345678901234567890123456789012345");
    EXPECT_EQ(scriptdescription(lst, 3), "");
    EXPECT_EQ(scriptdescription(lst, 100000), "");
}

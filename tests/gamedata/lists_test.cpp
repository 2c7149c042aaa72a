#include "core/files.h"
#include "core/usererror.h"
#include "gamedata/lists.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// A file as the program reads one: its bytes first, then the reader of those bytes.
ListContents readlistFile(const QString& path, ListMode mode) {
    return readListBytes(readFileBytes(path), mode);
}
QString findmessageFile(const QString& path, qint64 number, MessageVariant variant) {
    return findMessageIn(readFileBytes(path), number, variant);
}
[[maybe_unused]] TypeSections readsectionFile(const QString& path) {
    return readSectionBytes(readFileBytes(path));
}
[[maybe_unused]] QString scriptdescriptionFile(const QString& path, int index) {
    return scriptDescriptionBytes(readFileBytes(path), index);
}

} // namespace

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
        {"lone cr", "a\rb\r", ListMode::First12, {"a", "b", "<NONE>"}},
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
        {"eof mark",
         "a\r\nb\r\n\x1a"
         "c\r\n",
         ListMode::First12,
         {"a", "b", "<NONE>"}},
        {"critters", "zmscout,11,1\r\n", ListMode::First12, {"zmscout,11,1", "<NONE>"}},
        {"latin1", "caf\xe9.frm\r\n", ListMode::First12, {QString::fromUtf8("café.frm"), "<NONE>"}},
    };
    for (const auto& c : cases) {
        const ListContents list = readlistFile(t.write(c.name, c.content), c.mode);
        EXPECT_EQ(list.entries, c.entries) << c.name;
        EXPECT_EQ(list.count, c.entries.size() - 1) << c.name;
    }
}

TEST(ReadList, LargeAndBinaryInputStaysBounded) {
    TempFolder t;
    QByteArray longLine(1 << 20, 'x');
    const ListContents big =
        readlistFile(t.write("big", longLine + "\r\nend\r\n"), ListMode::First12);
    EXPECT_EQ(big.entries, QStringList({"xxxxxxxxxxxx", "end", "<NONE>"}));
    const ListContents whole = readlistFile(t.write("big", longLine), ListMode::WholeLine);
    EXPECT_EQ(whole.entries[0].size(), 1 << 20);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 131 + 7) % 256 == 26 ? 0 : (i * 131 + 7) % 256));
    const ListContents garbage = readlistFile(t.write("bin", binary), ListMode::First12);
    EXPECT_GT(garbage.count, 0);
    EXPECT_EQ(garbage.entries.last(), "<NONE>");
}

TEST(ReadList, UnreadableFilesStopWithTheFileError) {
    TempFolder t;
    EXPECT_THROW(readlistFile(t.file("none.lst"), ListMode::First12), UserError);
    try {
        readlistFile(t.mkdir("dir.lst"), ListMode::First12);
        ADD_FAILURE();
    } catch (const UserError& e) {
        EXPECT_EQ(e.text(), "This is a folder, not a file");
    }
}

TEST(FindMessage, ObjectNameVariant) {
    TempFolder t;
    const QString msg = t.write(
        "pro_item.msg", crlf({"{100}{}{Knife}", "{101}{}{A sharp knife.}", "{200}{}{}", "{300}{}",
                              "{1234567890123}{}{Long}", "{400}{}{Two}", "{500}{}{Last}"}));
    const struct {
        qint64 number;
        const char* text;
    } cases[] = {
        {100, "Knife "},
        {101, "A sharp knife. "},
        {200, " "}, // "{}{}" leaves its last brace, as
                    // a space
        {300, ""},
        {1234567890, "}{}{Long "},
        {500, "Last "},
        {999, "<NONE>"},
        {-1, "<NONE>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findmessageFile(msg, c.number, MessageVariant::ObjectName), QLatin1String(c.text))
            << c.number;
}

TEST(FindMessage, UnknownNumbersGiveNoneWhateverTheLastLine) {
    TempFolder t;
    for (const char* last : {"{185100}{}{End}", "{48301}{}{End}", "{77}{}{End}"}) {
        const QString msg = t.write("m.msg", crlf({"{1}{}{One}", last}));
        EXPECT_EQ(findmessageFile(msg, 2, MessageVariant::ObjectName), "<NONE>") << last;
    }
    EXPECT_EQ(findmessageFile(t.write("e.msg", ""), 1, MessageVariant::ObjectName), "<NONE>");
}

TEST(FindMessage, ObjectNameStopsAtALineWithoutANumber) {
    TempFolder t;
    const struct {
        const char* line;
        const char* id;
    } cases[] = {{"", ""}, {"# comment", " comment"}, {"{abc}{}{x}", "abc"}, {"{}{}{x}", ""}};
    for (const auto& c : cases) {
        const QString msg = t.write("bad.msg", crlf({"{1}{}{One}", c.line, "{2}{}{Two}"}));
        EXPECT_EQ(findmessageFile(msg, 1, MessageVariant::ObjectName), "One ");
        try {
            findmessageFile(msg, 2, MessageVariant::ObjectName);
            ADD_FAILURE() << c.line;
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(),
                      QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(c.id)));
        }
    }
}

TEST(FindMessage, ProtoMsgVariantSkipsCommentsAndBlanks) {
    TempFolder t;
    const QString msg =
        t.write("proto.msg", crlf({"# Body Types", "", "{{odd}}", "{ 5}{}{x}", "{400}{}{Biped}",
                                   "{401}{}{Walker frame}", "{1450}{}{Drifter}"}));
    EXPECT_EQ(findmessageFile(msg, 401, MessageVariant::ProtoMsg), "Walker frame ");
    EXPECT_EQ(findmessageFile(msg, 1450, MessageVariant::ProtoMsg), "Drifter ");
    EXPECT_EQ(findmessageFile(msg, 402, MessageVariant::ProtoMsg), "<NONE>");
    const QString bad = t.write("bad.msg", crlf({"{400}{}{Biped}", "{1a}{}{?}", "{401}{}{Quad}"}));
    EXPECT_EQ(findmessageFile(bad, 400, MessageVariant::ProtoMsg), "Biped ");
    EXPECT_THROW(findmessageFile(bad, 401, MessageVariant::ProtoMsg), UserError);
}

// The index answers every number as the one-by-one search does; where that search fails, the
// index has no entry.
TEST(MessageIndex, AgreesWithTheSearchForEveryNumber) {
    const QList<QByteArray> files = {
        crlf({"# Body Types", "", "{{odd}}", "{ 5}{}{x}", "{400}{}{Biped}", "{401}{}{Walker}"}),
        crlf({"{400}{}{Biped}", "{1a}{}{?}", "{401}{}{Quad}"}),
        crlf({"{7}{}{First}", "{7}{}{Second}", "{-3}{}{Negative}", "{8}{}{Eight"}),
        QByteArray("{1}{}{One}\n{2}{}{Two}\r\n{3}{}"),
        QByteArray(),
    };
    for (MessageVariant variant : {MessageVariant::ProtoMsg, MessageVariant::ObjectName}) {
        for (const QByteArray& bytes : files) {
            const MessageIndex index = readMessagesBytes(bytes, variant);
            for (qint64 n : {-3, 1, 2, 3, 5, 7, 8, 400, 401, 402}) {
                QString searched;
                try {
                    searched = findMessageIn(bytes, n, variant);
                } catch (const UserError&) {
                    searched = QStringLiteral("(fails)");
                }
                const QString indexed =
                    index.texts.value(n, index.stopped ? QStringLiteral("(fails)") : kNoneEntry);
                EXPECT_EQ(indexed, searched) << bytes.toStdString() << " " << n;
            }
        }
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
    const TypeSections s = readsectionFile(msg);
    EXPECT_EQ(s.bodyTypes, QStringList({"400", "401", "", "1234567890"}));
    // The last header is taken too; the line after it is skipped and none follows.
    EXPECT_EQ(s.killTypes, QStringList({"1450", "1451"}));
}

TEST(ReadSection, MissingHeadersGiveEmptyListsAndEndOfFileEndsASection) {
    TempFolder t;
    EXPECT_TRUE(readsectionFile(t.write("a.msg", "")).bodyTypes.isEmpty());
    const TypeSections s =
        readsectionFile(t.write("b.msg", crlf({"# Body Types", "#", "{400}{}{A}"})));
    EXPECT_EQ(s.bodyTypes, QStringList({"400"}));
    EXPECT_TRUE(s.killTypes.isEmpty());
}

TEST(ScriptDescription, StartsAtTheNineteenthCharacter) {
    TempFolder t;
    const QString lst = t.write(
        "scripts.lst",
        crlf({"zdcrate.int     ; Crate that rattles when kicked", "zdshort.int",
              "zdlong.int      ; 0123456789012345678901234567890123456789012345678901234"}));
    EXPECT_EQ(scriptdescriptionFile(lst, 0), "Crate that rattles when kicked");
    EXPECT_EQ(scriptdescriptionFile(lst, 1), "");
    EXPECT_EQ(scriptdescriptionFile(lst, 2), "0123456789012345678901234567890123456789012345");
    EXPECT_EQ(scriptdescriptionFile(lst, 3), "");
    EXPECT_EQ(scriptdescriptionFile(lst, 100000), "");
}

// Every reader of game and settings files faces hostile input: it gives its message or its
// stated result, never a crash, hang or an allocation sized by what the file claims.
#include "core/files.h"
#include "core/usererror.h"
#include "gamedata/lists.h"
#include "preview/framedecoder.h"
#include "settings/settingsfile.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

TEST(BadInput, EveryReaderGivesAMessageOrAResult) {
    TempFolder t;
    QByteArray binary;
    for (int i = 0; i < 65536; ++i)
        binary.append(char((i * 7919 + 13) & 0xFF));
    QByteArray braces;
    for (int i = 0; i < 20000; ++i)
        braces += (i % 3 == 0) ? "{" : (i % 3 == 1 ? "}" : "#");
    const struct {
        const char* name;
        QString path;
    } inputs[] = {
        {"empty", t.write("empty", "")},
        {"binary", t.write("binary", binary)},
        {"1 MB line", t.write("long", QByteArray(1 << 20, '7'))},
        {"braces", t.write("braces", braces)},
        {"only line ends", t.write("ends", QByteArray(100000, '\n'))},
        {"eof mark first", t.write("eof", "\x1a{100}{}{Knife}\r\n")},
        {"folder", t.mkdir("folder")},
        {"missing", t.file("missing")},
    };
    const struct {
        const char* name;
        std::function<void(const QString&)> read;
    } readers[] = {
        {"readlist 12",
         [](const QString& p) { readListBytes(readFileBytes(p), ListMode::First12); }},
        {"readlist whole",
         [](const QString& p) { readListBytes(readFileBytes(p), ListMode::WholeLine); }},
        {"findmessage name",
         [](const QString& p) {
             findMessageIn(readFileBytes(p), 100, MessageVariant::ObjectName);
         }},
        {"findmessage proto",
         [](const QString& p) { findMessageIn(readFileBytes(p), 401, MessageVariant::ProtoMsg); }},
        {"readsection", [](const QString& p) { readSectionBytes(readFileBytes(p)); }},
        {"scriptdescription",
         [](const QString& p) { scriptDescriptionBytes(readFileBytes(p), 70000); }},
        {"readini", [](const QString& p) { readini(p); }},
        {"frame",
         [](const QString& p) {
             renderFrame(readFileBytes(p), Palette::fromBytes(readFileBytes(p)), 0);
         }},
    };
    for (const auto& in : inputs) {
        for (const auto& r : readers) {
            try {
                r.read(in.path);
            } catch (const UserError& e) {
                EXPECT_FALSE(e.text().isEmpty()) << r.name << " on " << in.name;
            } catch (...) {
                ADD_FAILURE() << r.name << " on " << in.name << " threw something else";
            }
        }
    }
}

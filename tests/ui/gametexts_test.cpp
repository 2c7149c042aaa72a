// The game's text files as they really are, read through the window: a tab in a comment, a
// line of garbage, an entry whose number is no number, a binary line in a list. The names
// still show, and a skipped entry is told once, with its file and line.
#include "proto/fieldcodec.h"
#include "support/editorfixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QByteArray item(int kind, int length) {
    QByteArray p = makePrototype(0, length);
    setFieldValue(p, 32, 4, std::uint32_t(kind));
    return p;
}

} // namespace

TEST(GameTexts, NamesShowFromFilesAsTheGameReadsThem) {
    QByteArray weapon = item(3, 122);
    setFieldValue(weapon, 113, 4, 2); // ammo: item 2, its name at 300
    QByteArray drug = item(2, 125);
    setFieldValue(drug, 57, 4, 1); // Perception
    QByteArray scenery = makePrototype(2, 49);
    setFieldValue(scenery, 28, 4, 0x03000005);
    const struct {
        const char* file;
        QByteArray content;
        QByteArray prototype;
        const char* control; // a box, a list or a name label
        const char* shown;
        const char* warning; // its first line, or nothing
    } cases[] = {
        {"Source/pro_item.msg",
         crlf({"# Names of items", "garbage line", "{100}{}{item 1}", "{12a}{}{broken}",
               "{300}{}{item 3}", "{x}{}{second fault, not told}"}),
         weapon, "WeaponAmmoPrototypeIdName", "item 3",
         "Line 4: '12a' is not a message number; the entry is skipped"},
        {"Source/stat.msg",
         crlf({"#\t Messages from stat.c", "", "{100}{}{Strength}", "{101}{}{Perception}"}), drug,
         "DrugStatistic1", "Perception", nullptr},
        {"Source/scripts.lst",
         QByteArray("s0.int\r\n\x1a\x01\xff\rjunk\r\ns2.int\r\ns3.int\r\ns4.int\r\n") +
             "s5.int          ; The fifth\r\n",
         scenery, "Memo1", "Name: scen 1 \nScript description: The fifth", nullptr},
    };
    for (const auto& c : cases) {
        EditorFixture e;
        e.folder.write("Game/data/proto/items/items.lst", "00000001.pro\r\n00000002.pro\r\n");
        QByteArray ammo = item(4, 81);
        setFieldValue(ammo, 4, 4, 300);
        e.folder.write("Game/data/proto/items/00000002.pro", ammo);
        e.folder.write(c.file, c.content);
        e.open(e.write("p.pro", c.prototype));
        QString shown;
        if (auto* box = e.w->findChild<QComboBox*>(c.control))
            shown = box->currentText();
        else if (auto* label = e.w->findChild<QLabel*>(c.control))
            shown = label->text();
        else if (auto* memo = e.w->findChild<QPlainTextEdit*>(c.control))
            shown = memo->toPlainText();
        EXPECT_EQ(shown, c.shown) << c.file;
        const QStringList told = e.prompter.texts();
        if (c.warning)
            EXPECT_EQ(told,
                      QStringList(QStringLiteral("%1\n%2").arg(c.warning, e.folder.file(c.file))))
                << c.file;
        else
            EXPECT_TRUE(told.isEmpty()) << told.join('|').toStdString();
    }
}

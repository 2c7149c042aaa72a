// The record fields of every item kind, scenery kind, wall, tile and misc object through the
// editor window: generated records at the game's lengths, opened, edited and saved.
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "support/clicks.h"
#include "support/editorfixture.h"
#include "ui/redmark.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace zantrel;
using D = zantrel::Display; // X11 has a Display of its own

namespace {

struct Kind {
    int type;
    int kind; // -1 for types without kinds
};

const Kind kKinds[] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5},  {0, 6},  {2, 0},
                       {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {3, -1}, {4, -1}, {5, -1}};

// Rows the record forms show; the numbered controls are the older pages' own.
bool formRow(const RecordRow& row) {
    static const QRegularExpression numbered(QStringLiteral("^(Edit|ComboBox|CheckBox)\\d"));
    return !row.control.isEmpty() && !numbered.match(row.control).hasMatch();
}

std::uint32_t sample(const RecordRow& row) {
    switch (row.display) {
    case D::Percent:
        return 0x8000; // 50 %
    case D::ProtoId:
        return 0x00000002;
    case D::FrameId:
        return 0x01000001;
    case D::SoundCode:
        return 'A';
    case D::Destination:
        return 1u << 29 | 2u << 26 | 100;
    case D::AttackModes:
        return 0x21;
    case D::Choice:
    case D::Perk:
    case D::Statistic:
        return 1;
    default:
        return 5;
    }
}

// A record of the kind at its real length, every form field holding a value its checks pass.
QByteArray record(const Kind& k) {
    QByteArray p = makePrototype(k.type, recordLength(k.type, k.kind));
    for (const RecordRow& row : recordRows(k.type, k.kind))
        if (formRow(row))
            setFieldValue(p, row.offset, row.width, sample(row));
    if (k.kind >= 0)
        setFieldValue(p, 32, 4, std::uint32_t(k.kind));
    return p;
}

std::string describe(const Kind& k) {
    return "type " + std::to_string(k.type) + " kind " + std::to_string(k.kind);
}

struct FormEditor : EditorFixture {
    QString path;
    void openRecord(const QByteArray& bytes) {
        QFile::remove(folder.file("r.pro"));
        path = write("r.pro", bytes);
        open(path);
    }
    QByteArray saved() { return fileBytes(path); }
    template <class T> T* find(const QString& name) { return w->findChild<T*>(name); }
    // The item page's inner tab holding the control is brought forward, as a user would.
    void bringForward(QWidget* control) {
        auto* tabs = find<QTabWidget>(QStringLiteral("PageControl3"));
        for (QWidget* p = control; p && tabs; p = p->parentWidget())
            if (p->parentWidget() && p->parentWidget()->parentWidget() == tabs)
                tabs->setCurrentWidget(p);
    }
    // Changes the row's control the way its kind of control is changed; false when the row
    // has no control of its own here.
    bool change(const RecordRow& row) {
        const QString& name = row.control;
        if (auto* c = find<QComboBox>(name + "Primary"))
            pick(c, (c->currentIndex() + 1) % c->count());
        else if (auto* c = find<QComboBox>(name))
            pick(c, (c->currentIndex() + 1) % c->count());
        else if (auto* e = find<QLineEdit>(name + "Tile"))
            e->setText("200");
        else if (auto* e = find<QLineEdit>(name))
            e->setText(newText(row));
        else if (auto* box = firstBox(name)) {
            bringForward(box);
            clickAt(w, boxOf(w, box->objectName().toLatin1()));
        } else
            return false;
        return true;
    }
    QCheckBox* firstBox(const QString& prefix) {
        for (QCheckBox* b : w->findChildren<QCheckBox*>())
            if (b->objectName().startsWith(prefix) && b->objectName() != prefix)
                return b;
        return nullptr;
    }
    static QString newText(const RecordRow& row) {
        switch (row.display) {
        case D::HexFlags:
            return row.width == 1 ? "0F" : "0000000F";
        case D::Percent:
            return "25";
        case D::ProtoId:
            return "00000003";
        case D::FrameId:
            return "01000002";
        case D::SoundCode:
            return "Q";
        default:
            return row.check == RowCheck::MinDamage ? "4" : "6";
        }
    }
};

} // namespace

TEST(RecordForms, EveryKindSavesUnchangedByteForByte) {
    for (const Kind& k : kKinds) {
        FormEditor e;
        const QByteArray original = record(k);
        e.openRecord(original);
        e.save();
        ASSERT_TRUE(e.prompter.messages.empty())
            << describe(k) << ": " << e.prompter.texts().join(" | ").toStdString();
        EXPECT_EQ(e.saved().toHex(), original.toHex()) << describe(k);
        EXPECT_FALSE(e.w->alarmOn()) << describe(k);
    }
}

TEST(RecordForms, EachFieldEditWritesExactlyItsBytes) {
    int changedFields = 0;
    for (const Kind& k : kKinds) {
        const QByteArray original = record(k);
        for (const RecordRow& row : recordRows(k.type, k.kind)) {
            if (!formRow(row) || (k.kind >= 0 && row.offset == 32))
                continue; // the kind lists ask first: their own test
            FormEditor e;
            e.openRecord(original);
            ASSERT_TRUE(e.change(row))
                << describe(k) << " has no control " << row.control.toStdString();
            EXPECT_TRUE(e.w->alarmOn()) << row.control.toStdString();
            e.save();
            ASSERT_TRUE(e.prompter.messages.empty())
                << row.control.toStdString() << ": "
                << e.prompter.texts().join(" | ").toStdString();
            const QByteArray saved = e.saved();
            ASSERT_EQ(saved.size(), original.size()) << row.control.toStdString();
            const int end = row.offset + row.width;
            EXPECT_EQ(saved.left(row.offset).toHex(), original.left(row.offset).toHex())
                << row.control.toStdString();
            EXPECT_EQ(saved.mid(end).toHex(), original.mid(end).toHex())
                << row.control.toStdString();
            EXPECT_NE(saved.mid(row.offset, row.width).toHex(),
                      original.mid(row.offset, row.width).toHex())
                << row.control.toStdString();
            ++changedFields;
        }
    }
    EXPECT_GT(changedFields, 90); // every form field of every kind
}

TEST(RecordForms, ListsAndReferencesShowTheGamesNames) {
    FormEditor e;
    e.folder.write("Source/proto.msg", "{100}{}{Glass}\r\n{101}{}{Steel}\r\n{250}{}{Blunt}\r\n"
                                       "{300}{}{None}\r\n{301}{}{Rivet}\r\n");
    e.folder.write("Source/perk.msg", "{101}{}{Awareness}\r\n{102}{}{Toughness}\r\n");
    e.folder.write("Source/stat.msg", "{100}{}{Strength}\r\n{101}{}{Perception}\r\n");
    e.folder.write("Game/data/proto/items/items.lst", "00000001.pro\r\n00000002.pro\r\n");
    QByteArray ammo = makePrototype(0, 81);
    setFieldValue(ammo, 4, 4, 300); // "item 3" in pro_item.msg
    e.folder.write("Game/data/proto/items/00000002.pro", ammo);

    const struct {
        Kind kind;
        const char* control;
        const char* shown; // a list's current entry or a reference's name beside its box
    } cases[] = {
        {{0, 3}, "WeaponCaliber", "Rivet"},
        {{0, 3}, "WeaponDamageType", "Laser"}, // no name in the file: the program's own
        {{0, 3}, "WeaponPerk", "Toughness"},
        {{0, 3}, "WeaponAmmoPrototypeIdName", "item 3"},
        {{0, 0}, "ArmorMaleFrameIdName", "cri1"},
        {{0, 2}, "DrugStatistic1", "Perception"},
        {{0, 5}, "MiscItemPowerCaliber", "Rivet"},
        {{2, 0}, "SceneryMaterial", "Steel"},
        {{4, -1}, "TileMaterial", "Steel"},
    };
    for (const auto& c : cases) {
        e.openRecord(record(c.kind));
        QString shown;
        if (auto* box = e.find<QComboBox>(c.control))
            shown = box->currentText();
        else if (auto* label = e.find<QLabel>(c.control))
            shown = label->text();
        EXPECT_EQ(shown, c.shown) << c.control;
    }
}

TEST(RecordForms, ValuesWithoutAnEntryAreShownAsNumbersAndKept) {
    const struct {
        Kind kind;
        int offset;
        std::uint32_t stored;
        const char* control;
        const char* shown;
    } cases[] = {
        {{0, 3}, 57, 99, "WeaponAnimation", "99"},
        {{0, 3}, 101, 500, "WeaponPerk", "500"},
        {{0, 2}, 57, 0xFFFFFFFE, "DrugStatistic1", "-2"},
        {{0, 0}, 117, 0xFFFFFFFF, "ArmorPerk", "<NONE>"},
        {{2, 5}, 36, 12, "SceneryMaterial", "12"},
        {{0, 3}, 27, 0xC1, "ItemAttackModesSecondary", "12"},
    };
    for (const auto& c : cases) {
        FormEditor e;
        QByteArray original = record(c.kind);
        setFieldValue(original, c.offset, 4 - (c.offset == 27 ? 3 : 0), c.stored);
        e.openRecord(original);
        QComboBox* box = e.find<QComboBox>(c.control);
        ASSERT_TRUE(box) << c.control;
        EXPECT_EQ(box->currentText(), c.shown) << c.control;
        e.save();
        EXPECT_EQ(e.saved().toHex(), original.toHex()) << c.control;
        e.pick(box, 1);
        e.save();
        EXPECT_NE(e.saved().toHex(), original.toHex()) << c.control;
    }
}

TEST(RecordForms, ChangingTheKindAsksOnceAndCancelKeepsTheOldKind) {
    const struct {
        Kind from;
        const char* list;
        int to;             // entry of the kind list
        const char* newTab; // the new kind's tab or box
        int newLength;
        std::vector<int> noneAt; // new fields holding -1
    } cases[] = {
        {{0, 6}, "ComboBox9", 3, "TabSheet_Weapon", 122, {81, 101, 113}},
        {{0, 3}, "ComboBox9", 0, "TabSheet_Armor", 129, {117}},
        {{2, 5}, "SceneryKind", 1, "SceneryKind_Stairs", 49, {41}},
        {{2, 0}, "SceneryKind", 4, "SceneryKind_LadderDown", 45, {41}},
    };
    for (const auto& c : cases) {
        for (bool accept : {false, true}) {
            FormEditor e;
            const QByteArray original = record(c.from);
            e.openRecord(original);
            auto* list = e.find<QComboBox>(c.list);
            ASSERT_TRUE(list) << c.list;
            const int before = list->currentIndex();
            e.prompter.confirmAnswers = {accept};
            e.pick(list, c.to);
            ASSERT_EQ(e.prompter.messages.size(), 1u) << c.newTab;
            EXPECT_TRUE(
                e.prompter.messages[0].text.contains(QString("saved at %1 bytes").arg(c.newLength)))
                << e.prompter.messages[0].text.toStdString();
            EXPECT_EQ(list->currentIndex(), accept ? c.to : before);
            QWidget* tab = e.find<QWidget>(c.newTab);
            auto* tabs = e.find<QTabWidget>("PageControl3");
            const bool shown =
                c.from.type == 0 ? tabs->isTabVisible(tabs->indexOf(tab)) : !tab->isHidden();
            EXPECT_EQ(shown, accept) << c.newTab;
            // The size box tells what the save will write.
            const QString sizeBox = c.from.type == 0 ? "Edit118" : "Edit10";
            EXPECT_EQ(e.find<QLineEdit>(sizeBox)->text(),
                      QString("%1 bytes").arg(accept ? c.newLength : original.size()));
            e.save();
            ASSERT_EQ(e.prompter.messages.size(), 1u)
                << e.prompter.texts().join(" | ").toStdString();
            const QByteArray saved = e.saved();
            if (!accept) {
                EXPECT_EQ(saved.toHex(), original.toHex());
                continue;
            }
            ASSERT_EQ(saved.size(), c.newLength) << c.newTab;
            EXPECT_EQ(fieldValue(saved, 32, 4), std::uint32_t(c.to));
            const int from = c.from.type == 0 ? 57 : 41;
            EXPECT_EQ(saved.left(32).toHex(), original.left(32).toHex());
            for (int at = from; at < c.newLength; ++at) {
                bool none = false;
                for (int n : c.noneAt)
                    none = none || (at >= n && at < n + 4);
                EXPECT_EQ(std::uint8_t(saved[at]), none ? 0xFF : 0) << c.newTab << " byte " << at;
            }
        }
    }
}

TEST(RecordForms, ValuesTheGameWouldNotTakeTurnRedAndStopTheSave) {
    const struct {
        Kind kind;
        const char* control;
        const char* text;
        bool red;
    } cases[] = {
        {{0, 3}, "WeaponMinimumDamage", "9", true}, // more than the maximum (5)
        {{0, 3}, "WeaponMaximumDamage", "4", true}, // less than the minimum (5)
        {{0, 3}, "WeaponMinimumDamage", "0", false},
        {{0, 3}, "WeaponRangePrimaryAttack", "-1", true},
        {{0, 3}, "WeaponAPCostSecondaryAttack", "-1", true},
        {{0, 3}, "WeaponMagazineSize", "-1", true},
        {{0, 3}, "WeaponMagazineSize", "0", false},
        {{0, 3}, "WeaponSoundId", "ab", true}, // not one character
        {{0, 0}, "ArmorDamageResistanceLaser", "101", true},
        {{0, 0}, "ArmorDamageResistanceLaser", "100", false},
        {{0, 0}, "ArmorDamageThresholdFire", "-3", true},
        {{0, 2}, "DrugAddictionChance", "-1", true},
        {{0, 4}, "AmmoQuantityPerBox", "-1", true},
        {{0, 4}, "AmmoArmorClassModifier", "-1", false},
        {{0, 6}, "ItemLightRadius", "9", true},
        {{0, 6}, "ItemLightRadius", "8", false},
        {{2, 1}, "StairsDestinationTile", "67108864", true},
        {{3, -1}, "WallLightRadius", "-1", true},
        {{3, -1}, "WallLightIntensityPercent", "101", true},
        {{5, -1}, "MiscLightIntensityPercent", "-5", true},
        {{0, 1}, "ItemLightIntensityPercent", "100", false},
    };
    for (const auto& c : cases) {
        FormEditor e;
        const QByteArray original = record(c.kind);
        e.openRecord(original);
        QLineEdit* box = e.find<QLineEdit>(c.control);
        ASSERT_TRUE(box) << c.control;
        box->setText(c.text);
        EXPECT_EQ(isMarked(box), c.red) << c.control << " " << c.text;
        EXPECT_EQ(e.w->fieldsValid(), !c.red) << c.control << " " << c.text;
        e.save();
        if (c.red) {
            const QString text = e.prompter.texts().join(" | ");
            EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot save file. Please check marked "
                                                       "fields\n\nFirst marked field: \"%1")
                                            .arg(box->accessibleName().section(", ", 0, 0))))
                << text.toStdString();
            EXPECT_TRUE(text.endsWith(QLatin1Char('\n') + box->toolTip())) << text.toStdString();
            EXPECT_EQ(e.saved().toHex(), original.toHex());
        } else {
            EXPECT_TRUE(e.prompter.messages.empty())
                << e.prompter.texts().join(" | ").toStdString();
        }
    }
}

TEST(RecordForms, ShortFilesKeepTheirLengthAndTheFieldsTheyLack) {
    FormEditor e;
    // A mark left by the last file does not stay on a field the next one lacks.
    e.openRecord(record({0, 3}));
    e.find<QLineEdit>("WeaponMagazineSize")->setText("-1");
    ASSERT_FALSE(e.w->fieldsValid());
    e.prompter.confirmAnswers = {true}; // the changes may go
    QByteArray original = record({0, 3});
    original.truncate(90); // the weapon's fields from 89 on are missing
    e.openRecord(original);
    EXPECT_FALSE(isMarked(e.find<QLineEdit>("WeaponMagazineSize")));
    EXPECT_TRUE(e.w->fieldsValid());
    EXPECT_TRUE(e.find<QLineEdit>("WeaponMinimumDamage")->isEnabled());
    EXPECT_FALSE(e.find<QLineEdit>("WeaponMagazineSize")->isEnabled());
    EXPECT_EQ(e.find<QLineEdit>("WeaponMagazineSize")->text(), "");
    e.find<QLineEdit>("WeaponMinimumDamage")->setText("3");
    e.save();
    QByteArray expected = original;
    setFieldValue(expected, 61, 4, 3);
    EXPECT_EQ(e.saved().toHex(), expected.toHex());
}

// Real items store values outside the checks (charges CC CC CC CC, EMP resistance 500, a
// negative price): left alone they are marked amber and saved as stored; typed into, they are
// judged like any value, and the refusal names the field and shows its tab.
TEST(RecordForms, StoredValuesOutsideTheirChecksNeverStopASave) {
    const struct {
        Kind kind;
        int offset;
        std::uint32_t stored;
        const char* control;
        const char* range;
        const char* tab;
    } cases[] = {
        {{0, 5}, 65, 0xCCCCCCCCu, "MiscItemCharges", "0 .. 2147483647", "Items / Misc"},
        {{0, 0}, 81, 500, "ArmorDamageResistanceEMP", "0 .. 100", "Items / Armor"},
        {{0, 0}, 48, 0xFFFFFFFFu, "Edit116", "0 .. 2147483647", "Items / Common Stats"},
    };
    for (const auto& c : cases) {
        FormEditor e;
        QByteArray original = record(c.kind);
        setFieldValue(original, c.offset, 4, c.stored);
        e.openRecord(original);
        QLineEdit* box = e.find<QLineEdit>(c.control);
        ASSERT_TRUE(box) << c.control;
        EXPECT_TRUE(hasStoredMark(box)) << c.control;
        EXPECT_FALSE(isMarked(box)) << c.control;
        EXPECT_EQ(box->toolTip(), QStringLiteral("as stored, outside %1").arg(c.range));
        e.save();
        EXPECT_EQ(e.saved().toHex(), original.toHex()) << c.control;

        // Another field changed: saved, the odd value written back as stored.
        QLineEdit* price = e.find<QLineEdit>("Edit116");
        QLineEdit* other = box == price ? e.find<QLineEdit>("Edit115") : price;
        other->selectAll();
        QTest::keyClicks(other, "77");
        e.save();
        QByteArray expected = original;
        setFieldValue(expected, box == price ? 44 : 48, 4, 77);
        EXPECT_EQ(e.saved().toHex(), expected.toHex()) << c.control;
        EXPECT_TRUE(e.prompter.messages.empty()) << e.prompter.texts().join(" | ").toStdString();

        // Typed into, the same text is judged: red, and the save says where.
        auto* inner = e.find<QTabWidget>("PageControl3");
        inner->setCurrentIndex(0);
        const QString shown = box->text();
        box->selectAll();
        QTest::keyClicks(box, shown);
        EXPECT_TRUE(isMarked(box)) << c.control;
        EXPECT_FALSE(hasStoredMark(box)) << c.control;
        e.save();
        EXPECT_EQ(e.saved().toHex(), expected.toHex()) << c.control;
        ASSERT_EQ(e.prompter.messages.size(), 1u) << c.control;
        EXPECT_TRUE(e.prompter.messages[0].text.startsWith(
            QStringLiteral("Cannot save file. Please check marked fields\n\nFirst marked field: "
                           "\"%1\" on the tab \"%2\".")
                .arg(box->accessibleName(), QLatin1String(c.tab))))
            << e.prompter.messages[0].text.toStdString();
        EXPECT_TRUE(inner->currentWidget()->isAncestorOf(box)) << c.control;
    }
}

// Every prototype id box shows and reads eight hex digits, none as FFFFFFFF: what is typed is
// read in the notation shown.
TEST(RecordForms, PrototypeIdBoxesShowAndReadHex) {
    for (const Kind& k : kKinds) {
        for (const RecordRow& row : recordRows(k.type, k.kind)) {
            if (row.display != D::ProtoId || !formRow(row))
                continue;
            FormEditor e;
            QByteArray original = record(k);
            setFieldValue(original, row.offset, 4, 0xFFFFFFFFu);
            e.openRecord(original);
            auto* box = e.find<QLineEdit>(row.control);
            ASSERT_TRUE(box) << row.control.toStdString();
            EXPECT_EQ(box->text(), "FFFFFFFF") << row.control.toStdString();
            box->selectAll();
            QTest::keyClicks(box, "33");
            e.save();
            EXPECT_EQ(fieldValue(e.saved(), row.offset, 4), 0x33u) << row.control.toStdString();
        }
    }
}

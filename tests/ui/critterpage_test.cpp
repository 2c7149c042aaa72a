// The critter page: its controls, and every field read from and written to its offset.
#include "critterfixture.h"
#include "ui/redmark.h"

TEST(CritterPage, BeforeTheFirstOpeningTheBoxesHoldTheirStartTexts) {
    Critters e;
    for (const RecordRow& f : critterPageRows()) {
        if (!e.edit(f.control))
            continue;
        const bool zero =
            critterTab(f) != CritterTab::General && critterTab(f) != CritterTab::Other;
        const QString start = f.display == zantrel::Display::HexFlags ? "00000000"
                              : zero                                  ? "0"
                                                                      : "";
        EXPECT_EQ(e.text(f.control), start) << f.control.toStdString();
    }
    EXPECT_EQ(e.text("Edit104"), "Expirience for killing this critter");
    EXPECT_TRUE(e.edit("Edit117")->isHidden());
    EXPECT_EQ(e.label("Panel3")->text(), "Tip Bar! 8)");
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    EXPECT_FALSE(e.rotate()->isEnabled());
    EXPECT_FALSE(e.timer()->isActive());
}

TEST(CritterPage, EveryControlLiesInsideItsTabApartFromTheOthers) {
    Critters e;
    e.open(critter());
    for (int tab = 0; tab < e.inner()->count(); ++tab) {
        QWidget* page = e.inner()->widget(tab);
        e.inner()->setCurrentIndex(tab);
        const QList<QWidget*> all = page->findChildren<QWidget*>();
        QList<QWidget*> shown;
        for (QWidget* c : all)
            if (c->isVisible() && c->parentWidget() && c->focusPolicy() != Qt::NoFocus &&
                !qobject_cast<QLineEdit*>(c->parentWidget()) &&
                !qobject_cast<QComboBox*>(c->parentWidget()))
                shown << c;
        for (QWidget* c : shown) {
            const QRect r(c->mapTo(page, QPoint(0, 0)), c->size());
            EXPECT_TRUE(page->rect().contains(r))
                << c->objectName().toStdString() << " tab " << tab;
            for (QWidget* other : shown) {
                if (other == c || other->isAncestorOf(c) || c->isAncestorOf(other))
                    continue;
                const QRect o(other->mapTo(page, QPoint(0, 0)), other->size());
                EXPECT_FALSE(r.intersects(o))
                    << c->objectName().toStdString() << " / " << other->objectName().toStdString();
            }
        }
    }
}

// Every 4-byte field from offset 48 to 396 in record order, as its box: 5 and 6 are the gender
// boxes. Written out here rather than taken from the page's own table.
const int kRecordBoxes[] = {
    17, 18, 19, 20, 21, 22, 23, 25, 26, 34, 27, 28, 29, 32, 33, 30, 31, 53, 54, 55,  56,  57,
    58, 59, 60, 61, 62, 63, 64, 65, 67, 68, 66, 24, -5, 35, 36, 37, 38, 39, 40, 41,  47,  46,
    52, 45, 44, 43, 50, 51, 48, 49, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80,  81,  82,
    83, 84, 42, -6, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102};

TEST(CritterPage, EachFieldIsReadFromItsOffsetAndWrittenBackThere) {
    static_assert(sizeof(kRecordBoxes) / sizeof(int) == (396 - 48) / 4 + 1);
    Critters e;
    QByteArray p = critter();
    for (int i = 0; i < int(std::size(kRecordBoxes)); ++i)
        put(p, 48 + 4 * i, qPrintable(hex8(kRecordBoxes[i] < 0 ? 1 : 10 + i)));
    const struct {
        int offset;
        const char* hex;
        const char* box;
        const char* shown;
    } words[] = {{12, "00000007", "Edit105", "7"},        {16, "00010000", "Edit106", "100"},
                 {24, "0000B800", "Edit111", "0000B800"}, {32, "0800001A", "Edit107", "0800001A"},
                 {36, "00000009", "Edit108", "9"},        {40, "0000000B", "Edit109", "11"},
                 {44, "00000022", "Edit112", "00000022"}, {404, "000000C8", "Edit103", "200"},
                 {412, "00000004", "Edit110", "04"}};
    for (const auto& wd : words)
        put(p, wd.offset, wd.hex);
    e.open(p);
    for (int i = 0; i < int(std::size(kRecordBoxes)); ++i) {
        const int n = kRecordBoxes[i];
        if (n < 0)
            EXPECT_EQ(e.text(QStringLiteral("ComboBox%1").arg(-n)), "Female");
        else
            EXPECT_EQ(e.text(QStringLiteral("Edit%1").arg(n)), QString::number(10 + i)) << n;
    }
    for (const auto& wd : words)
        EXPECT_EQ(e.text(wd.box), QLatin1String(wd.shown)) << wd.box;

    // New texts go back to the same places: small values so that no pair turns red.
    QByteArray expected = p;
    for (int i = 0; i < int(std::size(kRecordBoxes)); ++i) {
        const int n = kRecordBoxes[i];
        if (n == -5) {
            e.pick("ComboBox5", "Male");
            put(expected, 48 + 4 * i, "00000000");
        } else if (n > 0) {
            e.edit(QStringLiteral("Edit%1").arg(n))->setText(QString::number(i % 5));
            put(expected, 48 + 4 * i, qPrintable(hex8(i % 5)));
        }
    }
    e.edit("Edit103")->setText("65536");
    put(expected, 404, "00010000");
    ASSERT_TRUE(e.w->fieldsValid());
    EXPECT_EQ(hex(e.save()), hex(expected));
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}

TEST(CritterPage, StoredValuesShowAndComeBackByteForByteWhenLeftAlone) {
    const struct {
        int offset;
        const char* hex;
        const char* box;
        const char* shown;
        const char* amber = nullptr; // outside its check: marked as stored, with the range
    } cases[] = {
        {216, "FFFFFFFF", "Edit47", "-1"},
        {216, "FFFFFF00", "Edit47", "-256"},
        {216, "FFFFFF01", "Edit47", "-255"},
        {220, "FFFFFFFF", "Edit46", "-1"}, // longer than the two characters one may type
        {220, "FFFFFFFB", "Edit46", "-5"},
        {12, "FFFFFFFF", "Edit105", "4294967295"}, // no range check: shown, kept
        {16, "00010000", "Edit106", "100"},
        {16, "00008000", "Edit106", "50"},
        {16, "00002000", "Edit106", "12"}, // 12.5: the half goes to the even neighbour
        {16, "00002710", "Edit106", "15"}, // 10000 is no step of its own: kept untouched
        {16, "00000021", "Edit106", "0"},
        {32, "FFFFFFFF", "Edit107", "-1"},
        {32, "0800001A", "Edit107", "0800001A"},
        {412, "00000003", "Edit110", "03"},
        {412, "0000000C", "Edit110", "12"},
        {24, "00002008", "Edit111", "00002008"},
        {44, "00007F22", "Edit112", "00007F22"},
        {184, "00000001", "ComboBox5", "Female"},
        {184, "00000002", "ComboBox5", ""}, // no such entry: nothing selected
        {324, "FFFFFFFF", "ComboBox6", ""},
        {400, "00000001", "ComboBox3", "401"},
        {400, "7F3E2101", "ComboBox3", "401"}, // the bytes before the type are never touched
        {400, "00000003", "ComboBox3", "403"}, // "0403" is not 403: shown as the number
        {400, "000000FF", "ComboBox3", "655"},
        {408, "00000002", "ComboBox4", "1452"},
        {408, "AABBCC09", "ComboBox4", "1459"},
    };
    Critters e;
    for (const auto& c : cases) {
        QByteArray p = critter();
        put(p, c.offset, c.hex);
        e.open(p);
        EXPECT_EQ(e.text(c.box), QLatin1String(c.shown)) << c.box << " " << c.hex;
        if (QLineEdit* box = e.edit(c.box)) {
            EXPECT_EQ(hasStoredMark(box), c.amber != nullptr) << c.box << " " << c.hex;
            EXPECT_EQ(box->toolTip(), c.amber ? storedNote(c.amber) : QString()) << c.box;
        }
        EXPECT_EQ(hex(e.save()), hex(p)) << c.box << " " << c.hex;
        EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
        if (c.amber) { // typed into, the same text is judged: red
            e.type(c.box, c.shown);
            EXPECT_EQ(e.colour(c.box), kRed) << c.box;
        }
    }
    // A whole odd record at once: every shown value that does not give its bytes back.
    QByteArray p = critter();
    for (const auto& c : cases)
        if (c.offset != 184 || QByteArray(c.hex) == "00000002")
            put(p, c.offset, c.hex);
    e.open(p);
    EXPECT_EQ(hex(e.save()), hex(p));
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}

TEST(CritterPage, TypedTextsSaveTheseBytes) {
    const struct {
        const char* box;
        const char* typed;
        int offset;
        const char* hex; // the bytes from offset on afterwards
    } cases[] = {
        {"Edit47", "-1", 216, "FFFFFFFF"},        {"Edit47", "-99", 216, "FFFFFF9D"},
        {"Edit46", "-99", 220, "FFFFFFF7"}, // "-9": two keys
        {"Edit107", "123456789", 32, "12345678"}, {"Edit103", "12", 404, "0000000C"},
        {"Edit105", "-1", 12, "FFFFFFFF"},        {"Edit105", "$1F", 12, "0000001F"},
        {"Edit106", "33", 16, "0000547B"},        {"Edit106", "100", 16, "00010000"},
        {"Edit106", "50", 16, "00008000"},        {"Edit106", "15", 16, "00002666"},
        {"Edit106", "-1", 16, "FFFFFD71"},        {"Edit107", "-1", 32, "FFFFFFFF"},
        {"Edit107", "1a", 32, "0000001A"},        {"Edit107", "0800001A", 32, "0800001A"},
        {"Edit108", "300", 36, "0000012C"},       {"Edit109", "7", 40, "00000007"},
        {"Edit110", "3", 412, "00000003"},        {"Edit110", "12", 412, "0000000C"},
        {"ComboBox3", "402", 400, "ABCDEF02"},    {"ComboBox3", "655", 400, "ABCDEFFF"},
        {"ComboBox3", "0403", 400, "ABCDEF03"},   {"ComboBox4", "1705", 408, "123456FF"},
        {"ComboBox4", "1451", 408, "12345601"},
    };
    QByteArray base = critter();
    put(base, 400, "ABCDEF00");
    put(base, 408, "12345600");
    for (const auto& c : cases) {
        Critters e;
        e.open(base);
        e.type(c.box, c.typed);
        QByteArray expected = base;
        put(expected, c.offset, c.hex);
        EXPECT_EQ(hex(e.save()), hex(expected)) << c.box << " " << c.typed;
        const QString msg = e.lastMessage();
        // Typing a type number looks its name up at every key; no other message may come.
        EXPECT_TRUE(msg.isEmpty()) << c.box << ": " << msg.toStdString();
    }
    Critters e;
    e.open(base);
    e.pick("ComboBox5", "Female");
    QByteArray expected = base;
    put(expected, 184, "00000001");
    EXPECT_EQ(hex(e.save()), hex(expected));
}

TEST(CritterPage, ATextThatDoesNotConvertStopsTheSaveBeforeAnythingIsWritten) {
    const QString head = QStringLiteral("is not a valid talking head number: type -1 for none, "
                                        "or up to eight hexadecimal digits");
    const struct {
        const char* box;
        const char* typed;
        QString message;
    } cases[] = {
        {"ComboBox3", "399", "'399' is not a valid integer value"},
        {"ComboBox3", "656", "'656' is not a valid integer value"},
        {"ComboBox4", "1449", "'1449' is not a valid integer value"},
        {"ComboBox4", "1706", "'1706' is not a valid integer value"},
        {"ComboBox4", "x", "'x' is not a valid integer value"},
        {"ComboBox3", "", "'' is not a valid integer value"},
        {"Edit107", "xyz", "'xyz' " + head},
        {"Edit107", "", "'' " + head},
        {"Edit107", "-2", "'-2' " + head},
        {"Edit105", "abc", "'abc' is not a valid integer value"},
        {"Edit103", "-", "'-' is not a valid integer value"},
        {"Edit102", "", "'' is not a valid integer value"},
        {"Edit110", "2147483648", "'2147483648' is not a valid integer value"},
        {"Edit106", "6553600",
         "'6553600' is not a valid glow intensity: it must lie within "
         "-3276800 .. 6553599"},
    };
    for (const auto& c : cases) {
        Critters e;
        const QByteArray p = critter();
        e.open(p);
        e.w->header()->edit(3)->setText("000000C8"); // a header field changed too
        e.type(c.box, c.typed);
        e.prompter.messages.clear();
        EXPECT_EQ(hex(e.save()), hex(p)) << c.box << " " << c.typed;
        EXPECT_EQ(e.lastMessage(), c.message) << c.box << " " << c.typed;
        EXPECT_EQ(e.prompter.messages.size(), 1u) << c.box;
    }
}

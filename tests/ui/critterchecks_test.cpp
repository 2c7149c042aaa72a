// The critter page's range checks, their marks and the type names.
#include "critterfixture.h"

TEST(CritterPage, PairsAreMarkedRedWhenTheirTotalLeavesTheRange) {
    const struct {
        const char* changed;
        const char* value;
        const char* partner; // nullptr: tested alone
        const char* partnerValue;
        bool red;
    } cases[] = {
        // clang-format off
        {"Edit35", "3", "Edit17", "8", true},
        {"Edit17", "8", "Edit35", "3", true},
        {"Edit35", "2", "Edit17", "8", false},
        {"Edit36", "2", "Edit18", "9", true},
        {"Edit23", "10", "Edit41", "0", false},
        {"Edit41", "-1", "Edit23", "0", true},
        {"Edit47", "999", "Edit25", "1", true},
        {"Edit25", "1", "Edit47", "999", false}, // the base side tests for 0 or more only
        {"Edit47", "998", "Edit25", "1", false},
        {"Edit47", "-5", "Edit25", "5", false},
        {"Edit47", "-6", "Edit25", "5", true},
        {"Edit46", "-2", "Edit26", "1", true},
        {"Edit26", "1", "Edit46", "-1", false},
        {"Edit45", "-9", "Edit27", "9", false},
        {"Edit43", "999", "Edit29", "999", false},
        {"Edit42", "-1", "Edit24", "0", true},
        {"Edit69", "-5", "Edit53", "5", false},
        {"Edit75", "-1", "Edit59", "0", true},
        {"Edit84", "-1", "Edit66", "0", true},
        {"Edit76", "-1", "Edit60", "0", true},
        {"Edit85", "300", nullptr, nullptr, false},
        {"Edit85", "301", nullptr, nullptr, true},
        {"Edit102", "-5", nullptr, nullptr, true},
        {"Edit103", "-1", nullptr, nullptr, true},
        {"Edit103", "999999999", nullptr, nullptr, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        Critters e;
        e.open(critter());
        if (c.partner)
            e.type(c.partner, c.partnerValue);
        e.type(c.changed, c.value);
        const QColor expected = c.red ? kRed : kNormal;
        EXPECT_EQ(e.colour(c.changed), expected) << c.changed << "=" << c.value;
        if (c.partner) {
            EXPECT_EQ(e.colour(c.partner), expected) << c.partner << "=" << c.partnerValue;
        }
        EXPECT_EQ(e.w->fieldsValid(), !c.red) << c.changed;
        EXPECT_EQ(e.text("Edit117"), "0");
        EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
    }
}

TEST(CritterPage, HalfTypedNumbersLeaveTheMarksAndOthersReportOnce) {
    Critters e;
    e.open(critter());
    e.type("Edit17", "8");
    e.type("Edit35", "3");
    ASSERT_EQ(e.colour("Edit17"), kRed);
    for (const char* box : {"Edit35", "Edit17"}) {
        for (const char* half : {"-", ""}) {
            e.type(box, half);
            EXPECT_EQ(e.colour("Edit17"), kRed) << box << " '" << half << "'";
            EXPECT_EQ(e.colour("Edit35"), kRed);
        }
        e.type(box, box == QLatin1String("Edit35") ? "3" : "8");
    }
    EXPECT_TRUE(e.prompter.messages.empty());
    e.edit("Edit35")->setText("ab");
    EXPECT_EQ(e.lastMessage(), "'ab' is not a valid integer value");
    EXPECT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(e.colour("Edit35"), kRed);
    EXPECT_TRUE(e.w->alarmOn());
}

TEST(CritterPage, SavingWaitsUntilNoFieldIsRed) {
    Critters e;
    const QByteArray p = critter();
    e.open(p);
    e.type("Edit17", "8");
    e.type("Edit35", "3"); // red
    e.type("Edit26", "5"); // another pair, in range
    EXPECT_EQ(e.colour("Edit17"), kRed);
    EXPECT_EQ(hex(e.save()), hex(p));
    ASSERT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(e.prompter.messages[0].title, "Error!");
    EXPECT_EQ(e.prompter.messages[0].text,
              kCannotSave + QStringLiteral("\n\nFirst marked field: \"Strength (base)\" on the "
                                           "tab \"Critters / Base\"."));
    e.type("Edit85", "301"); // a skill out of range as well
    e.type("Edit35", "2");
    EXPECT_EQ(hex(e.save()), hex(p));
    EXPECT_EQ(e.prompter.messages.size(), 2u);
    e.type("Edit85", "300");
    QByteArray expected = p;
    put(expected, 48, "00000008");
    put(expected, 80, "00000005");
    put(expected, 188, "00000002");
    put(expected, 328, "0000012C");
    EXPECT_EQ(hex(e.save()), hex(expected));
    EXPECT_EQ(e.prompter.messages.size(), 2u);
    // The next prototype's own values bring the marks up to date.
    e.type("Edit35", "3");
    e.open(critter());
    EXPECT_EQ(e.colour("Edit17"), kNormal);
    EXPECT_TRUE(e.w->fieldsValid());
}

TEST(CritterPage, AFillingThatFailsLeavesTheNewValuesShownAndTheFileUnsaveable) {
    Critters e;
    QByteArray good = critter();
    put(good, 404, "00000010");
    e.open(good);
    ASSERT_TRUE(e.prompter.messages.empty());
    const struct {
        const char* why;
        int offset;
        const char* hex;
        bool dropProtoMsg;
        QString message;
    } cases[] = {
        {"proto.msg missing", 404, "00000020", true,
         "File not found\n" + e.folder.file("Source/proto.msg")},
    };
    for (const auto& c : cases) {
        if (c.dropProtoMsg)
            QFile::remove(e.folder.file("Source/proto.msg"));
        QByteArray p = critter();
        put(p, 404, "00000020");
        put(p, c.offset, c.hex);
        e.prompter.messages.clear();
        e.open(p);
        ASSERT_EQ(e.prompter.messages.size(), 1u) << c.why;
        EXPECT_EQ(e.lastMessage(), c.message) << c.why;
        EXPECT_EQ(e.text("Edit103"), "32") << c.why; // the rest is filled all the same
        EXPECT_EQ(hex(e.save()), hex(p)) << c.why;
        EXPECT_TRUE(e.lastMessage().startsWith(kCannotSave)) << c.why;
        e.folder.write("Source/proto.msg", kProtoMsg);
    }
    e.open(good);
    e.type("Edit103", "17");
    put(good, 404, "00000011");
    EXPECT_EQ(hex(e.save()), hex(good));
}

TEST(CritterPage, ValuesStoredOutOfRangeAreMarkedAndSaveOnceCorrected) {
    const struct {
        const char* why;
        int offset;
        const char* stored;
        const char* box;     // the marked box, corrected by typing
        const char* partner; // marked with it
        const char* typed;
        const char* written;
    } cases[] = {
        {"base hit points of 2^32 - 1", 76, "FFFFFFFF", "Edit25", "Edit47", "40", "00000028"},
        {"extra hit points of 4294967039", 216, "FFFFFEFF", "Edit47", "Edit25", "-5", "FFFFFFFB"},
        {"base strength of 2^31", 48, "80000000", "Edit17", "Edit35", "6", "00000006"},
        // Stored out of range, the critter page's own rule: red as if typed, not as stored.
        {"base strength of 11", 48, "0000000B", "Edit17", "Edit35", "6", "00000006"},
    };
    for (const auto& c : cases) {
        Critters e;
        QByteArray p = critter();
        put(p, c.offset, c.stored);
        e.open(p);
        EXPECT_TRUE(e.prompter.messages.empty()) << c.why << ": " << e.lastMessage().toStdString();
        EXPECT_EQ(e.colour(c.box), kRed) << c.why;
        EXPECT_EQ(e.colour(c.partner), kRed) << c.why;
        EXPECT_EQ(hex(e.save()), hex(p)) << c.why;
        EXPECT_TRUE(e.lastMessage().startsWith(kCannotSave)) << c.why;
        e.type(c.box, c.typed);
        EXPECT_EQ(e.colour(c.box), kNormal) << c.why;
        put(p, c.offset, c.written);
        EXPECT_EQ(hex(e.save()), hex(p)) << c.why;
    }
}

TEST(CritterPage, BaseHitPointsOnlyTestTheTotalForZeroOrMore) {
    Critters e;
    e.open(critter());
    e.type("Edit25", "1");
    e.type("Edit47", "999"); // the extra side tests for at most 999 too
    EXPECT_EQ(e.colour("Edit25"), kRed);
    EXPECT_EQ(e.colour("Edit47"), kRed);
    e.type("Edit25", "2"); // the base side does not
    EXPECT_EQ(e.colour("Edit25"), kNormal);
    EXPECT_EQ(e.colour("Edit47"), kNormal);
    EXPECT_TRUE(e.w->fieldsValid());
}

TEST(CritterPage, TypeNamesFollowTheBoxesWithTheirTrailingSpace) {
    Critters e;
    QByteArray p = critter();
    put(p, 400, "00000001");
    put(p, 408, "00000001");
    e.open(p);
    EXPECT_EQ(e.combo("ComboBox3")->count(), 4);
    EXPECT_EQ(e.combo("ComboBox4")->count(), 3);
    EXPECT_EQ(e.text("Edit7"), "Quadruped "); // looked up at the end of the filling
    EXPECT_EQ(e.text("Edit8"), "Women ");
    const struct {
        const char* box;
        const char* entry; // picked when the list has it, else typed
        const char* nameBox;
        const char* name;
    } cases[] = {
        {"ComboBox3", "402", "Edit7", "Robot "},
        {"ComboBox3", "0403", "Edit7", "Padded "},
        {"ComboBox3", "403", "Edit7", "Padded "},
        {"ComboBox3", "65936", "Edit7", "Biped "}, // taken as 16 bits: 400
        {"ComboBox4", "1452", "Edit8", "Super Mutants "},
        {"ComboBox4", "1459", "Edit8", "<NONE>"},
    };
    for (const auto& c : cases) {
        if (e.combo(c.box)->findText(c.entry) >= 0)
            e.pick(c.box, c.entry);
        else
            e.type(c.box, c.entry);
        EXPECT_EQ(e.text(c.nameBox), QLatin1String(c.name)) << c.entry;
    }
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
    EXPECT_TRUE(e.w->alarmOn());
}

// The critter page's description, flag words, tip bars and turning preview.
#include "critterfixture.h"

TEST(CritterPage, DescriptionSizeAndFlagWordsOfTheCritter) {
    Critters e;
    QByteArray p = critter();
    put(p, 24, "0000B800");
    put(p, 44, "00000022");
    e.open(p);
    EXPECT_EQ(e.w->findChild<QPlainTextEdit*>("Memo2")->toPlainText(),
              "Name: crit 1 \nScript description: Script number 5");
    EXPECT_EQ(e.text("Edit9"), "416 bytes");
    auto box = [&e](int n) {
        return e.w->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
    };
    for (int n = 30; n <= 42; ++n)
        EXPECT_EQ(box(n)->isChecked(), n == 30 || n == 31 || n == 32 || n == 33) << n;
    e.bringForward(box(30));
    box(30)->click();
    box(42)->click();
    EXPECT_EQ(e.text("Edit111"), "0000B000");
    EXPECT_EQ(e.text("Edit112"), "00004022");
    put(p, 24, "0000B000");
    put(p, 44, "00004022");
    EXPECT_EQ(hex(e.save()), hex(p));
}

TEST(CritterPage, TipBarsShowTheTotalOfBaseAndExtra) {
    // Base value, extra value, tip text; each statistic's base box first in the record.
    const struct {
        const char* base;
        const char* extra;
        const char* tip;
    } stats[] = {
        {"Edit17", "Edit35", "Total Strength = "},
        {"Edit18", "Edit36", "Total Perception = "},
        {"Edit19", "Edit37", "Total Endurance = "},
        {"Edit20", "Edit38", "Total Charisma = "},
        {"Edit21", "Edit39", "Total Intelligence = "},
        {"Edit22", "Edit40", "Total Agility = "},
        {"Edit23", "Edit41", "Total Luck = "},
        {"Edit25", "Edit47", "Total Hit Points = "},
        {"Edit26", "Edit46", "Total Action Points = "},
        {"Edit27", "Edit45", "Total Unarmed Damage = "},
        {"Edit28", "Edit44", "Total Melee Damage = "},
        {"Edit29", "Edit43", "Total Carry Weight = "},
        {"Edit30", "Edit48", "Total Critical Chance = "},
        {"Edit31", "Edit49", "Total Better Criticals = "},
        {"Edit32", "Edit50", "Total Sequence = "},
        {"Edit33", "Edit51", "Total Healing Rate = "},
        {"Edit34", "Edit52", "Total Armor Class = "},
    };
    Critters e;
    e.open(critter());
    for (int i = 0; i < int(std::size(stats)); ++i) {
        e.edit(stats[i].base)->setText(QString::number(i + 1));
        e.edit(stats[i].extra)->setText(i == 7 ? "-1" : "1");
    }
    for (int i = 0; i < int(std::size(stats)); ++i) {
        const QString total = QLatin1String(stats[i].tip) + QString::number(i == 7 ? i : i + 2);
        e.hover(stats[i].base);
        EXPECT_EQ(e.label("Panel2")->text(), total) << stats[i].base;
        e.hover(stats[i].extra);
        EXPECT_EQ(e.label("Panel3")->text(), total) << stats[i].extra;
    }
    e.edit("Edit22")->setText("6");
    e.edit("Edit40")->setText("2");
    e.hover("Edit40");
    EXPECT_EQ(e.label("Panel3")->text(), "Total Agility = 8");
    e.hoverPage(2, {365, 40}); // the free area of "Extra" keeps the total
    EXPECT_EQ(e.label("Panel3")->text(), "Total Agility = 8");
    e.hover("Edit24"); // the ages have no tip
    EXPECT_EQ(e.label("Panel2")->text(), "Total Armor Class = 18");
    e.hoverPage(1, {365, 40});
    EXPECT_EQ(e.label("Panel2")->text(), "Tip Bar! 8)");
    e.edit("Edit17")->setText("");
    e.hover("Edit17"); // an empty box shows nothing
    EXPECT_EQ(e.label("Panel2")->text(), "Tip Bar! 8)");
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();

    // A partner holding no number: one message per visit, however long the pointer moves.
    e.edit("Edit17")->setText("8");
    e.edit("Edit35")->setText("-");
    for (int x = 5; x < 25; x += 5)
        e.hover("Edit17", {x, 6});
    EXPECT_EQ(e.prompter.texts(), QStringList({"'-' is not a valid integer value"}));
    e.hover("Edit18");
    e.hover("Edit17");
    e.hoverPage(1, {365, 40});
    e.hover("Edit17");
    EXPECT_EQ(e.prompter.messages.size(), 3u);
    EXPECT_EQ(e.label("Panel2")->text(), "Tip Bar! 8)");
}

TEST(CritterPage, ArtNamesAreCutAtTheFirstComma) {
    const struct {
        const char* entry;
        const char* name;
    } cases[] = {{"zmscout,11,1", "zmscout"}, {"nocomma", "nocomma"}, {"a,b,c", "a"}, {",x", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(CritterPreview::artName(c.entry), QLatin1String(c.name)) << c.entry;
}

TEST(CritterPage, ThePreviewTurnsThroughTheSixFacings) {
    Critters e;
    e.drawPictures("cri2");
    e.open(critter()); // frame 2: "cri2,11,1"
    EXPECT_EQ(e.shownFacing(), 3);
    EXPECT_TRUE(e.rotate()->isEnabled());
    EXPECT_FALSE(e.timer()->isActive());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_EQ(e.rotate()->text(), "Stop");
    for (int facing : {4, 5, 6, 1, 2})
        ASSERT_TRUE(waitFor([&] { return e.shownFacing() == facing; }, 1500)) << facing;
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    EXPECT_FALSE(e.timer()->isActive());
    QTest::qWait(600);
    EXPECT_EQ(e.shownFacing(), 2); // stopped where it stood
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_TRUE(waitFor([&] { return e.shownFacing() == 3; }, 1500));

    // Another critter without pictures while turning: the not-available picture, still.
    e.pick("ComboBox2", "cri4,11,1");
    EXPECT_EQ(e.shownFacing(), 0);
    EXPECT_FALSE(e.timer()->isActive());
    EXPECT_FALSE(e.rotate()->isEnabled());
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    // Back to one with pictures: facing 3, still, ready to turn.
    e.pick("ComboBox2", "cri2,11,1");
    EXPECT_EQ(e.shownFacing(), 3);
    EXPECT_TRUE(e.rotate()->isEnabled());
    EXPECT_FALSE(e.timer()->isActive());
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}

TEST(CritterPage, AMissingPictureIsReportedOnceAndStopsTheTurning) {
    Critters e;
    e.drawPictures("cri2");
    QFile::remove(e.folder.file("images/critters/cri2_5.bmp"));
    e.open(critter());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return !e.timer()->isActive(); }, 2000));
    QTest::qWait(600);
    EXPECT_EQ(e.prompter.texts(),
              QStringList({"Cannot open file " + e.folder.file("images/critters/cri2_5.bmp")}));
    EXPECT_EQ(e.shownFacing(), 4); // the last picture that loaded
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    EXPECT_TRUE(e.rotate()->isEnabled());

    // No not-available picture either: reported, the picture stays.
    QFile::remove(e.folder.file("images/notav.bmp"));
    e.prompter.messages.clear();
    e.pick("ComboBox2", "cri5,11,1");
    EXPECT_EQ(e.prompter.texts(),
              QStringList({"Cannot open file " + e.folder.file("images/notav.bmp")}));
    EXPECT_EQ(e.shownFacing(), 4);
    EXPECT_FALSE(e.rotate()->isEnabled());
    // Opening any prototype makes the button usable again.
    e.open(makePrototype(2, 49)); // its own page is shown: the critter tab is locked
    EXPECT_TRUE(e.rotate()->isEnabledTo(e.rotate()->parentWidget()));
}

TEST(CritterPage, WithoutBitmapsThePreviewDrawsTheGamesOwnArt) {
    Critters e;
    // A palette whose entries 1..6 tell the facings apart, and one standing-art file per
    // direction, each filled with its direction's entry.
    QByteArray palette(768, '\0');
    auto colour = [](int n) { return qRgb(n * 40, 252 - n * 40, n * 20); };
    for (int n = 1; n <= 6; ++n) {
        palette[3 * n] = char(n * 10);
        palette[3 * n + 1] = char(63 - n * 10);
        palette[3 * n + 2] = char(n * 5);
    }
    e.folder.write("Source/color.pal", palette);
    for (int d = 0; d < 6; ++d)
        e.folder.write(QString("Game/data/art/critters/CRI2AA.FR%1").arg(d),
                       makeFrame(20, 30, QByteArray(20 * 30, char(d + 1))));
    e.open(critter()); // frame 2: "cri2,11,1", no prepared bitmaps
    auto centre = [&] { return e.label("Image1")->pixmap().toImage().pixel(58, 58); };
    EXPECT_EQ(centre(), colour(3));
    EXPECT_EQ(e.label("Image1")->pixmap().toImage().pixel(2, 2), qRgb(0, 0, 0)); // black panel
    EXPECT_TRUE(e.rotate()->isEnabled());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    for (int facing : {4, 5, 6, 1, 2})
        ASSERT_TRUE(waitFor([&] { return centre() == colour(facing); }, 1500)) << facing;
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}

TEST(CritterPage, StartedFromAnotherFolderTheProgramsPicturesAreUsed) {
    // Prepared pictures below the start folder are drawn as facing 7 - n, the program's as n;
    // 0 is the program's not-available picture.
    const struct {
        const char* why;
        bool inStartFolder, inProgram;
        int shown;
    } cases[] = {
        {"none prepared", false, false, 0},
        {"prepared below the start folder", true, true, 4},
        {"prepared beside the program", false, true, 3},
    };
    for (const auto& c : cases) {
        Critters e("Mod");
        if (c.inProgram)
            e.drawPictures("cri2");
        for (int n = 1; c.inStartFolder && n <= 6; ++n)
            e.folder.write(QStringLiteral("Mod/images/critters/cri2_%1.bmp").arg(n),
                           bmp(facingColour(7 - n)));
        e.open(critter());
        EXPECT_EQ(e.shell.startFolder, e.folder.file("Mod")) << c.why;
        EXPECT_EQ(e.shownFacing(), c.shown) << c.why;
        EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
    }
}

#include "critterrows.h"

namespace zantrel {

namespace {

using D = Display;
using T = CritterTab;

constexpr int kNo = -2;  // no check
constexpr int kAny = -1; // the total 0 or more

struct Entry {
    int offset;
    const char* control; // "Edit17", "ComboBox5"
    int maxLength;
    Display display;
    int bound;           // kNo, kAny, or the total's upper end
    const char* partner; // a total's other box ("Edit117": none), or a type's name box
    const char* tip;
    const char* name; // what a screen reader announces
    CritterTab tab;
    int column;
    int line;
    const char* caption;
    const char* suffix;
};

// clang-format off
const Entry kEntries[] = {
    // offset, control, typed length, display, total bound, partner, tip, name, tab, column, line, caption, suffix
    {403, "ComboBox3", 0, D::BodyType, kNo, "Edit7", nullptr, QT_TRANSLATE_NOOP("Critter", "Body type"), T::General, 0, 0, QT_TRANSLATE_NOOP("Critter", "Body Type:"), nullptr},
    {411, "ComboBox4", 0, D::KillType, kNo, "Edit8", nullptr, QT_TRANSLATE_NOOP("Critter", "Kill type"), T::General, 0, 1, QT_TRANSLATE_NOOP("Critter", "Kill Type:"), nullptr},
    {404, "Edit103", 0, D::Unsigned, kAny, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Experience for killing"), T::General, 0, 2, QT_TRANSLATE_NOOP("Critter", "Expirience:"), nullptr},

    {48, "Edit17", 2, D::Unsigned, 10, "Edit35", QT_TRANSLATE_NOOP("Critter", "Total Strength = "), QT_TRANSLATE_NOOP("Critter", "Strength (base)"), T::Base, 0, 0, QT_TRANSLATE_NOOP("Critter", "Strength:"), nullptr},
    {52, "Edit18", 2, D::Unsigned, 10, "Edit36", QT_TRANSLATE_NOOP("Critter", "Total Perception = "), QT_TRANSLATE_NOOP("Critter", "Perception (base)"), T::Base, 0, 1, QT_TRANSLATE_NOOP("Critter", "Perception:"), nullptr},
    {56, "Edit19", 2, D::Unsigned, 10, "Edit37", QT_TRANSLATE_NOOP("Critter", "Total Endurance = "), QT_TRANSLATE_NOOP("Critter", "Endurance (base)"), T::Base, 0, 2, QT_TRANSLATE_NOOP("Critter", "Endurance:"), nullptr},
    {60, "Edit20", 2, D::Unsigned, 10, "Edit38", QT_TRANSLATE_NOOP("Critter", "Total Charisma = "), QT_TRANSLATE_NOOP("Critter", "Charisma (base)"), T::Base, 0, 3, QT_TRANSLATE_NOOP("Critter", "Charisma:"), nullptr},
    {64, "Edit21", 2, D::Unsigned, 10, "Edit39", QT_TRANSLATE_NOOP("Critter", "Total Intelligence = "), QT_TRANSLATE_NOOP("Critter", "Intelligence (base)"), T::Base, 0, 4, QT_TRANSLATE_NOOP("Critter", "Intelligence:"), nullptr},
    {68, "Edit22", 2, D::Unsigned, 10, "Edit40", QT_TRANSLATE_NOOP("Critter", "Total Agility = "), QT_TRANSLATE_NOOP("Critter", "Agility (base)"), T::Base, 0, 5, QT_TRANSLATE_NOOP("Critter", "Agility:"), nullptr},
    {72, "Edit23", 2, D::Unsigned, 10, "Edit41", QT_TRANSLATE_NOOP("Critter", "Total Luck = "), QT_TRANSLATE_NOOP("Critter", "Luck (base)"), T::Base, 0, 6, QT_TRANSLATE_NOOP("Critter", "Luck:"), nullptr},
    // A change of the base hit points only tests the total for 0 or more; the extra side
    // also tests it for at most 999.
    {76, "Edit25", 3, D::Unsigned, kAny, "Edit47", QT_TRANSLATE_NOOP("Critter", "Total Hit Points = "), QT_TRANSLATE_NOOP("Critter", "Hit Points (base)"), T::Base, 1, 0, QT_TRANSLATE_NOOP("Critter", "Hit Points:"), nullptr},
    {80, "Edit26", 2, D::Unsigned, kAny, "Edit46", QT_TRANSLATE_NOOP("Critter", "Total Action Points = "), QT_TRANSLATE_NOOP("Critter", "Action Points (base)"), T::Base, 1, 1, QT_TRANSLATE_NOOP("Critter", "Action Points:"), nullptr},
    {84, "Edit34", 3, D::Unsigned, kAny, "Edit52", QT_TRANSLATE_NOOP("Critter", "Total Armor Class = "), QT_TRANSLATE_NOOP("Critter", "Armor Class (base)"), T::Base, 1, 2, QT_TRANSLATE_NOOP("Critter", "Armor Class:"), nullptr},
    {88, "Edit27", 3, D::Unsigned, kAny, "Edit45", QT_TRANSLATE_NOOP("Critter", "Total Unarmed Damage = "), QT_TRANSLATE_NOOP("Critter", "Unarmed Damage (base)"), T::Base, 1, 3, QT_TRANSLATE_NOOP("Critter", "Unarmed Damage:"), nullptr},
    {92, "Edit28", 3, D::Unsigned, kAny, "Edit44", QT_TRANSLATE_NOOP("Critter", "Total Melee Damage = "), QT_TRANSLATE_NOOP("Critter", "Melee Damage (base)"), T::Base, 1, 4, QT_TRANSLATE_NOOP("Critter", "Melee Damage:"), nullptr},
    {96, "Edit29", 3, D::Unsigned, kAny, "Edit43", QT_TRANSLATE_NOOP("Critter", "Total Carry Weight = "), QT_TRANSLATE_NOOP("Critter", "Carry Weight (base)"), T::Base, 1, 5, QT_TRANSLATE_NOOP("Critter", "Carry Weight:"), nullptr},
    {100, "Edit32", 2, D::Unsigned, kAny, "Edit50", QT_TRANSLATE_NOOP("Critter", "Total Sequence = "), QT_TRANSLATE_NOOP("Critter", "Sequence (base)"), T::Base, 1, 6, QT_TRANSLATE_NOOP("Critter", "Sequence:"), nullptr},
    {104, "Edit33", 2, D::Unsigned, kAny, "Edit51", QT_TRANSLATE_NOOP("Critter", "Total Healing Rate = "), QT_TRANSLATE_NOOP("Critter", "Healing Rate (base)"), T::Base, 1, 7, QT_TRANSLATE_NOOP("Critter", "Healing Rate:"), nullptr},
    {108, "Edit30", 3, D::Unsigned, kAny, "Edit48", QT_TRANSLATE_NOOP("Critter", "Total Critical Chance = "), QT_TRANSLATE_NOOP("Critter", "Critical Chance (base)"), T::Base, 1, 8, QT_TRANSLATE_NOOP("Critter", "Critical Chance:"), nullptr},
    {112, "Edit31", 3, D::Unsigned, kAny, "Edit49", QT_TRANSLATE_NOOP("Critter", "Total Better Criticals = "), QT_TRANSLATE_NOOP("Critter", "Better Criticals (base)"), T::Base, 1, 9, QT_TRANSLATE_NOOP("Critter", "Better Criticals:"), nullptr},
    {116, "Edit53", 3, D::Unsigned, kAny, "Edit69", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Normal (base)"), T::Resists, 0, 1, QT_TRANSLATE_NOOP("Critter", "Normal:"), nullptr},
    {120, "Edit54", 3, D::Unsigned, kAny, "Edit70", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Laser (base)"), T::Resists, 0, 2, QT_TRANSLATE_NOOP("Critter", "Laser:"), nullptr},
    {124, "Edit55", 3, D::Unsigned, kAny, "Edit71", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Fire (base)"), T::Resists, 0, 3, QT_TRANSLATE_NOOP("Critter", "Fire:"), nullptr},
    {128, "Edit56", 3, D::Unsigned, kAny, "Edit72", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Plasma (base)"), T::Resists, 0, 4, QT_TRANSLATE_NOOP("Critter", "Plasma:"), nullptr},
    {132, "Edit57", 3, D::Unsigned, kAny, "Edit73", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Electrical (base)"), T::Resists, 0, 5, QT_TRANSLATE_NOOP("Critter", "Electrical:"), nullptr},
    {136, "Edit58", 3, D::Unsigned, kAny, "Edit74", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, EMP (base)"), T::Resists, 0, 6, QT_TRANSLATE_NOOP("Critter", "EMP:"), nullptr},
    {140, "Edit59", 3, D::Unsigned, kAny, "Edit75", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Explode (base)"), T::Resists, 0, 7, QT_TRANSLATE_NOOP("Critter", "Explode:"), nullptr},
    {144, "Edit60", 3, D::Unsigned, kAny, "Edit76", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Normal (base)"), T::Resists, 0, 9, QT_TRANSLATE_NOOP("Critter", "Normal:"), "%"},
    {148, "Edit61", 3, D::Unsigned, kAny, "Edit77", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Laser (base)"), T::Resists, 0, 10, QT_TRANSLATE_NOOP("Critter", "Laser:"), "%"},
    {152, "Edit62", 3, D::Unsigned, kAny, "Edit78", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Fire (base)"), T::Resists, 0, 11, QT_TRANSLATE_NOOP("Critter", "Fire:"), "%"},
    {156, "Edit63", 3, D::Unsigned, kAny, "Edit79", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Plasma (base)"), T::Resists, 0, 12, QT_TRANSLATE_NOOP("Critter", "Plasma:"), "%"},
    {160, "Edit64", 3, D::Unsigned, kAny, "Edit80", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Electrical (base)"), T::Resists, 0, 13, QT_TRANSLATE_NOOP("Critter", "Electrical:"), "%"},
    {164, "Edit65", 3, D::Unsigned, kAny, "Edit81", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, EMP (base)"), T::Resists, 0, 14, QT_TRANSLATE_NOOP("Critter", "EMP:"), "%"},
    {168, "Edit67", 3, D::Unsigned, kAny, "Edit82", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Explode (base)"), T::Resists, 0, 15, QT_TRANSLATE_NOOP("Critter", "Explode:"), "%"},
    {172, "Edit68", 3, D::Unsigned, kAny, "Edit83", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Radiation (base)"), T::Resists, 0, 16, QT_TRANSLATE_NOOP("Critter", "Radiation:"), "%"},
    {176, "Edit66", 3, D::Unsigned, kAny, "Edit84", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Poison (base)"), T::Resists, 0, 17, QT_TRANSLATE_NOOP("Critter", "Poison:"), "%"},
    {180, "Edit24", 3, D::Unsigned, kAny, "Edit42", nullptr, QT_TRANSLATE_NOOP("Critter", "Age (base)"), T::Base, 0, 8, QT_TRANSLATE_NOOP("Critter", "Age:"), nullptr},
    {184, "ComboBox5", 0, D::Choice, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Gender (base)"), T::Base, 0, 7, QT_TRANSLATE_NOOP("Critter", "Gender:"), nullptr},

    {188, "Edit35", 2, D::Unsigned, 10, "Edit17", QT_TRANSLATE_NOOP("Critter", "Total Strength = "), QT_TRANSLATE_NOOP("Critter", "Strength (extra)"), T::Extra, 0, 0, QT_TRANSLATE_NOOP("Critter", "Strength:"), nullptr},
    {192, "Edit36", 2, D::Unsigned, 10, "Edit18", QT_TRANSLATE_NOOP("Critter", "Total Perception = "), QT_TRANSLATE_NOOP("Critter", "Perception (extra)"), T::Extra, 0, 1, QT_TRANSLATE_NOOP("Critter", "Perception:"), nullptr},
    {196, "Edit37", 2, D::Unsigned, 10, "Edit19", QT_TRANSLATE_NOOP("Critter", "Total Endurance = "), QT_TRANSLATE_NOOP("Critter", "Endurance (extra)"), T::Extra, 0, 2, QT_TRANSLATE_NOOP("Critter", "Endurance:"), nullptr},
    {200, "Edit38", 2, D::Unsigned, 10, "Edit20", QT_TRANSLATE_NOOP("Critter", "Total Charisma = "), QT_TRANSLATE_NOOP("Critter", "Charisma (extra)"), T::Extra, 0, 3, QT_TRANSLATE_NOOP("Critter", "Charisma:"), nullptr},
    {204, "Edit39", 2, D::Unsigned, 10, "Edit21", QT_TRANSLATE_NOOP("Critter", "Total Intelligence = "), QT_TRANSLATE_NOOP("Critter", "Intelligence (extra)"), T::Extra, 0, 4, QT_TRANSLATE_NOOP("Critter", "Intelligence:"), nullptr},
    {208, "Edit40", 2, D::Unsigned, 10, "Edit22", QT_TRANSLATE_NOOP("Critter", "Total Agility = "), QT_TRANSLATE_NOOP("Critter", "Agility (extra)"), T::Extra, 0, 5, QT_TRANSLATE_NOOP("Critter", "Agility:"), nullptr},
    {212, "Edit41", 2, D::Unsigned, 10, "Edit23", QT_TRANSLATE_NOOP("Critter", "Total Luck = "), QT_TRANSLATE_NOOP("Critter", "Luck (extra)"), T::Extra, 0, 6, QT_TRANSLATE_NOOP("Critter", "Luck:"), nullptr},
    {216, "Edit47", 3, D::SignedBonus, 999, "Edit25", QT_TRANSLATE_NOOP("Critter", "Total Hit Points = "), QT_TRANSLATE_NOOP("Critter", "Hit Points (extra)"), T::Extra, 1, 0, QT_TRANSLATE_NOOP("Critter", "Hit Points:"), nullptr},
    {220, "Edit46", 2, D::SignedBonus, kAny, "Edit26", QT_TRANSLATE_NOOP("Critter", "Total Action Points = "), QT_TRANSLATE_NOOP("Critter", "Action Points (extra)"), T::Extra, 1, 1, QT_TRANSLATE_NOOP("Critter", "Action Points:"), nullptr},
    {224, "Edit52", 3, D::Unsigned, kAny, "Edit34", QT_TRANSLATE_NOOP("Critter", "Total Armor Class = "), QT_TRANSLATE_NOOP("Critter", "Armor Class (extra)"), T::Extra, 1, 2, QT_TRANSLATE_NOOP("Critter", "Armor Class:"), nullptr},
    {228, "Edit45", 3, D::Unsigned, kAny, "Edit27", QT_TRANSLATE_NOOP("Critter", "Total Unarmed Damage = "), QT_TRANSLATE_NOOP("Critter", "Unarmed Damage (extra)"), T::Extra, 1, 3, QT_TRANSLATE_NOOP("Critter", "Unarmed Damage:"), nullptr},
    {232, "Edit44", 3, D::Unsigned, kAny, "Edit28", QT_TRANSLATE_NOOP("Critter", "Total Melee Damage = "), QT_TRANSLATE_NOOP("Critter", "Melee Damage (extra)"), T::Extra, 1, 4, QT_TRANSLATE_NOOP("Critter", "Melee Damage:"), nullptr},
    {236, "Edit43", 3, D::Unsigned, kAny, "Edit29", QT_TRANSLATE_NOOP("Critter", "Total Carry Weight = "), QT_TRANSLATE_NOOP("Critter", "Carry Weight (extra)"), T::Extra, 1, 5, QT_TRANSLATE_NOOP("Critter", "Carry Weight:"), nullptr},
    {240, "Edit50", 2, D::Unsigned, kAny, "Edit32", QT_TRANSLATE_NOOP("Critter", "Total Sequence = "), QT_TRANSLATE_NOOP("Critter", "Sequence (extra)"), T::Extra, 1, 6, QT_TRANSLATE_NOOP("Critter", "Sequence:"), nullptr},
    {244, "Edit51", 2, D::Unsigned, kAny, "Edit33", QT_TRANSLATE_NOOP("Critter", "Total Healing Rate = "), QT_TRANSLATE_NOOP("Critter", "Healing Rate (extra)"), T::Extra, 1, 7, QT_TRANSLATE_NOOP("Critter", "Healing Rate:"), nullptr},
    {248, "Edit48", 3, D::Unsigned, kAny, "Edit30", QT_TRANSLATE_NOOP("Critter", "Total Critical Chance = "), QT_TRANSLATE_NOOP("Critter", "Critical Chance (extra)"), T::Extra, 1, 8, QT_TRANSLATE_NOOP("Critter", "Critical Chance:"), nullptr},
    {252, "Edit49", 3, D::Unsigned, kAny, "Edit31", QT_TRANSLATE_NOOP("Critter", "Total Better Criticals = "), QT_TRANSLATE_NOOP("Critter", "Better Criticals (extra)"), T::Extra, 1, 9, QT_TRANSLATE_NOOP("Critter", "Better Criticals:"), nullptr},
    {256, "Edit69", 3, D::Unsigned, kAny, "Edit53", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Normal (extra)"), T::Resists, 1, 1, QT_TRANSLATE_NOOP("Critter", "Normal:"), nullptr},
    {260, "Edit70", 3, D::Unsigned, kAny, "Edit54", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Laser (extra)"), T::Resists, 1, 2, QT_TRANSLATE_NOOP("Critter", "Laser:"), nullptr},
    {264, "Edit71", 3, D::Unsigned, kAny, "Edit55", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Fire (extra)"), T::Resists, 1, 3, QT_TRANSLATE_NOOP("Critter", "Fire:"), nullptr},
    {268, "Edit72", 3, D::Unsigned, kAny, "Edit56", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Plasma (extra)"), T::Resists, 1, 4, QT_TRANSLATE_NOOP("Critter", "Plasma:"), nullptr},
    {272, "Edit73", 3, D::Unsigned, kAny, "Edit57", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Electrical (extra)"), T::Resists, 1, 5, QT_TRANSLATE_NOOP("Critter", "Electrical:"), nullptr},
    {276, "Edit74", 3, D::Unsigned, kAny, "Edit58", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, EMP (extra)"), T::Resists, 1, 6, QT_TRANSLATE_NOOP("Critter", "EMP:"), nullptr},
    {280, "Edit75", 3, D::Unsigned, kAny, "Edit59", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Explode (extra)"), T::Resists, 1, 7, QT_TRANSLATE_NOOP("Critter", "Explode:"), nullptr},
    {284, "Edit76", 3, D::Unsigned, kAny, "Edit60", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Normal (extra)"), T::Resists, 1, 9, QT_TRANSLATE_NOOP("Critter", "Normal:"), "%"},
    {288, "Edit77", 3, D::Unsigned, kAny, "Edit61", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Laser (extra)"), T::Resists, 1, 10, QT_TRANSLATE_NOOP("Critter", "Laser:"), "%"},
    {292, "Edit78", 3, D::Unsigned, kAny, "Edit62", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Fire (extra)"), T::Resists, 1, 11, QT_TRANSLATE_NOOP("Critter", "Fire:"), "%"},
    {296, "Edit79", 3, D::Unsigned, kAny, "Edit63", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Plasma (extra)"), T::Resists, 1, 12, QT_TRANSLATE_NOOP("Critter", "Plasma:"), "%"},
    {300, "Edit80", 3, D::Unsigned, kAny, "Edit64", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Electrical (extra)"), T::Resists, 1, 13, QT_TRANSLATE_NOOP("Critter", "Electrical:"), "%"},
    {304, "Edit81", 3, D::Unsigned, kAny, "Edit65", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, EMP (extra)"), T::Resists, 1, 14, QT_TRANSLATE_NOOP("Critter", "EMP:"), "%"},
    {308, "Edit82", 3, D::Unsigned, kAny, "Edit67", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Explode (extra)"), T::Resists, 1, 15, QT_TRANSLATE_NOOP("Critter", "Explode:"), "%"},
    {312, "Edit83", 3, D::Unsigned, kAny, "Edit68", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Radiation (extra)"), T::Resists, 1, 16, QT_TRANSLATE_NOOP("Critter", "Radiation:"), "%"},
    {316, "Edit84", 3, D::Unsigned, kAny, "Edit66", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Poison (extra)"), T::Resists, 1, 17, QT_TRANSLATE_NOOP("Critter", "Poison:"), "%"},
    {320, "Edit42", 3, D::Unsigned, kAny, "Edit24", nullptr, QT_TRANSLATE_NOOP("Critter", "Age (extra)"), T::Extra, 0, 8, QT_TRANSLATE_NOOP("Critter", "Age:"), nullptr},
    {324, "ComboBox6", 0, D::Choice, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Gender (extra)"), T::Extra, 0, 7, QT_TRANSLATE_NOOP("Critter", "Gender:"), nullptr},

    {328, "Edit85", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Small Guns"), T::Skills, 0, 0, QT_TRANSLATE_NOOP("Critter", "Small Guns:"), "%"},
    {332, "Edit86", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Big Guns"), T::Skills, 0, 1, QT_TRANSLATE_NOOP("Critter", "Big Guns:"), "%"},
    {336, "Edit87", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Energy Weapons"), T::Skills, 0, 2, QT_TRANSLATE_NOOP("Critter", "Energy Weapons:"), "%"},
    {340, "Edit88", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Unarmed"), T::Skills, 0, 3, QT_TRANSLATE_NOOP("Critter", "Unarmed:"), "%"},
    {344, "Edit89", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Melee Weapons"), T::Skills, 0, 4, QT_TRANSLATE_NOOP("Critter", "Melee Weapons:"), "%"},
    {348, "Edit90", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Throwing"), T::Skills, 0, 5, QT_TRANSLATE_NOOP("Critter", "Throwing:"), "%"},
    {352, "Edit91", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "First Aid"), T::Skills, 0, 6, QT_TRANSLATE_NOOP("Critter", "First Aid:"), "%"},
    {356, "Edit92", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Doctor"), T::Skills, 0, 7, QT_TRANSLATE_NOOP("Critter", "Doctor:"), "%"},
    {360, "Edit93", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Sneak"), T::Skills, 0, 8, QT_TRANSLATE_NOOP("Critter", "Sneak:"), "%"},
    {364, "Edit94", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Lockpick"), T::Skills, 1, 0, QT_TRANSLATE_NOOP("Critter", "Lockpick:"), "%"},
    {368, "Edit95", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Steal"), T::Skills, 1, 1, QT_TRANSLATE_NOOP("Critter", "Steal:"), "%"},
    {372, "Edit96", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Traps"), T::Skills, 1, 2, QT_TRANSLATE_NOOP("Critter", "Traps:"), "%"},
    {376, "Edit97", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Science"), T::Skills, 1, 3, QT_TRANSLATE_NOOP("Critter", "Science:"), "%"},
    {380, "Edit98", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Repair"), T::Skills, 1, 4, QT_TRANSLATE_NOOP("Critter", "Repair:"), "%"},
    {384, "Edit99", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Speech"), T::Skills, 1, 5, QT_TRANSLATE_NOOP("Critter", "Speech:"), "%"},
    {388, "Edit100", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Barter"), T::Skills, 1, 6, QT_TRANSLATE_NOOP("Critter", "Barter:"), "%"},
    {392, "Edit101", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Gambling"), T::Skills, 1, 7, QT_TRANSLATE_NOOP("Critter", "Gambling:"), "%"},
    {396, "Edit102", 3, D::Unsigned, 300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Outdoorsman"), T::Skills, 1, 8, QT_TRANSLATE_NOOP("Critter", "Outdoorsman:"), "%"},

    // The flag words' boxes are built and placed with their check boxes.
    {24, "Edit111", 8, D::HexFlags, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Flags for Use"), T::Other, -1, 0, nullptr, nullptr},
    {44, "Edit112", 8, D::HexFlags, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Individual Flags"), T::Other, -1, 0, nullptr, nullptr},
    {412, "Edit110", 0, D::DamageCode, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Critter's damage type"), T::Other, 1, 2, QT_TRANSLATE_NOOP("Critter", "Critter's Damage Type:"), nullptr},
    {12, "Edit105", 0, D::Unsigned, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Glow distance"), T::Other, 0, 0, QT_TRANSLATE_NOOP("Critter", "Glow Distance:"), nullptr},
    {16, "Edit106", 0, D::Percent, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Glow intensity, percent"), T::Other, 0, 1, QT_TRANSLATE_NOOP("Critter", "Glow Intencity:"), "%"},
    {36, "Edit108", 0, D::Choice, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "AI packet number"), T::Other, 1, 0, QT_TRANSLATE_NOOP("Critter", "AI Packet Num:"), nullptr},
    {40, "Edit109", 0, D::Unsigned, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Team"), T::Other, 1, 1, QT_TRANSLATE_NOOP("Critter", "Team:"), nullptr},
    {32, "Edit107", 8, D::HeadNumber, kNo, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Talking head number"), T::Other, 0, 2, QT_TRANSLATE_NOOP("Critter", "Talking Head #:"), nullptr},
};
// clang-format on

int widthOf(Display d) {
    return d == D::BodyType || d == D::KillType ? 1 : 4;
}

std::vector<RecordRow> build() {
    std::vector<RecordRow> rows;
    for (const Entry& e : kEntries) {
        RecordRow r;
        r.offset = e.offset;
        r.width = widthOf(e.display);
        r.name = QString::fromUtf8(e.name);
        r.display = e.display;
        r.control = QLatin1String(e.control);
        r.place = {int(e.tab), e.column, e.line, e.caption, e.suffix, e.tip, e.maxLength};
        // The AI packet is a number the game names in data/ai.txt; the other lists are the
        // genders.
        if (e.display == D::Choice)
            r.choices = e.offset == 36 ? Choices::AiPacket : Choices::Gender;
        if (e.display == D::BodyType || e.display == D::KillType)
            r.place.nameBox = e.partner;
        if (e.bound != kNo) {
            r.check = RowCheck::Total;
            r.bound = e.bound;
            for (const Entry& p : kEntries)
                if (e.partner && QLatin1String(p.control) == QLatin1String(e.partner))
                    r.partner = p.offset;
        }
        rows.push_back(r);
    }
    return rows;
}

} // namespace

const std::vector<RecordRow>& critterPageRows() {
    static const std::vector<RecordRow> rows = build();
    return rows;
}

} // namespace zantrel

#include "critterfields.h"

#include "core/numbers.h"
#include "core/usererror.h"

#include <limits>

namespace zantrel {

namespace {

using S = Shown;
using C = Check;
using T = CritterTab;

// clang-format off
const std::vector<CritterField> kFields = {
    // offset, control, length, shown, check, partner, tip, accessible name, tab, column, row, caption, suffix
    {403, "ComboBox3", 0, S::BodyType, C::None, "Edit7", nullptr, QT_TRANSLATE_NOOP("Critter", "Body type"), T::General, 0, 0, QT_TRANSLATE_NOOP("Critter", "Body Type:"), nullptr},
    {411, "ComboBox4", 0, S::KillType, C::None, "Edit8", nullptr, QT_TRANSLATE_NOOP("Critter", "Kill type"), T::General, 0, 1, QT_TRANSLATE_NOOP("Critter", "Kill Type:"), nullptr},
    {404, "Edit103", 0, S::Unsigned, C::Any, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Experience for killing"), T::General, 0, 2, QT_TRANSLATE_NOOP("Critter", "Expirience:"), nullptr},

    {48, "Edit17", 2, S::Unsigned, C::Max10, "Edit35", QT_TRANSLATE_NOOP("Critter", "Total Strength = "), QT_TRANSLATE_NOOP("Critter", "Strength (base)"), T::Base, 0, 0, QT_TRANSLATE_NOOP("Critter", "Strength:"), nullptr},
    {52, "Edit18", 2, S::Unsigned, C::Max10, "Edit36", QT_TRANSLATE_NOOP("Critter", "Total Perception = "), QT_TRANSLATE_NOOP("Critter", "Perception (base)"), T::Base, 0, 1, QT_TRANSLATE_NOOP("Critter", "Perception:"), nullptr},
    {56, "Edit19", 2, S::Unsigned, C::Max10, "Edit37", QT_TRANSLATE_NOOP("Critter", "Total Endurance = "), QT_TRANSLATE_NOOP("Critter", "Endurance (base)"), T::Base, 0, 2, QT_TRANSLATE_NOOP("Critter", "Endurance:"), nullptr},
    {60, "Edit20", 2, S::Unsigned, C::Max10, "Edit38", QT_TRANSLATE_NOOP("Critter", "Total Charisma = "), QT_TRANSLATE_NOOP("Critter", "Charisma (base)"), T::Base, 0, 3, QT_TRANSLATE_NOOP("Critter", "Charisma:"), nullptr},
    {64, "Edit21", 2, S::Unsigned, C::Max10, "Edit39", QT_TRANSLATE_NOOP("Critter", "Total Intelligence = "), QT_TRANSLATE_NOOP("Critter", "Intelligence (base)"), T::Base, 0, 4, QT_TRANSLATE_NOOP("Critter", "Intelligence:"), nullptr},
    {68, "Edit22", 2, S::Unsigned, C::Max10, "Edit40", QT_TRANSLATE_NOOP("Critter", "Total Agility = "), QT_TRANSLATE_NOOP("Critter", "Agility (base)"), T::Base, 0, 5, QT_TRANSLATE_NOOP("Critter", "Agility:"), nullptr},
    {72, "Edit23", 2, S::Unsigned, C::Max10, "Edit41", QT_TRANSLATE_NOOP("Critter", "Total Luck = "), QT_TRANSLATE_NOOP("Critter", "Luck (base)"), T::Base, 0, 6, QT_TRANSLATE_NOOP("Critter", "Luck:"), nullptr},
    // A change of the base hit points only tests the total for 0 or more; the extra side
    // also tests it for at most 999.
    {76, "Edit25", 3, S::Unsigned, C::Any, "Edit47", QT_TRANSLATE_NOOP("Critter", "Total Hit Points = "), QT_TRANSLATE_NOOP("Critter", "Hit Points (base)"), T::Base, 1, 0, QT_TRANSLATE_NOOP("Critter", "Hit Points:"), nullptr},
    {80, "Edit26", 2, S::Unsigned, C::Any, "Edit46", QT_TRANSLATE_NOOP("Critter", "Total Action Points = "), QT_TRANSLATE_NOOP("Critter", "Action Points (base)"), T::Base, 1, 1, QT_TRANSLATE_NOOP("Critter", "Action Points:"), nullptr},
    {84, "Edit34", 3, S::Unsigned, C::Any, "Edit52", QT_TRANSLATE_NOOP("Critter", "Total Armor Class = "), QT_TRANSLATE_NOOP("Critter", "Armor Class (base)"), T::Base, 1, 2, QT_TRANSLATE_NOOP("Critter", "Armor Class:"), nullptr},
    {88, "Edit27", 3, S::Unsigned, C::Any, "Edit45", QT_TRANSLATE_NOOP("Critter", "Total Unarmed Damage = "), QT_TRANSLATE_NOOP("Critter", "Unarmed Damage (base)"), T::Base, 1, 3, QT_TRANSLATE_NOOP("Critter", "Unarmed Damage:"), nullptr},
    {92, "Edit28", 3, S::Unsigned, C::Any, "Edit44", QT_TRANSLATE_NOOP("Critter", "Total Melee Damage = "), QT_TRANSLATE_NOOP("Critter", "Melee Damage (base)"), T::Base, 1, 4, QT_TRANSLATE_NOOP("Critter", "Melee Damage:"), nullptr},
    {96, "Edit29", 3, S::Unsigned, C::Any, "Edit43", QT_TRANSLATE_NOOP("Critter", "Total Carry Weight = "), QT_TRANSLATE_NOOP("Critter", "Carry Weight (base)"), T::Base, 1, 5, QT_TRANSLATE_NOOP("Critter", "Carry Weight:"), nullptr},
    {100, "Edit32", 2, S::Unsigned, C::Any, "Edit50", QT_TRANSLATE_NOOP("Critter", "Total Sequence = "), QT_TRANSLATE_NOOP("Critter", "Sequence (base)"), T::Base, 1, 6, QT_TRANSLATE_NOOP("Critter", "Sequence:"), nullptr},
    {104, "Edit33", 2, S::Unsigned, C::Any, "Edit51", QT_TRANSLATE_NOOP("Critter", "Total Healing Rate = "), QT_TRANSLATE_NOOP("Critter", "Healing Rate (base)"), T::Base, 1, 7, QT_TRANSLATE_NOOP("Critter", "Healing Rate:"), nullptr},
    {108, "Edit30", 3, S::Unsigned, C::Any, "Edit48", QT_TRANSLATE_NOOP("Critter", "Total Critical Chance = "), QT_TRANSLATE_NOOP("Critter", "Critical Chance (base)"), T::Base, 1, 8, QT_TRANSLATE_NOOP("Critter", "Critical Chance:"), nullptr},
    {112, "Edit31", 3, S::Unsigned, C::Any, "Edit49", QT_TRANSLATE_NOOP("Critter", "Total Better Criticals = "), QT_TRANSLATE_NOOP("Critter", "Better Criticals (base)"), T::Base, 1, 9, QT_TRANSLATE_NOOP("Critter", "Better Criticals:"), nullptr},
    {116, "Edit53", 3, S::Unsigned, C::Any, "Edit69", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Normal (base)"), T::Resists, 0, 1, QT_TRANSLATE_NOOP("Critter", "Normal:"), nullptr},
    {120, "Edit54", 3, S::Unsigned, C::Any, "Edit70", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Laser (base)"), T::Resists, 0, 2, QT_TRANSLATE_NOOP("Critter", "Laser:"), nullptr},
    {124, "Edit55", 3, S::Unsigned, C::Any, "Edit71", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Fire (base)"), T::Resists, 0, 3, QT_TRANSLATE_NOOP("Critter", "Fire:"), nullptr},
    {128, "Edit56", 3, S::Unsigned, C::Any, "Edit72", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Plasma (base)"), T::Resists, 0, 4, QT_TRANSLATE_NOOP("Critter", "Plasma:"), nullptr},
    {132, "Edit57", 3, S::Unsigned, C::Any, "Edit73", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Electrical (base)"), T::Resists, 0, 5, QT_TRANSLATE_NOOP("Critter", "Electrical:"), nullptr},
    {136, "Edit58", 3, S::Unsigned, C::Any, "Edit74", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, EMP (base)"), T::Resists, 0, 6, QT_TRANSLATE_NOOP("Critter", "EMP:"), nullptr},
    {140, "Edit59", 3, S::Unsigned, C::Any, "Edit75", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Explode (base)"), T::Resists, 0, 7, QT_TRANSLATE_NOOP("Critter", "Explode:"), nullptr},
    {144, "Edit60", 3, S::Unsigned, C::Any, "Edit76", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Normal (base)"), T::Resists, 0, 9, QT_TRANSLATE_NOOP("Critter", "Normal:"), "%"},
    {148, "Edit61", 3, S::Unsigned, C::Any, "Edit77", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Laser (base)"), T::Resists, 0, 10, QT_TRANSLATE_NOOP("Critter", "Laser:"), "%"},
    {152, "Edit62", 3, S::Unsigned, C::Any, "Edit78", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Fire (base)"), T::Resists, 0, 11, QT_TRANSLATE_NOOP("Critter", "Fire:"), "%"},
    {156, "Edit63", 3, S::Unsigned, C::Any, "Edit79", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Plasma (base)"), T::Resists, 0, 12, QT_TRANSLATE_NOOP("Critter", "Plasma:"), "%"},
    {160, "Edit64", 3, S::Unsigned, C::Any, "Edit80", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Electrical (base)"), T::Resists, 0, 13, QT_TRANSLATE_NOOP("Critter", "Electrical:"), "%"},
    {164, "Edit65", 3, S::Unsigned, C::Any, "Edit81", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, EMP (base)"), T::Resists, 0, 14, QT_TRANSLATE_NOOP("Critter", "EMP:"), "%"},
    {168, "Edit67", 3, S::Unsigned, C::Any, "Edit82", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Explode (base)"), T::Resists, 0, 15, QT_TRANSLATE_NOOP("Critter", "Explode:"), "%"},
    {172, "Edit68", 3, S::Unsigned, C::Any, "Edit83", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Radiation (base)"), T::Resists, 0, 16, QT_TRANSLATE_NOOP("Critter", "Radiation:"), "%"},
    {176, "Edit66", 3, S::Unsigned, C::Any, "Edit84", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Poison (base)"), T::Resists, 0, 17, QT_TRANSLATE_NOOP("Critter", "Poison:"), "%"},
    {180, "Edit24", 3, S::Unsigned, C::Any, "Edit42", nullptr, QT_TRANSLATE_NOOP("Critter", "Age (base)"), T::Base, 0, 8, QT_TRANSLATE_NOOP("Critter", "Age:"), nullptr},
    {184, "ComboBox5", 0, S::Choice, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Gender (base)"), T::Base, 0, 7, QT_TRANSLATE_NOOP("Critter", "Gender:"), nullptr},

    {188, "Edit35", 2, S::Unsigned, C::Max10, "Edit17", QT_TRANSLATE_NOOP("Critter", "Total Strength = "), QT_TRANSLATE_NOOP("Critter", "Strength (extra)"), T::Extra, 0, 0, QT_TRANSLATE_NOOP("Critter", "Strength:"), nullptr},
    {192, "Edit36", 2, S::Unsigned, C::Max10, "Edit18", QT_TRANSLATE_NOOP("Critter", "Total Perception = "), QT_TRANSLATE_NOOP("Critter", "Perception (extra)"), T::Extra, 0, 1, QT_TRANSLATE_NOOP("Critter", "Perception:"), nullptr},
    {196, "Edit37", 2, S::Unsigned, C::Max10, "Edit19", QT_TRANSLATE_NOOP("Critter", "Total Endurance = "), QT_TRANSLATE_NOOP("Critter", "Endurance (extra)"), T::Extra, 0, 2, QT_TRANSLATE_NOOP("Critter", "Endurance:"), nullptr},
    {200, "Edit38", 2, S::Unsigned, C::Max10, "Edit20", QT_TRANSLATE_NOOP("Critter", "Total Charisma = "), QT_TRANSLATE_NOOP("Critter", "Charisma (extra)"), T::Extra, 0, 3, QT_TRANSLATE_NOOP("Critter", "Charisma:"), nullptr},
    {204, "Edit39", 2, S::Unsigned, C::Max10, "Edit21", QT_TRANSLATE_NOOP("Critter", "Total Intelligence = "), QT_TRANSLATE_NOOP("Critter", "Intelligence (extra)"), T::Extra, 0, 4, QT_TRANSLATE_NOOP("Critter", "Intelligence:"), nullptr},
    {208, "Edit40", 2, S::Unsigned, C::Max10, "Edit22", QT_TRANSLATE_NOOP("Critter", "Total Agility = "), QT_TRANSLATE_NOOP("Critter", "Agility (extra)"), T::Extra, 0, 5, QT_TRANSLATE_NOOP("Critter", "Agility:"), nullptr},
    {212, "Edit41", 2, S::Unsigned, C::Max10, "Edit23", QT_TRANSLATE_NOOP("Critter", "Total Luck = "), QT_TRANSLATE_NOOP("Critter", "Luck (extra)"), T::Extra, 0, 6, QT_TRANSLATE_NOOP("Critter", "Luck:"), nullptr},
    {216, "Edit47", 3, S::SignedBonus, C::Max999, "Edit25", QT_TRANSLATE_NOOP("Critter", "Total Hit Points = "), QT_TRANSLATE_NOOP("Critter", "Hit Points (extra)"), T::Extra, 1, 0, QT_TRANSLATE_NOOP("Critter", "Hit Points:"), nullptr},
    {220, "Edit46", 2, S::SignedBonus, C::Any, "Edit26", QT_TRANSLATE_NOOP("Critter", "Total Action Points = "), QT_TRANSLATE_NOOP("Critter", "Action Points (extra)"), T::Extra, 1, 1, QT_TRANSLATE_NOOP("Critter", "Action Points:"), nullptr},
    {224, "Edit52", 3, S::Unsigned, C::Any, "Edit34", QT_TRANSLATE_NOOP("Critter", "Total Armor Class = "), QT_TRANSLATE_NOOP("Critter", "Armor Class (extra)"), T::Extra, 1, 2, QT_TRANSLATE_NOOP("Critter", "Armor Class:"), nullptr},
    {228, "Edit45", 3, S::Unsigned, C::Any, "Edit27", QT_TRANSLATE_NOOP("Critter", "Total Unarmed Damage = "), QT_TRANSLATE_NOOP("Critter", "Unarmed Damage (extra)"), T::Extra, 1, 3, QT_TRANSLATE_NOOP("Critter", "Unarmed Damage:"), nullptr},
    {232, "Edit44", 3, S::Unsigned, C::Any, "Edit28", QT_TRANSLATE_NOOP("Critter", "Total Melee Damage = "), QT_TRANSLATE_NOOP("Critter", "Melee Damage (extra)"), T::Extra, 1, 4, QT_TRANSLATE_NOOP("Critter", "Melee Damage:"), nullptr},
    {236, "Edit43", 3, S::Unsigned, C::Any, "Edit29", QT_TRANSLATE_NOOP("Critter", "Total Carry Weight = "), QT_TRANSLATE_NOOP("Critter", "Carry Weight (extra)"), T::Extra, 1, 5, QT_TRANSLATE_NOOP("Critter", "Carry Weight:"), nullptr},
    {240, "Edit50", 2, S::Unsigned, C::Any, "Edit32", QT_TRANSLATE_NOOP("Critter", "Total Sequence = "), QT_TRANSLATE_NOOP("Critter", "Sequence (extra)"), T::Extra, 1, 6, QT_TRANSLATE_NOOP("Critter", "Sequence:"), nullptr},
    {244, "Edit51", 2, S::Unsigned, C::Any, "Edit33", QT_TRANSLATE_NOOP("Critter", "Total Healing Rate = "), QT_TRANSLATE_NOOP("Critter", "Healing Rate (extra)"), T::Extra, 1, 7, QT_TRANSLATE_NOOP("Critter", "Healing Rate:"), nullptr},
    {248, "Edit48", 3, S::Unsigned, C::Any, "Edit30", QT_TRANSLATE_NOOP("Critter", "Total Critical Chance = "), QT_TRANSLATE_NOOP("Critter", "Critical Chance (extra)"), T::Extra, 1, 8, QT_TRANSLATE_NOOP("Critter", "Critical Chance:"), nullptr},
    {252, "Edit49", 3, S::Unsigned, C::Any, "Edit31", QT_TRANSLATE_NOOP("Critter", "Total Better Criticals = "), QT_TRANSLATE_NOOP("Critter", "Better Criticals (extra)"), T::Extra, 1, 9, QT_TRANSLATE_NOOP("Critter", "Better Criticals:"), nullptr},
    {256, "Edit69", 3, S::Unsigned, C::Any, "Edit53", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Normal (extra)"), T::Resists, 1, 1, QT_TRANSLATE_NOOP("Critter", "Normal:"), nullptr},
    {260, "Edit70", 3, S::Unsigned, C::Any, "Edit54", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Laser (extra)"), T::Resists, 1, 2, QT_TRANSLATE_NOOP("Critter", "Laser:"), nullptr},
    {264, "Edit71", 3, S::Unsigned, C::Any, "Edit55", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Fire (extra)"), T::Resists, 1, 3, QT_TRANSLATE_NOOP("Critter", "Fire:"), nullptr},
    {268, "Edit72", 3, S::Unsigned, C::Any, "Edit56", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Plasma (extra)"), T::Resists, 1, 4, QT_TRANSLATE_NOOP("Critter", "Plasma:"), nullptr},
    {272, "Edit73", 3, S::Unsigned, C::Any, "Edit57", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Electrical (extra)"), T::Resists, 1, 5, QT_TRANSLATE_NOOP("Critter", "Electrical:"), nullptr},
    {276, "Edit74", 3, S::Unsigned, C::Any, "Edit58", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, EMP (extra)"), T::Resists, 1, 6, QT_TRANSLATE_NOOP("Critter", "EMP:"), nullptr},
    {280, "Edit75", 3, S::Unsigned, C::Any, "Edit59", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage threshold, Explode (extra)"), T::Resists, 1, 7, QT_TRANSLATE_NOOP("Critter", "Explode:"), nullptr},
    {284, "Edit76", 3, S::Unsigned, C::Any, "Edit60", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Normal (extra)"), T::Resists, 1, 9, QT_TRANSLATE_NOOP("Critter", "Normal:"), "%"},
    {288, "Edit77", 3, S::Unsigned, C::Any, "Edit61", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Laser (extra)"), T::Resists, 1, 10, QT_TRANSLATE_NOOP("Critter", "Laser:"), "%"},
    {292, "Edit78", 3, S::Unsigned, C::Any, "Edit62", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Fire (extra)"), T::Resists, 1, 11, QT_TRANSLATE_NOOP("Critter", "Fire:"), "%"},
    {296, "Edit79", 3, S::Unsigned, C::Any, "Edit63", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Plasma (extra)"), T::Resists, 1, 12, QT_TRANSLATE_NOOP("Critter", "Plasma:"), "%"},
    {300, "Edit80", 3, S::Unsigned, C::Any, "Edit64", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Electrical (extra)"), T::Resists, 1, 13, QT_TRANSLATE_NOOP("Critter", "Electrical:"), "%"},
    {304, "Edit81", 3, S::Unsigned, C::Any, "Edit65", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, EMP (extra)"), T::Resists, 1, 14, QT_TRANSLATE_NOOP("Critter", "EMP:"), "%"},
    {308, "Edit82", 3, S::Unsigned, C::Any, "Edit67", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Explode (extra)"), T::Resists, 1, 15, QT_TRANSLATE_NOOP("Critter", "Explode:"), "%"},
    {312, "Edit83", 3, S::Unsigned, C::Any, "Edit68", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Radiation (extra)"), T::Resists, 1, 16, QT_TRANSLATE_NOOP("Critter", "Radiation:"), "%"},
    {316, "Edit84", 3, S::Unsigned, C::Any, "Edit66", nullptr, QT_TRANSLATE_NOOP("Critter", "Damage resistance, Poison (extra)"), T::Resists, 1, 17, QT_TRANSLATE_NOOP("Critter", "Poison:"), "%"},
    {320, "Edit42", 3, S::Unsigned, C::Any, "Edit24", nullptr, QT_TRANSLATE_NOOP("Critter", "Age (extra)"), T::Extra, 0, 8, QT_TRANSLATE_NOOP("Critter", "Age:"), nullptr},
    {324, "ComboBox6", 0, S::Choice, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Gender (extra)"), T::Extra, 0, 7, QT_TRANSLATE_NOOP("Critter", "Gender:"), nullptr},

    {328, "Edit85", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Small Guns"), T::Skills, 0, 0, QT_TRANSLATE_NOOP("Critter", "Small Guns:"), "%"},
    {332, "Edit86", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Big Guns"), T::Skills, 0, 1, QT_TRANSLATE_NOOP("Critter", "Big Guns:"), "%"},
    {336, "Edit87", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Energy Weapons"), T::Skills, 0, 2, QT_TRANSLATE_NOOP("Critter", "Energy Weapons:"), "%"},
    {340, "Edit88", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Unarmed"), T::Skills, 0, 3, QT_TRANSLATE_NOOP("Critter", "Unarmed:"), "%"},
    {344, "Edit89", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Melee Weapons"), T::Skills, 0, 4, QT_TRANSLATE_NOOP("Critter", "Melee Weapons:"), "%"},
    {348, "Edit90", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Throwing"), T::Skills, 0, 5, QT_TRANSLATE_NOOP("Critter", "Throwing:"), "%"},
    {352, "Edit91", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "First Aid"), T::Skills, 0, 6, QT_TRANSLATE_NOOP("Critter", "First Aid:"), "%"},
    {356, "Edit92", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Doctor"), T::Skills, 0, 7, QT_TRANSLATE_NOOP("Critter", "Doctor:"), "%"},
    {360, "Edit93", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Sneak"), T::Skills, 0, 8, QT_TRANSLATE_NOOP("Critter", "Sneak:"), "%"},
    {364, "Edit94", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Lockpick"), T::Skills, 1, 0, QT_TRANSLATE_NOOP("Critter", "Lockpick:"), "%"},
    {368, "Edit95", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Steal"), T::Skills, 1, 1, QT_TRANSLATE_NOOP("Critter", "Steal:"), "%"},
    {372, "Edit96", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Traps"), T::Skills, 1, 2, QT_TRANSLATE_NOOP("Critter", "Traps:"), "%"},
    {376, "Edit97", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Science"), T::Skills, 1, 3, QT_TRANSLATE_NOOP("Critter", "Science:"), "%"},
    {380, "Edit98", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Repair"), T::Skills, 1, 4, QT_TRANSLATE_NOOP("Critter", "Repair:"), "%"},
    {384, "Edit99", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Speech"), T::Skills, 1, 5, QT_TRANSLATE_NOOP("Critter", "Speech:"), "%"},
    {388, "Edit100", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Barter"), T::Skills, 1, 6, QT_TRANSLATE_NOOP("Critter", "Barter:"), "%"},
    {392, "Edit101", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Gambling"), T::Skills, 1, 7, QT_TRANSLATE_NOOP("Critter", "Gambling:"), "%"},
    {396, "Edit102", 3, S::Unsigned, C::Max300, "Edit117", nullptr, QT_TRANSLATE_NOOP("Critter", "Outdoorsman"), T::Skills, 1, 8, QT_TRANSLATE_NOOP("Critter", "Outdoorsman:"), "%"},

    // The flag words' boxes are built and placed with their check boxes.
    {24, "Edit111", 8, S::HexFlags, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Flags for Use"), T::Other, -1, 0, nullptr, nullptr},
    {44, "Edit112", 8, S::HexFlags, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Individual Flags"), T::Other, -1, 0, nullptr, nullptr},
    {412, "Edit110", 0, S::DamageCode, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Critter's damage type"), T::Other, 1, 2, QT_TRANSLATE_NOOP("Critter", "Critter's Damage Type:"), nullptr},
    {12, "Edit105", 0, S::Unsigned, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Glow distance"), T::Other, 0, 0, QT_TRANSLATE_NOOP("Critter", "Glow Distance:"), nullptr},
    {16, "Edit106", 0, S::Percent, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Glow intensity, percent"), T::Other, 0, 1, QT_TRANSLATE_NOOP("Critter", "Glow Intencity:"), "%"},
    {36, "Edit108", 0, S::Unsigned, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "AI packet number"), T::Other, 1, 0, QT_TRANSLATE_NOOP("Critter", "AI Packet Num:"), nullptr},
    {40, "Edit109", 0, S::Unsigned, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Team"), T::Other, 1, 1, QT_TRANSLATE_NOOP("Critter", "Team:"), nullptr},
    {32, "Edit107", 8, S::HeadNumber, C::None, nullptr, nullptr, QT_TRANSLATE_NOOP("Critter", "Talking head number"), T::Other, 0, 2, QT_TRANSLATE_NOOP("Critter", "Talking Head #:"), nullptr},
};
// clang-format on

const std::uint32_t kBonusFloor = 0xFFFFFF00u; // -256 as a 32-bit pattern

QString hex8(std::uint32_t value) {
    return hexText(value, 8);
}

bool isHexDigits(const QString& text) {
    for (QChar c : text)
        if (!isHexDigit(c))
            return false;
    return !text.isEmpty();
}

// n / d to the nearest whole number, an exact half to the even neighbour; d > 0.
std::int64_t divideHalfEven(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) { // floor division, so the remainder lies in 0 .. d - 1
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && (q & 1)))
        ++q;
    return q;
}

} // namespace

const std::vector<CritterField>& critterFields() {
    return kFields;
}

const CritterField* critterField(const QString& control) {
    for (const CritterField& f : kFields)
        if (control == QLatin1String(f.control))
            return &f;
    return nullptr;
}

int fieldWidth(Shown shown) {
    return shown == Shown::BodyType || shown == Shown::KillType ? 1 : 4;
}

int checkBound(Check check) {
    switch (check) {
    case Check::Max10:
        return 10;
    case Check::Max300:
        return 300;
    case Check::Max999:
        return 999;
    default:
        return -1;
    }
}

std::int64_t percentOfStored(std::uint32_t stored) {
    return divideHalfEven(std::int64_t(stored) * 100, 65536);
}

std::int64_t storedOfPercent(std::int32_t percent) {
    return divideHalfEven(std::int64_t(percent) * 65536, 100);
}

QString showValue(Shown shown, std::uint32_t stored) {
    switch (shown) {
    case Shown::SignedBonus:
        if (stored >= kBonusFloor)
            return QString::number(std::int64_t(stored) - (std::int64_t(1) << 32));
        return QString::number(stored);
    case Shown::HexFlags:
        return hex8(stored);
    case Shown::HeadNumber:
        return stored == 0xFFFFFFFFu ? QStringLiteral("-1") : hex8(stored);
    case Shown::Percent:
        return QString::number(percentOfStored(stored));
    case Shown::BodyType:
        return QString::number(400 + (stored & 0xFF));
    case Shown::KillType:
        return QString::number(1450 + (stored & 0xFF));
    case Shown::DamageCode:
        return QString::number(stored).rightJustified(2, QLatin1Char('0'));
    case Shown::Choice:
    case Shown::Unsigned:
        break;
    }
    return QString::number(stored);
}

QString storeValue(Shown shown, const QString& text) {
    switch (shown) {
    case Shown::HexFlags:
        if (text.size() != 8 || !isHexDigits(text))
            throw UserError(QStringLiteral("'%1' is not a valid flag word: eight hexadecimal "
                                           "digits are needed")
                                .arg(text));
        return text.toUpper();
    case Shown::HeadNumber:
        if (text == QLatin1String("-1"))
            return QStringLiteral("FFFFFFFF");
        if (text.size() > 8 || !isHexDigits(text))
            throw UserError(QStringLiteral("'%1' is not a valid talking head number: type -1 "
                                           "for none, or up to eight hexadecimal digits")
                                .arg(text));
        return text.toUpper().rightJustified(8, QLatin1Char('0'));
    case Shown::Percent: {
        const std::int64_t stored = storedOfPercent(strToInt(text));
        // Every 32-bit pattern can be reached, read as signed or as unsigned; beyond that
        // the value would be cut short without a word.
        if (stored < std::numeric_limits<std::int32_t>::min() ||
            stored > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
            throw UserError(QStringLiteral("'%1' is not a valid glow intensity: it must lie "
                                           "within -3276800 .. 6553599")
                                .arg(text));
        return hex8(std::uint32_t(stored));
    }
    case Shown::BodyType:
    case Shown::KillType: {
        const std::int32_t first = shown == Shown::BodyType ? 400 : 1450;
        const std::int32_t n = strToInt(text);
        // Only one byte is stored: a number the byte cannot give back is refused.
        if (n < first || n > first + 255)
            throw UserError(integerError(text));
        return hexText(std::uint32_t(n - first), 2);
    }
    case Shown::Choice:
    case Shown::Unsigned:
    case Shown::SignedBonus:
    case Shown::DamageCode:
        break;
    }
    return hex8(std::uint32_t(strToInt(text)));
}

} // namespace zantrel

#include "recordkinds.h"

namespace zantrel {

const char* const kItemKindNames[kItemKinds] = {"armor", "container", "drug", "weapon",
                                                "ammo",  "misc",      "key"};
const char* const kSceneryKindNames[kSceneryKinds] = {"door",      "stairs",      "elevator",
                                                      "ladder up", "ladder down", "generic"};

const char* const kItemKindPrefixes[kItemKinds] = {"Armor", "Container", "Drug", "Weapon",
                                                   "Ammo",  "MiscItem",  "Key"};
const char* const kSceneryKindPrefixes[kSceneryKinds] = {"Door",     "Stairs",     "Elevator",
                                                         "LadderUp", "LadderDown", "Generic"};

namespace {

using D = Display;
using C = Choices;
using K = RowCheck;

// Seven words in damage-type order: "<group>, Normal" .. "<group>, Explosion".
void addDamageWords(std::vector<RecordRow>& rows, int offset, const char* group, RowCheck check) {
    for (int i = 0; i < 7; ++i) {
        RecordRow r = makeRow(offset + 4 * i, 4, group, D::Signed, C::None, check);
        r.name += QStringLiteral(", ") + builtinChoiceName(Choices::DamageType, std::uint32_t(i));
        rows.push_back(r);
    }
}

// Three statistics' amounts: "<what> 1 <when>" .. "<what> 3 <when>".
void addAmounts(std::vector<RecordRow>& rows, int offset, const char* when) {
    for (int i = 0; i < 3; ++i) {
        RecordRow r = makeRow(offset + 4 * i, 4, "", D::Signed);
        r.name = QStringLiteral("Amount %1 (%2)").arg(i + 1).arg(QLatin1String(when));
        rows.push_back(r);
    }
}

int addArmor(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(57, 4, "Armor class", D::Signed, C::None, K::NotNegative));
    addDamageWords(rows, 61, "Damage resistance", K::Percent100);
    addDamageWords(rows, 89, "Damage threshold", K::NotNegative);
    rows.push_back(makeRow(117, 4, "Perk", D::Perk));
    rows.push_back(makeRow(121, 4, "Male frame id", D::FrameId));
    rows.push_back(makeRow(125, 4, "Female frame id", D::FrameId));
    return 129;
}

int addContainer(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(57, 4, "Capacity", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(61, 4, "Container flags", D::HexFlags));
    return 65;
}

int addDrug(std::vector<RecordRow>& rows) {
    for (int i = 0; i < 3; ++i) {
        rows.push_back(makeRow(57 + 4 * i, 4, "Statistic", D::Statistic));
        rows.back().name += QStringLiteral(" %1").arg(i + 1);
    }
    addAmounts(rows, 69, "immediate");
    rows.push_back(makeRow(81, 4, "First delay (minutes)", D::Signed, C::None, K::NotNegative));
    addAmounts(rows, 85, "after the first delay");
    rows.push_back(makeRow(97, 4, "Second delay (minutes)", D::Signed, C::None, K::NotNegative));
    addAmounts(rows, 101, "after the second delay");
    rows.push_back(makeRow(113, 4, "Addiction chance", D::Signed, C::None, K::Percent100));
    rows.push_back(makeRow(117, 4, "Withdrawal perk", D::Perk));
    rows.push_back(
        makeRow(121, 4, "Withdrawal onset (minutes)", D::Signed, C::None, K::NotNegative));
    return 125;
}

int addWeapon(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(57, 4, "Animation", D::Choice, C::WeaponAnimation));
    rows.push_back(makeRow(61, 4, "Minimum damage", D::Signed, C::None, K::MinDamage, 65));
    rows.push_back(makeRow(65, 4, "Maximum damage", D::Signed, C::None, K::MaxDamage, 61));
    rows.push_back(makeRow(69, 4, "Damage type", D::Choice, C::DamageType));
    rows.push_back(makeRow(73, 4, "Range, primary attack", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(77, 4, "Range, secondary attack", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(81, 4, "Projectile prototype id", D::ProtoId));
    rows.push_back(makeRow(85, 4, "Minimum strength", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(89, 4, "AP cost, primary attack", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(93, 4, "AP cost, secondary attack", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(97, 4, "Critical failure table", D::Signed));
    rows.push_back(makeRow(101, 4, "Perk", D::Perk));
    rows.push_back(makeRow(105, 4, "Burst rounds", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(109, 4, "Caliber", D::Choice, C::Caliber));
    rows.push_back(makeRow(113, 4, "Ammo prototype id", D::ProtoId));
    rows.push_back(makeRow(117, 4, "Magazine size", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(121, 1, "Weapon sound id", D::SoundCode));
    return 122;
}

int addAmmo(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(57, 4, "Caliber", D::Choice, C::Caliber));
    rows.push_back(makeRow(61, 4, "Quantity per box", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(65, 4, "Armor class modifier", D::Signed));
    rows.push_back(makeRow(69, 4, "Damage resistance modifier", D::Signed));
    rows.push_back(makeRow(73, 4, "Damage multiplier", D::Signed, C::None, K::NotNegative));
    rows.push_back(makeRow(77, 4, "Damage divisor", D::Signed, C::None, K::NotNegative));
    return 81;
}

int addMisc(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(57, 4, "Power prototype id", D::ProtoId));
    rows.push_back(makeRow(61, 4, "Power caliber", D::Choice, C::Caliber));
    rows.push_back(makeRow(65, 4, "Charges", D::Signed, C::None, K::NotNegative));
    return 69;
}

int addKey(std::vector<RecordRow>& rows) {
    rows.push_back(makeRow(57, 4, "Key code", D::Signed));
    return 61;
}

} // namespace

RecordRow makeRow(int offset, int width, const char* name, Display display, Choices choices,
                  RowCheck check, int partner) {
    RecordRow r;
    r.offset = offset;
    r.width = width;
    r.name = QString::fromLatin1(name);
    r.display = display;
    r.choices = choices;
    r.check = check;
    r.partner = partner;
    return r;
}

int addItemKindRows(std::vector<RecordRow>& rows, int kind) {
    switch (kind) {
    case 0:
        return addArmor(rows);
    case 1:
        return addContainer(rows);
    case 2:
        return addDrug(rows);
    case 3:
        return addWeapon(rows);
    case 4:
        return addAmmo(rows);
    case 5:
        return addMisc(rows);
    case 6:
        return addKey(rows);
    default:
        return 57;
    }
}

int addSceneryKindRows(std::vector<RecordRow>& rows, int kind) {
    switch (kind) {
    case 0:
        rows.push_back(makeRow(41, 4, "Door flags", D::HexFlags));
        rows.push_back(makeRow(45, 4, "Key code", D::Signed));
        return 49;
    case 1:
        rows.push_back(makeRow(41, 4, "Destination", D::Destination));
        rows.push_back(makeRow(45, 4, "Destination map", D::MapNumber));
        return 49;
    case 2:
        rows.push_back(makeRow(41, 4, "Elevator type", D::Signed));
        rows.push_back(makeRow(45, 4, "Elevator level", D::Signed));
        return 49;
    case 3:
    case 4:
        rows.push_back(makeRow(41, 4, "Destination", D::Destination));
        return 45;
    case 5:
        rows.push_back(makeRow(41, 4, "Unused word", D::HexFlags));
        return 45;
    default:
        return 41;
    }
}

} // namespace zantrel

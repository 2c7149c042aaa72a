#include "formlayouts.h"

namespace zantrel {

namespace {

FormLayout armor() {
    FormLayout l;
    l.items = {{57, "Armor class:"}, {117, "Perk:"}};
    l.items.push_back(FormItem::heading("Damage resistance (%)"));
    l.items.push_back(FormItem::heading("Damage threshold"));
    for (int i = 0; i < 7; ++i) {
        const QString damage = builtinChoiceName(Choices::DamageType, std::uint32_t(i)) + u':';
        l.items.push_back({61 + 4 * i, damage});
        l.items.push_back({89 + 4 * i, damage});
    }
    l.items.push_back({121, "Male look:", true});
    l.items.push_back({125, "Female look:", true});
    return l;
}

FormLayout drug() {
    FormLayout l;
    l.columns = 3;
    l.items = {{57, "Statistic 1:", true}, {61, "Statistic 2:", true}, {65, "Statistic 3:", true}};
    // The amounts in columns under their statistic's number.
    for (const char* heading : {"Statistic 1", "Statistic 2", "Statistic 3"})
        l.items.push_back(FormItem::heading(heading));
    const struct {
        int first;
        const char* caption;
    } amounts[] = {{69, "At once:"}, {85, "After 1:"}, {101, "After 2:"}};
    for (const auto& a : amounts)
        for (int i = 0; i < 3; ++i)
            l.items.push_back({a.first + 4 * i, a.caption});
    l.items.push_back({81, "Delay 1:"});
    l.items.push_back({97, "Delay 2:"});
    l.items.push_back({121, "Onset:"});
    l.items.push_back({113, "Addiction (%):", true});
    l.items.push_back({117, "Withdrawal perk:", true});
    return l;
}

FormLayout weapon() {
    // The lists of long names take a whole line each, so that no name is cut.
    FormLayout l;
    l.items = {{57, "Animation:", true}, {69, "Damage type:", true}, {61, "Min damage:"},
               {65, "Max damage:"},      {73, "Range 1:"},           {77, "Range 2:"},
               {89, "AP cost 1:"},       {93, "AP cost 2:"},         {85, "Min strength:"},
               {105, "Burst rounds:"},   {117, "Magazine:"},         {97, "Crit. failure:"},
               {109, "Caliber:", true},  {121, "Sound id:"},         {101, "Perk:", true},
               {113, "Ammo:", true},     {81, "Projectile:", true}};
    return l;
}

} // namespace

FormLayout itemKindLayout(int kind) {
    switch (kind) {
    case 0:
        return armor();
    case 1:
        return {{{57, "Capacity:"}, {61, "Flags:"}}};
    case 2:
        return drug();
    case 3:
        return weapon();
    case 4:
        return {{{57, "Caliber:", true},
                 {61, "Quantity:"},
                 {65, "AC modifier:"},
                 {69, "DR modifier:"},
                 {73, "Multiplier:"},
                 {77, "Divisor:"}}};
    case 5:
        return {{{57, "Power:", true}, {61, "Caliber:"}, {65, "Charges:"}}};
    default:
        return {{{57, "Key code:"}}};
    }
}

FormLayout itemUseLayout() {
    // The flags-for-use word's second byte from the right: bits 8 .. 15.
    std::vector<FormBit> use = {{0x01, "Big gun"}, {0x02, "Two-handed"}, {0x08, "Use"},
                                {0x10, "Use on"},  {0x20, "Look"},       {0x40, "Talk"},
                                {0x80, "Pick up"}};
    return {{{12, "Light radius:"},
             {16, "Intensity (%):"},
             {27, "Attacks:", true},
             {26, "Actions:", true, use},
             {25, "Other bits:"},
             {56, "Sound id:"}}};
}

FormLayout recordLayout(int objectType) {
    switch (objectType) {
    case 2: // the kind takes a whole line, so that the game's long kind names fit
        return {{{32, "Kind:", true},
                 {36, "Material:"},
                 {12, "Light radius:"},
                 {40, "Sound id:"},
                 {16, "Intensity (%):"},
                 {24, "Flags for use:"}}};
    case 3:
        return {{{12, "Light radius:"},
                 {16, "Intensity (%):"},
                 {24, "Flags for use:"},
                 {32, "Material:"}}};
    case 4:
        return {{{24, "Material:"}, {16, "Flags for use:"}}};
    default:
        return {{{12, "Light radius:"}, {16, "Intensity (%):"}, {24, "Flags for use:"}}};
    }
}

FormLayout sceneryKindLayout(int kind) {
    switch (kind) {
    case 0:
        return {{{41, "Door flags:"}, {45, "Key code:"}}};
    case 1:
        return {{{41, "Destination:", true}, {45, "Map:"}}};
    case 2:
        return {{{41, "Elevator type:"}, {45, "Level:"}}};
    case 3:
    case 4:
        return {{{41, "Destination:", true}}};
    default:
        return {{{41, "Unused word:"}}};
    }
}

} // namespace zantrel

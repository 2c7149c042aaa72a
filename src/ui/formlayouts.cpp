#include "formlayouts.h"

#include "uitext.h"

namespace zantrel {

namespace {

FormLayout armor() {
    FormLayout l;
    l.items = {{57, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Armor class:")},
               {117, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Perk:")}};
    l.items.push_back(
        FormItem::heading(QT_TRANSLATE_NOOP("zantrel::RecordForm", "Damage resistance (%)")));
    l.items.push_back(
        FormItem::heading(QT_TRANSLATE_NOOP("zantrel::RecordForm", "Damage threshold")));
    for (int i = 0; i < 7; ++i) {
        const QString damage = shownChoiceName(Choices::DamageType, std::uint32_t(i)) + u':';
        l.items.push_back({61 + 4 * i, damage});
        l.items.push_back({89 + 4 * i, damage});
    }
    l.items.push_back({121, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Male look:"), true});
    l.items.push_back({125, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Female look:"), true});
    return l;
}

FormLayout drug() {
    FormLayout l;
    l.columns = 3;
    l.items = {{57, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Statistic 1:"), true},
               {61, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Statistic 2:"), true},
               {65, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Statistic 3:"), true}};
    // The amounts in columns under their statistic's number.
    for (const char* heading : {QT_TRANSLATE_NOOP("zantrel::RecordForm", "Statistic 1"),
                                QT_TRANSLATE_NOOP("zantrel::RecordForm", "Statistic 2"),
                                QT_TRANSLATE_NOOP("zantrel::RecordForm", "Statistic 3")})
        l.items.push_back(FormItem::heading(heading));
    const struct {
        int first;
        const char* caption;
    } amounts[] = {{69, QT_TRANSLATE_NOOP("zantrel::RecordForm", "At once:")},
                   {85, QT_TRANSLATE_NOOP("zantrel::RecordForm", "After 1:")},
                   {101, QT_TRANSLATE_NOOP("zantrel::RecordForm", "After 2:")}};
    for (const auto& a : amounts)
        for (int i = 0; i < 3; ++i)
            l.items.push_back({a.first + 4 * i, a.caption});
    l.items.push_back({81, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Delay 1:")});
    l.items.push_back({97, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Delay 2:")});
    l.items.push_back({121, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Onset:")});
    l.items.push_back({113, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Addiction (%):"), true});
    l.items.push_back({117, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Withdrawal perk:"), true});
    return l;
}

FormLayout weapon() {
    // The lists of long names take a whole line each, so that no name is cut.
    FormLayout l;
    l.items = {{57, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Animation:"), true},
               {69, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Damage type:"), true},
               {61, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Min damage:")},
               {65, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Max damage:")},
               {73, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Range 1:")},
               {77, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Range 2:")},
               {89, QT_TRANSLATE_NOOP("zantrel::RecordForm", "AP cost 1:")},
               {93, QT_TRANSLATE_NOOP("zantrel::RecordForm", "AP cost 2:")},
               {85, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Min strength:")},
               {105, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Burst rounds:")},
               {117, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Magazine:")},
               {97, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Crit. failure:")},
               {109, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Caliber:"), true},
               {121, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Sound id:")},
               {101, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Perk:"), true},
               {113, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Ammo:"), true},
               {81, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Projectile:"), true}};
    return l;
}

} // namespace

FormLayout itemKindLayout(int kind) {
    switch (kind) {
    case 0:
        return armor();
    case 1:
        return {{{57, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Capacity:")},
                 {61, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Flags:")}}};
    case 2:
        return drug();
    case 3:
        return weapon();
    case 4:
        return {{{57, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Caliber:"), true},
                 {61, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Quantity:")},
                 {65, QT_TRANSLATE_NOOP("zantrel::RecordForm", "AC modifier:")},
                 {69, QT_TRANSLATE_NOOP("zantrel::RecordForm", "DR modifier:")},
                 {73, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Multiplier:")},
                 {77, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Divisor:")}}};
    case 5:
        return {{{57, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Power:"), true},
                 {61, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Caliber:")},
                 {65, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Charges:")}}};
    default:
        return {{{57, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Key code:")}}};
    }
}

FormLayout itemUseLayout() {
    // The flags-for-use word's second byte from the right: bits 8 .. 15.
    std::vector<FormBit> use = {{0x01, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Big gun")},
                                {0x02, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Two-handed")},
                                {0x08, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Use")},
                                {0x10, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Use on")},
                                {0x20, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Look")},
                                {0x40, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Talk")},
                                {0x80, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Pick up")}};
    return {{{12, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Light radius:")},
             {16, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Intensity (%):")},
             {27, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Attacks:"), true},
             {26, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Actions:"), true, use},
             {25, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Other bits:")},
             {56, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Sound id:")}}};
}

FormLayout recordLayout(int objectType) {
    switch (objectType) {
    case 2: // the kind takes a whole line, so that the game's long kind names fit
        return {{{32, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Kind:"), true},
                 {36, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Material:")},
                 {12, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Light radius:")},
                 {40, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Sound id:")},
                 {16, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Intensity (%):")},
                 {24, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Flags for use:")}}};
    case 3:
        return {{{12, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Light radius:")},
                 {16, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Intensity (%):")},
                 {24, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Flags for use:")},
                 {32, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Material:")}}};
    case 4:
        return {{{24, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Material:")},
                 {16, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Flags for use:")}}};
    default:
        return {{{12, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Light radius:")},
                 {16, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Intensity (%):")},
                 {24, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Flags for use:")}}};
    }
}

FormLayout sceneryKindLayout(int kind) {
    switch (kind) {
    case 0:
        return {{{41, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Door flags:")},
                 {45, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Key code:")}}};
    case 1:
        return {{{41, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Destination:"), true},
                 {45, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Map:")}}};
    case 2:
        return {{{41, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Elevator type:")},
                 {45, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Level:")}}};
    case 3:
    case 4:
        return {{{41, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Destination:"), true}}};
    default:
        return {{{41, QT_TRANSLATE_NOOP("zantrel::RecordForm", "Unused word:")}}};
    }
}

} // namespace zantrel

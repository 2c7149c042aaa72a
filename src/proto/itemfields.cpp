#include "itemfields.h"

#include "proto/fieldcodec.h"

namespace zantrel {

const ItemField kItemFields[kItemFieldCount] = {
    {52, 1, "ComboBox8", ItemDisplay::ArtType, ItemCheck::None, nullptr,
     QT_TRANSLATE_NOOP("Item", "Pic in Inventory")},
    {53, 1, "Edit114", ItemDisplay::Shift, ItemCheck::FrameShift, nullptr,
     QT_TRANSLATE_NOOP("Item", "Frame Shift")},
    {54, 2, "ComboBox8", ItemDisplay::Picture, ItemCheck::None, nullptr,
     QT_TRANSLATE_NOOP("Item", "Pic in Inventory")},
    {32, 4, "ComboBox9", ItemDisplay::Choice, ItemCheck::None, nullptr,
     QT_TRANSLATE_NOOP("Item", "Item Type")},
    {36, 4, "ComboBox10", ItemDisplay::Choice, ItemCheck::None, nullptr,
     QT_TRANSLATE_NOOP("Item", "Material")},
    {40, 4, "Edit113", ItemDisplay::Signed, ItemCheck::NotNegative, "zeroedit",
     QT_TRANSLATE_NOOP("Item", "Volume")},
    {44, 4, "Edit115", ItemDisplay::Signed, ItemCheck::None, nullptr,
     QT_TRANSLATE_NOOP("Item", "Weight")},
    {48, 4, "Edit116", ItemDisplay::Signed, ItemCheck::NotNegative, "zeroedit",
     QT_TRANSLATE_NOOP("Item", "Price")},
    {24, 1, "CheckBox43", ItemDisplay::Marker, ItemCheck::None, nullptr,
     QT_TRANSLATE_NOOP("Item", "Hidden Item")},
};

// Item type, material, hidden marker, volume, weight, price, frame shift, picture.
const int kItemFillOrder[kItemFieldCount - 1] = {3, 4, 8, 5, 6, 7, 1, 2};

const char* const kItemTypes[7] = {
    QT_TRANSLATE_NOOP("Names", "Armor"), QT_TRANSLATE_NOOP("Names", "Container"),
    QT_TRANSLATE_NOOP("Names", "Drug"),  QT_TRANSLATE_NOOP("Names", "Weapon"),
    QT_TRANSLATE_NOOP("Names", "Ammo"),  QT_TRANSLATE_NOOP("Names", "Misc"),
    QT_TRANSLATE_NOOP("Names", "Key")};
const char* const kMaterials[8] = {
    QT_TRANSLATE_NOOP("Names", "Glass"),   QT_TRANSLATE_NOOP("Names", "Metal"),
    QT_TRANSLATE_NOOP("Names", "Plastic"), QT_TRANSLATE_NOOP("Names", "Wood"),
    QT_TRANSLATE_NOOP("Names", "Dirt"),    QT_TRANSLATE_NOOP("Names", "Stone"),
    QT_TRANSLATE_NOOP("Names", "Cement"),  QT_TRANSLATE_NOOP("Names", "Leather")};

QString itemFieldText(const ItemField& field, const QByteArray& bytes) {
    const std::uint32_t value = fieldValue(bytes, field.offset, field.width);
    if (field.display == ItemDisplay::Shift)
        return value == 0xFF ? QStringLiteral("-1") : QString::number(value);
    // Signed, as the checks and the writing read the text back: a stored FFFFFFFF shows
    // "-1" and saves again, where its unsigned form would not convert.
    return QString::number(std::int32_t(value));
}

int itemListPosition(const ItemField& field, const QByteArray& bytes, int count) {
    const std::uint32_t value = fieldValue(bytes, field.offset, field.width);
    if (field.display == ItemDisplay::Picture)
        return value == kNoPicture || value > std::uint32_t(count) ? -1 : int(value);
    return value < std::uint32_t(count) ? int(value) : -1;
}

QString itemFieldHex(std::uint32_t value, int width) {
    QByteArray bytes;
    setFieldValue(bytes, 0, width, value);
    return fieldToHex(bytes, 0, width);
}

bool itemCheckPasses(ItemCheck check, std::int32_t value) {
    switch (check) {
    case ItemCheck::NotNegative:
        return value >= 0;
    case ItemCheck::FrameShift:
        return value >= -1 && value <= 255;
    case ItemCheck::None:
        break;
    }
    return true;
}

} // namespace zantrel

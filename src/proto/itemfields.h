#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace zantrel {

// How an item field is shown in its control and written back.
enum class ItemDisplay {
    Choice,  // pick-only list: the stored value is the selected position
    Marker,  // check box: checked exactly when the byte is 8; writes 8 or 0
    Signed,  // decimal text of the signed 32-bit value
    Shift,   // decimal byte, the byte 255 shown as "-1"
    Picture, // position in the inventory list; 65535 is no picture
    ArtType, // not shown: 7 with an inventory picture, FF without one
};

// The range a checked field must keep; outside it the field turns red.
enum class ItemCheck {
    None,
    NotNegative, // the field plus its partner at least 0
    FrameShift,  // -1 .. 255
};

struct ItemField {
    int offset;
    int width;
    const char* control;
    ItemDisplay display;
    ItemCheck check;
    const char* partner; // the box added to the field by the check, or nullptr
    const char* name;    // accessible name: what a person reads beside the control
};

constexpr int kItemFieldCount = 9;
// In the order they are written.
extern const ItemField kItemFields[kItemFieldCount];
// The order they are filled, as indexes into kItemFields (the art type byte is not read).
extern const int kItemFillOrder[kItemFieldCount - 1];

extern const char* const kItemTypes[7]; // ComboBox9: "Armor" .. "Key"
extern const char* const kMaterials[8]; // ComboBox10: "Glass" .. "Leather"

constexpr std::uint8_t kHiddenMarker = 8;
constexpr std::uint8_t kInventoryArtType = 7;
constexpr std::uint32_t kNoPicture = 0xFFFF;

// The text an edit box shows for a Signed or Shift field.
QString itemFieldText(const ItemField& field, const QByteArray& bytes);

// The list entry a stored Choice or Picture value selects: -1 for none. count is the number
// of list lines; the inventory list's "<NONE>" entry sits at count and may be selected.
int itemListPosition(const ItemField& field, const QByteArray& bytes, int count);

// The field's 2 * width hex digits (file order) holding the low bytes of value.
QString itemFieldHex(std::uint32_t value, int width);

// Whether a value (the sum with the partner for NotNegative) lies in the check's range.
bool itemCheckPasses(ItemCheck check, std::int32_t value);

} // namespace zantrel

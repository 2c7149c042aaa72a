#pragma once

#include <cstdint>

// What the item's common fields store beyond plain numbers, and the names of their lists.
namespace zantrel {

extern const char* const kItemTypes[7]; // ComboBox9: "Armor" .. "Key"
extern const char* const kMaterials[8]; // ComboBox10: "Glass" .. "Leather"

constexpr std::uint8_t kHiddenMarker = 8;
constexpr std::uint8_t kInventoryArtType = 7;
constexpr std::uint32_t kNoPicture = 0xFFFF;

} // namespace zantrel

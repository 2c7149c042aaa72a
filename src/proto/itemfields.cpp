#include "itemfields.h"

#include <QtGlobal>

namespace zantrel {

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

} // namespace zantrel

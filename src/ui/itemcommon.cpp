#include "itemcommon.h"

#include "proto/fieldcodec.h"
#include "proto/itemfields.h"
#include "proto/records.h"
#include "ui/typepage.h"
#include "ui/uitext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zantrel {

QLabel* itemLabel(const QString& text, QWidget* parent, QRect place, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setAlignment(align);
    return l;
}

QWidget* itemNamed(QWidget* w, const char* name, QRect place, const char* accessible) {
    w->setObjectName(QLatin1String(name));
    w->setGeometry(place);
    if (accessible)
        w->setAccessibleName(TypePage::tr(accessible));
    return w;
}

QComboBox* buildItemGraphics(QWidget* common) {
    auto* graphics = new QGroupBox(TypePage::tr("Graphics"), common);
    graphics->setGeometry(4, 0, 357, 66);
    itemLabel(TypePage::tr("Pic on Ground:"), graphics, {8, 16, 92, 20});
    auto* ground = new QComboBox(graphics);
    itemNamed(ground, "ComboBox7", {100, 16, 140, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Pic on Ground"));
    ground->addItem(TypePage::tr("<---- Use Frame ID"));
    ground->setEnabled(false); // the ground picture follows the header's frame list
    itemLabel(TypePage::tr("Pic in Inventory:"), graphics, {8, 40, 92, 20});
    auto* inventory = new QComboBox(graphics);
    itemNamed(inventory, "ComboBox8", {100, 40, 140, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Pic in Inventory"));
    inventory->setEditable(true);
    inventory->setInsertPolicy(QComboBox::NoInsert);
    inventory->setMaxVisibleItems(20);
    itemLabel(TypePage::tr("Frame Shift:"), graphics, {246, 40, 68, 20});
    auto* shift = new QLineEdit(graphics);
    itemNamed(shift, "Edit114", {314, 40, 36, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Frame Shift"));
    return inventory;
}

QLineEdit* buildItemKind(QWidget* common) {
    auto* kind = new QGroupBox(TypePage::tr("Item Type"), common);
    kind->setGeometry(4, 68, 357, 92);
    itemLabel(TypePage::tr("Item Type:"), kind, {8, 16, 62, 20});
    auto* type = new QComboBox(kind);
    itemNamed(type, "ComboBox9", {72, 16, 110, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Item Type"));
    for (const char* t : kItemTypes)
        type->addItem(tableText("Names", t));
    auto* hidden = new QCheckBox(TypePage::tr("Hidden Item"), kind);
    itemNamed(hidden, "CheckBox43", {196, 16, 100, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Hidden Item"));
    itemLabel(TypePage::tr("Material:"), kind, {8, 40, 62, 20});
    auto* material = new QComboBox(kind);
    itemNamed(material, "ComboBox10", {72, 40, 110, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Material"));
    for (const char* m : kMaterials)
        material->addItem(tableText("Names", m));
    auto* description = new QPushButton(TypePage::tr("Description"), kind);
    itemNamed(description, "xpButton1", {196, 40, 90, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Description"));
    // Opens the item's name and description (the window wires it, as the menu's action).
    const struct {
        const char* caption;
        const char* edit;
        QRect captionPlace, editPlace;
    } numbers[] = {
        {QT_TRANSLATE_NOOP("zantrel::TypePage", "Volume:"),
         "Edit113",
         {8, 64, 46, 20},
         {54, 64, 60, 20}},
        {QT_TRANSLATE_NOOP("zantrel::TypePage", "Weight:"),
         "Edit115",
         {122, 64, 46, 20},
         {168, 64, 64, 20}},
        {QT_TRANSLATE_NOOP("zantrel::TypePage", "Price:"),
         "Edit116",
         {240, 64, 36, 20},
         {276, 64, 74, 20}},
    };
    for (const auto& n : numbers) {
        itemLabel(TypePage::tr(n.caption), kind, n.captionPlace);
        auto* e = new QLineEdit(kind);
        itemNamed(e, n.edit, n.editPlace, nullptr);
        e->setAccessibleName(TypePage::tr(n.caption).chopped(1));
    }
    // The partner of the single-field checks: never shown, always "0".
    auto* zero = new QLineEdit(QStringLiteral("0"), kind);
    itemNamed(zero, "zeroedit", {0, 0, 10, 10}, nullptr);
    zero->setEnabled(false);
    zero->hide();
    return zero;
}

int listPosition(const RecordRow& row, const QByteArray& bytes, int count) {
    const std::uint32_t value = fieldValue(bytes, row.offset, row.width);
    if (row.display == Display::Picture)
        return value == kNoPicture || value > std::uint32_t(count) ? -1 : int(value);
    return value < std::uint32_t(count) ? int(value) : -1;
}

} // namespace zantrel

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

#include <algorithm>
#include <iterator>

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

namespace {

// Where the columns of the two groups lie (the tab of a row's place is its group); lines are
// 24 pixels apart from 16 down. A check box has no caption of its own beside it.
struct CommonColumn {
    int tab, column;
    int captionX, captionWidth;
    int controlX, controlWidth;
};
constexpr CommonColumn kColumns[] = {
    {0, 0, 8, 92, 100, 140},  {0, 1, 246, 68, 314, 36}, {1, 0, 8, 62, 72, 110},
    {1, 1, 0, 0, 196, 100},   {1, 2, 8, 46, 54, 60},    {1, 3, 122, 46, 168, 64},
    {1, 4, 240, 36, 276, 74},
};

QWidget* makeControl(const RecordRow& row, QWidget* group) {
    const QString caption = tableText("Item", row.place.caption);
    switch (row.display) {
    case Display::Marker:
        return new QCheckBox(caption, group);
    case Display::Picture: {
        auto* box = new QComboBox(group);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMaxVisibleItems(20);
        return box;
    }
    case Display::Choice: {
        auto* box = new QComboBox(group);
        if (row.choices == Choices::ItemKind)
            for (const char* t : kItemTypes)
                box->addItem(tableText("Names", t));
        else
            for (const char* m : kMaterials)
                box->addItem(tableText("Names", m));
        return box;
    }
    default:
        return new QLineEdit(group);
    }
}

// The controls of one line of a group, by column: caption, then control, named by its row.
void placeLine(QWidget* group, const std::vector<RecordRow>& rows, int tab, int line) {
    std::vector<const RecordRow*> placed;
    for (const RecordRow& r : rows)
        if (r.place.tab == tab && r.place.line == line && r.place.caption)
            placed.push_back(&r);
    std::sort(placed.begin(), placed.end(), [](const RecordRow* a, const RecordRow* b) {
        return a->place.column < b->place.column;
    });
    const int y = 16 + 24 * line;
    for (const RecordRow* r : placed) {
        const auto* c = std::find_if(std::begin(kColumns), std::end(kColumns), [&](const auto& k) {
            return k.tab == tab && k.column == r->place.column;
        });
        Q_ASSERT(c != std::end(kColumns));
        if (c->captionWidth > 0)
            itemLabel(tableText("Item", r->place.caption), group,
                      {c->captionX, y, c->captionWidth, 20});
        QWidget* control = makeControl(*r, group);
        control->setObjectName(r->control);
        control->setGeometry(c->controlX, y, c->controlWidth, 20);
        control->setAccessibleName(tableText("Item", r->name.toUtf8().constData()));
    }
}

} // namespace

QComboBox* buildItemGraphics(QWidget* common, const std::vector<RecordRow>& rows) {
    auto* graphics = new QGroupBox(TypePage::tr("Graphics"), common);
    graphics->setGeometry(4, 0, 357, 66);
    itemLabel(TypePage::tr("Pic on Ground:"), graphics, {8, 16, 92, 20});
    auto* ground = new QComboBox(graphics);
    itemNamed(ground, "ComboBox7", {100, 16, 140, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Pic on Ground"));
    ground->addItem(TypePage::tr("<---- Use Frame ID"));
    ground->setEnabled(false); // the ground picture follows the header's frame list
    placeLine(graphics, rows, 0, 1);
    return graphics->findChild<QComboBox*>(QStringLiteral("ComboBox8"));
}

QLineEdit* buildItemKind(QWidget* common, const std::vector<RecordRow>& rows) {
    auto* kind = new QGroupBox(TypePage::tr("Item Type"), common);
    kind->setGeometry(4, 68, 357, 92);
    placeLine(kind, rows, 1, 0);
    placeLine(kind, rows, 1, 1);
    // Opens the item's name and description (the window wires it, as the menu's action).
    auto* description = new QPushButton(TypePage::tr("Description"), kind);
    itemNamed(description, "xpButton1", {196, 40, 90, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Description"));
    placeLine(kind, rows, 1, 2);
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

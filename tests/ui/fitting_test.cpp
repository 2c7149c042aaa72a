// Every list and box of every page shows its longest entry whole, with names as long as the
// real game's.
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "support/editorfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// proto.msg with names of the lengths the game's own has.
QByteArray longNames() {
    QByteArray msg;
    const auto add = [&msg](int first, std::initializer_list<const char*> names) {
        int n = first;
        for (const char* name : names)
            msg += "{" + QByteArray::number(n++) + "}{}{" + name + "}\r\n";
    };
    add(100, {"Glass", "Metal", "Plastic", "Wood", "Dirt", "Stone", "Cement", "Leather"});
    add(150, {"Armor", "Container", "Drug", "Weapon", "Ammo", "Misc Item", "Key"});
    add(200, {"Door", "Stairs", "Elevator", "Ladder Bottom", "Ladder Top", "Generic Scenery"});
    add(250, {"normal_damage", "laser_damage", "fire_damage", "plasma_damage", "electrical_damage",
              "emp_damage", "explosion_damage"});
    add(300, {"None", "Rocket", "Flamethrower Fuel", "C Energy Cell", "D Energy Cell", ".223",
              "5mm", ".40 cal", "10mm", ".44 cal", "14mm", "12-gauge", "9mm", "BB", ".45 cal",
              "2mm", "4.7mm caseless", "HN needler", "7.62mm"});
    add(400, {"Biped", "Quadruped", "Robotic"});
    add(1450, {"Man", "Woman", "Child", "Super Mutant", "Ghoul", "Brahmin", "Radscorpion"});
    return msg;
}

QString longest(const QComboBox* c) {
    QString l;
    for (int i = 0; i < c->count(); ++i)
        if (c->fontMetrics().horizontalAdvance(c->itemText(i)) >
            c->fontMetrics().horizontalAdvance(l))
            l = c->itemText(i);
    return l;
}

int fieldWidth(QComboBox* c) {
    QStyleOptionComboBox option;
    option.initFrom(c);
    option.editable = c->isEditable();
    return c->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c)
        .width();
}

// What does not fit on the shown page, by object name.
QStringList cutOff(QWidget* page) {
    QCoreApplication::processEvents(); // the layouts follow the lists just filled
    QStringList cut;
    for (QComboBox* c : page->findChildren<QComboBox*>()) {
        if (!c->isVisibleTo(page) || c->count() == 0)
            continue;
        const QString text = longest(c);
        if (c->fontMetrics().horizontalAdvance(text) > fieldWidth(c))
            cut << c->objectName() + " \"" + text + "\"";
    }
    for (QGroupBox* g : page->findChildren<QGroupBox*>())
        if (g->isVisibleTo(page) &&
            g->fontMetrics().horizontalAdvance(g->title()) + 16 > g->width())
            cut << g->objectName() + " \"" + g->title() + "\"";
    return cut;
}

} // namespace

TEST(Fitting, EveryListShowsItsLongestEntryWhole) {
    const struct {
        int type, kind;
    } cases[] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5},  {0, 6},  {1, -1}, {2, 0},
                 {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {3, -1}, {4, -1}, {5, -1}};
    for (const auto& c : cases) {
        EditorFixture e;
        e.folder.write("Source/proto.msg", longNames());
        QByteArray p = makePrototype(c.type, recordLength(c.type, c.kind));
        if (c.kind >= 0)
            setFieldValue(p, 32, 4, std::uint32_t(c.kind));
        e.open(e.write("p.pro", p));
        QTabWidget* pages = e.w->pageControl();
        const QList<QTabWidget*> inner = pages->currentWidget()->findChildren<QTabWidget*>();
        QStringList cut = cutOff(pages->currentWidget());
        for (QTabWidget* tabs : inner)
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i)) {
                    tabs->setCurrentIndex(i);
                    cut += cutOff(tabs->currentWidget());
                }
        cut.removeDuplicates();
        EXPECT_TRUE(cut.isEmpty())
            << c.type << "/" << c.kind << ": " << cut.join(", ").toStdString();
    }
}

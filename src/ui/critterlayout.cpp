#include "critterlayout.h"

#include "flags.h"
#include "uitext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <vector>

namespace zantrel {

namespace {

const char* const kTabCaptions[] = {
    QT_TRANSLATE_NOOP("CritterLayout", "General"), QT_TRANSLATE_NOOP("CritterLayout", "Base"),
    QT_TRANSLATE_NOOP("CritterLayout", "Extra"),   QT_TRANSLATE_NOOP("CritterLayout", "Resists"),
    QT_TRANSLATE_NOOP("CritterLayout", "Skills"),  QT_TRANSLATE_NOOP("CritterLayout", "Other")};
const int kFirstTabSheet = 8; // TabSheet8 .. TabSheet13
const char* const kDamageHint = QT_TRANSLATE_NOOP(
    "CritterLayout",
    "00 - нормальный урон. (Normal)   01 - лазер. (Laser)   02 - огонь. (Fire)   03 - плазма. "
    "(Plasma)   04 - электричество. (Electrical)   05 - ЕМИ. (EMP)   06 - взрыв. (Explode)");
// Where the grid columns of a tab lie: the caption, the control, the suffix after it.
struct GridColumn {
    CritterTab tab;
    int column;
    int labelX, labelWidth;
    int controlX, controlWidth;
};
const GridColumn kColumns[] = {
    {CritterTab::General, 0, 4, 74, 80, 70},    {CritterTab::Base, 0, 6, 80, 88, 48},
    {CritterTab::Base, 1, 176, 104, 284, 52},   {CritterTab::Extra, 0, 6, 80, 88, 48},
    {CritterTab::Extra, 1, 176, 104, 284, 52},  {CritterTab::Resists, 0, 10, 64, 76, 48},
    {CritterTab::Resists, 1, 196, 64, 262, 48}, {CritterTab::Skills, 0, 6, 104, 112, 46},
    {CritterTab::Skills, 1, 192, 90, 284, 46},  {CritterTab::Other, 0, 4, 92, 98, 70},
    {CritterTab::Other, 1, 186, 126, 314, 52},
};

// The rows of each tab's grid, in CritterTab order: first row's top, the step, the height
// of a control.
struct GridRows {
    int top, step, height;
};
const GridRows kRows[] = {{70, 26, 22}, {8, 26, 20},  {8, 26, 20},
                          {4, 19, 17},  {48, 28, 20}, {6, 24, 20}};

const GridColumn* gridColumn(CritterTab tab, int column) {
    for (const GridColumn& c : kColumns)
        if (c.tab == tab && c.column == column)
            return &c;
    return nullptr;
}

// Limits what is typed, not what the file holds: a stored value longer than the box's typed
// length ("-256" in a two-character box) is shown whole, and can still be edited.
class TypedLength : public QValidator {
public:
    TypedLength(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& input, int&) const override {
        return input.size() > m_length ? Invalid : Acceptable;
    }

private:
    int m_length;
};

QLabel* makeLabel(QWidget* parent, const QString& text, QRect place,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(align);
    return label;
}

} // namespace

CritterLayout::CritterLayout(QWidget* tab) {
    auto* sheet = new QWidget(tab);
    sheet->setObjectName(QStringLiteral("TabSheet2"));
    sheet->setAttribute(Qt::WA_StyledBackground);
    auto* outer = new QVBoxLayout(tab);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(sheet);

    auto* title = new QLabel(tr("Individual Part - Critters"), sheet);
    title->setAlignment(Qt::AlignHCenter);
    QFont italic(QStringLiteral("DS Sofachrome"));
    italic.setItalic(true);
    italic.setPointSize(12);
    title->setFont(italic);
    title->setStyleSheet(QStringLiteral("QLabel { font-size: 12pt; }"));
    m_inner = new QTabWidget(sheet);
    m_inner->setObjectName(QStringLiteral("PageControl2"));
    m_inner->setUsesScrollButtons(false);
    m_inner->setAccessibleName(tr("Critter pages"));
    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    column->addWidget(title);
    column->addWidget(m_inner, 1);

    for (int i = 0; i < 6; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(kFirstTabSheet + i));
        m_inner->addTab(page, tr(kTabCaptions[i]));
        m_tabs[std::size_t(i)] = page;
    }

    // Extra's lone partner: the fields tested on their own add this "0".
    m_zeroPartner = new QLineEdit(QStringLiteral("0"), m_tabs[2]);
    m_zeroPartner->setObjectName(QStringLiteral("Edit117"));
    m_zeroPartner->setEnabled(false);
    m_zeroPartner->hide();
    m_controls.insert(m_zeroPartner->objectName(), m_zeroPartner);

    buildGeneral(m_tabs[0]);
    for (CritterTab t : {CritterTab::Base, CritterTab::Extra, CritterTab::Resists,
                         CritterTab::Skills, CritterTab::Other})
        buildGrid(t, m_tabs[std::size_t(t)]);
    buildOther(m_tabs[5]);
}

CritterLayout::~CritterLayout() = default;

QString CritterLayout::tipCaption() {
    return tr("Tip Bar! 8)");
}

QLabel* CritterLayout::tipBar(CritterTab tab) const {
    return tab == CritterTab::Base    ? m_baseTipBar
           : tab == CritterTab::Extra ? m_extraTipBar
                                      : nullptr;
}

QWidget* CritterLayout::control(const QString& name) const {
    return m_controls.value(name);
}

void CritterLayout::buildGeneral(QWidget* page) {
    m_memo = new QPlainTextEdit(page);
    m_memo->setObjectName(QStringLiteral("Memo2"));
    m_memo->setGeometry(3, 4, 367, 58);
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setAccessibleName(tr("Critter description"));

    buildGrid(CritterTab::General, page);
    // The name boxes and the experience's note stand beside their fields.
    const GridRows& rows = kRows[0];
    const struct {
        const char* name;
        int row;
        const char* text;
        const char* accessible;
    } companions[] = {
        {"Edit7", 0, "", QT_TR_NOOP("Body type name")},
        {"Edit8", 1, "", QT_TR_NOOP("Kill type name")},
        {"Edit104", 2, QT_TR_NOOP("Expirience for killing this critter"),
         QT_TR_NOOP("Experience note")},
    };
    for (const auto& c : companions) {
        auto* e = new QLineEdit(*c.text ? tr(c.text) : QString(), page);
        e->setObjectName(QLatin1String(c.name));
        e->setGeometry(156, rows.top + c.row * rows.step, 214, rows.height);
        e->setReadOnly(true);
        e->setAccessibleName(tr(c.accessible));
        m_controls.insert(e->objectName(), e);
    }

    makeLabel(page, tr("Size:"), {150, 154, 40, 20}, Qt::AlignRight | Qt::AlignVCenter);
    m_size = new QLineEdit(page);
    m_size->setObjectName(QStringLiteral("Edit9"));
    m_size->setGeometry(196, 154, 100, 20);
    m_size->setReadOnly(true);
    m_size->setAccessibleName(tr("Critter file size"));
}

QWidget* CritterLayout::makeControl(const RecordRow& f, QWidget* page, QRect place) {
    const QString& name = f.control;
    QWidget* control = nullptr;
    const bool gender = f.choices == Choices::Gender;
    if (gender || f.display == Display::BodyType || f.display == Display::KillType) {
        auto* box = new QComboBox(page);
        if (gender) {
            box->addItems({tr("Male"), tr("Female")});
            box->setCurrentIndex(-1);
            place.setWidth(80);
        } else {
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert); // the lists come from proto.msg only
            // Completing "40" to "400" after the name was looked up would leave a wrong name.
            box->setCompleter(nullptr);
            box->setMaxVisibleItems(20);
        }
        control = box;
    } else {
        auto* edit = new QLineEdit(page);
        if (f.place.maxLength > 0)
            edit->setValidator(new TypedLength(f.place.maxLength, edit));
        const CritterTab tab = critterTab(f);
        const bool zero = tab == CritterTab::Base || tab == CritterTab::Extra ||
                          tab == CritterTab::Resists || tab == CritterTab::Skills;
        edit->setText(zero ? QStringLiteral("0") : QString());
        control = edit;
    }
    control->setObjectName(name);
    control->setGeometry(place);
    control->setAccessibleName(tableText("Critter", f.name.toUtf8().constData()));
    m_controls.insert(name, control);
    return control;
}

void CritterLayout::buildGrid(CritterTab tab, QWidget* page) {
    std::vector<const RecordRow*> fields;
    for (const RecordRow& f : critterPageRows())
        if (critterTab(f) == tab && f.place.column >= 0)
            fields.push_back(&f);
    // Created column by column, top to bottom: that is the tab order.
    std::stable_sort(fields.begin(), fields.end(), [](const auto* a, const auto* b) {
        const RowPlace &p = a->place, &q = b->place;
        return p.column != q.column ? p.column < q.column : p.line < q.line;
    });
    const GridRows& rows = kRows[int(tab)];
    for (const RecordRow* f : fields) {
        const GridColumn* c = gridColumn(tab, f->place.column);
        const int y = rows.top + f->place.line * rows.step;
        QLabel* label = makeLabel(page, tableText("Critter", f->place.caption),
                                  {c->labelX, y, c->labelWidth, rows.height});
        QWidget* control = makeControl(*f, page, {c->controlX, y, c->controlWidth, rows.height});
        label->setBuddy(control);
        if (f->display == Display::DamageCode)
            label->setToolTip(tr(kDamageHint));
        if (f->place.suffix)
            makeLabel(page, QLatin1String(f->place.suffix),
                      {control->geometry().right() + 4, y, 14, rows.height});
    }

    buildGridExtras(tab, page);
}

void CritterLayout::buildGridExtras(CritterTab tab, QWidget* page) {
    const GridRows& rows = kRows[int(tab)];
    if (tab == CritterTab::Resists) {
        const char* const heads[2][2] = {{QT_TR_NOOP("<<BASE>>====>Damage Treshold"),
                                          QT_TR_NOOP("<<BASE>>==>Damage Resistance")},
                                         {QT_TR_NOOP("<<EXTRA>>==>Damage Treshold"),
                                          QT_TR_NOOP("<<EXTRA>>=>Damage Resistance")}};
        for (int column = 0; column < 2; ++column)
            for (int part = 0; part < 2; ++part) {
                QLabel* head = makeLabel(
                    page, tr(heads[column][part]),
                    {2 + 186 * column, rows.top + 8 * part * rows.step, 184, rows.height});
                // Narrow letters: the heads are long and the columns are not.
                head->setStyleSheet(QStringLiteral("QLabel { font-family: 'DejaVu Sans "
                                                   "Condensed'; font-size: 7.5pt; }"));
            }
    } else if (tab == CritterTab::Skills) {
        QLabel* caption = makeLabel(page, tr("Skillz"), {0, 4, 371, 38}, Qt::AlignCenter);
        caption->setStyleSheet(QStringLiteral("QLabel { font-size: 20pt; font-weight: bold; "
                                              "font-style: italic; }"));
    } else if (tab == CritterTab::Base || tab == CritterTab::Extra) {
        auto* bar = makeLabel(page, tipCaption(), {4, 286, 366, 26}, Qt::AlignCenter);
        bar->setObjectName(tab == CritterTab::Base ? QStringLiteral("Panel2")
                                                   : QStringLiteral("Panel3"));
        bar->setAccessibleName(tab == CritterTab::Base ? tr("Tip bar (base)")
                                                       : tr("Tip bar (extra)"));
        (tab == CritterTab::Base ? m_baseTipBar : m_extraTipBar) = bar;
        if (tab == CritterTab::Extra)
            m_controls.value(QStringLiteral("ComboBox6"))->setEnabled(false);
    }
}

void CritterLayout::buildOther(QWidget* page) {
    auto* container = new QWidget(page);
    container->setObjectName(QStringLiteral("CritterFlagsArea"));
    container->setGeometry(0, 84, 375, 215);
    m_flags = std::make_unique<CritterFlags>(container);
    m_controls.insert(QStringLiteral("Edit111"), m_flags->flagsForUse());
    m_controls.insert(QStringLiteral("Edit112"), m_flags->individual());
}

} // namespace zantrel

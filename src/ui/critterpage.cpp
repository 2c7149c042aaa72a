#include "critterpage.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "flags.h"
#include "gamedata/datafolder.h"
#include "gamedata/lists.h"
#include "headerpanel.h"
#include "proto/critterfields.h"
#include "proto/fieldcodec.h"
#include "ui/app.h"
#include "ui/critterpreview.h"
#include "ui/prompter.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace zantrel {

namespace {

const char* const kTabCaptions[] = {"General", "Base", "Extra", "Resists", "Skills", "Other"};
const int kFirstTabSheet = 8; // TabSheet8 .. TabSheet13
const QString kTipCaption = QStringLiteral("Tip Bar! 8)");
const QString kMarked = QStringLiteral("QLineEdit { background: rgb(255, 0, 0); color: black; }");
const char* const kDamageHint =
    "00 - нормальный урон. (Normal)   01 - лазер. (Laser)   02 - огонь. (Fire)   03 - плазма. "
    "(Plasma)   04 - электричество. (Electrical)   05 - ЕМИ. (EMP)   06 - взрыв. (Explode)";

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

QString hex8(std::uint32_t value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
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

const char* const kStyle =
    "QWidget#TabSheet2 { background: #101510; }"
    "QLabel, QCheckBox { color: #8cf5a2; font-size: 8pt; }"
    "QLabel:disabled, QCheckBox:disabled { color: #5c6a5c; }"
    "QCheckBox::indicator { width: 10px; height: 10px; border: 1px solid #6ef08a;"
    " background: #0a0e0a; }"
    "QCheckBox::indicator:checked { background: #6ef08a; }"
    "QLineEdit { background: #0a0e0a; color: #b6ffc6; border: 1px solid #3c4a3c;"
    " font-family: 'DejaVu Sans Mono'; font-size: 9pt; padding: 0 1px; }"
    "QLineEdit:disabled { color: #5c6a5c; }"
    "QLineEdit#Edit9, QLineEdit#Edit104 { background: silver; color: black;"
    " font-family: 'DejaVu Sans'; font-size: 8pt; }"
    "QComboBox { background: #0a0e0a; color: #b6ffc6; border: 1px solid #3c4a3c;"
    " font-size: 8pt; padding-left: 2px; }"
    "QComboBox:disabled { color: #5c6a5c; }"
    "QComboBox QAbstractItemView { background: #0a0e0a; color: #b6ffc6;"
    " selection-background-color: #2c3a2c; }"
    "QPlainTextEdit { background: black; color: white; border: 1px solid #3c4a3c; }"
    "QPushButton { background: #23282a; color: #8cf5a2; border: 1px solid #4a5456;"
    " font-size: 8pt; }"
    "QPushButton:pressed { background: #3a4446; }"
    "QPushButton:disabled { color: #5c6a5c; }"
    "QLabel#Panel2, QLabel#Panel3 { background: #0a0e0a; color: #c8ffd4; border: 1px inset "
    "#3c4a3c; font-size: 9pt; }"
    "QTabWidget#PageControl2::pane { border: 1px solid #3c4a3c; top: -1px; }"
    "QTabWidget#PageControl2 > QTabBar::tab { background: #23282a; color: #8cf5a2;"
    " border: 1px solid #4a5456; padding: 3px 4px; margin: 2px 3px 3px 0; min-width: 48px;"
    " font-size: 8pt; }"
    "QTabWidget#PageControl2 > QTabBar::tab:selected { background: #3a4446; color: #c8ffd4;"
    " border-color: #6ef08a; }";

// One record field and the controls it is shown in, with what the last filling put there.
struct Slot {
    const CritterField* field = nullptr;
    QLineEdit* edit = nullptr;    // the text, for every kind but the combo boxes
    QComboBox* combo = nullptr;   // Choice, BodyType, KillType
    QLineEdit* partner = nullptr; // the range partner, or a type's name box
    QLabel* tipBar = nullptr;     // Panel2 or Panel3 for the 34 statistics
    QString stored;               // the field's bytes as read, in hex
    QString filledText;
    int filledIndex = -1;
    bool filled = false;
};

class CritterPage : public QObject, public TypePage {
public:
    CritterPage(QWidget* tab, const PageContext& context);

    void fill(const QByteArray& bytes) override;
    QList<FieldWrite> fieldWrites() const override;
    bool valid() const override;
    void showFirstInnerPage() override { m_inner->setCurrentIndex(0); }
    void frameChanged() override;
    void opened() override { m_preview->enable(); }
    QPlainTextEdit* descriptionBox() const override { return m_memo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGeneral(QWidget* page);
    void buildGrid(CritterTab tab, QWidget* page);
    void buildOther(QWidget* page);
    QWidget* makeControl(const CritterField& f, QWidget* page, QRect place);

    void change(const Slot& slot); // EditNChange: the alarm, then the field's range check
    void highlight(Check check, QLineEdit* a, QLineEdit* b);
    static std::int32_t rangeOperand(const QString& text, bool& tooLarge);
    void lookUp(const Slot& slot); // bodyTypeChanged / killTypeChanged
    void tip(const Slot& slot);    // EditNMouseMove
    bool setMark(QLineEdit* edit, bool red);
    static bool marked(const QLineEdit* edit);
    static void selectType(QComboBox* box, const QString& number);
    bool untouched(const Slot& slot) const;
    QString protoMsg() const;
    void alarm() const {
        if (m_ctx.setalarm)
            m_ctx.setalarm();
    }

    template <typename F> void guarded(F&& action);
    void report(const UserError& error);
    void showError(const QString& text);

    PageContext m_ctx;
    QTabWidget* m_inner = nullptr;
    std::array<QWidget*, 6> m_tabs{};
    QPlainTextEdit* m_memo = nullptr;
    QLineEdit* m_size = nullptr;
    QLineEdit* m_zeroPartner = nullptr;
    QLabel* m_baseTipBar = nullptr;
    QLabel* m_extraTipBar = nullptr;
    std::unique_ptr<CritterPreview> m_preview;
    std::unique_ptr<CritterFlags> m_flags;
    std::vector<Slot> m_slots; // in the order of critterFields()
    QHash<QString, QWidget*> m_controls;
    QHash<QObject*, const Slot*> m_tipBoxes;

    bool m_filling = false;
    std::optional<UserError> m_fillError; // the first failure of a filling
    QObject* m_tipReported = nullptr;     // the box whose tip failure was shown last
};

CritterPage::CritterPage(QWidget* tab, const PageContext& context) : m_ctx(context) {
    auto* sheet = new QWidget(tab);
    sheet->setObjectName(QStringLiteral("TabSheet2"));
    sheet->setAttribute(Qt::WA_StyledBackground);
    sheet->setStyleSheet(QLatin1String(kStyle));
    auto* outer = new QVBoxLayout(tab);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(sheet);

    auto* title = new QLabel(QStringLiteral("Individual Part - Critters"), sheet);
    title->setAlignment(Qt::AlignHCenter);
    QFont italic(QStringLiteral("DS Sofachrome"));
    italic.setItalic(true);
    italic.setPointSize(12);
    title->setFont(italic);
    title->setStyleSheet(QStringLiteral("QLabel { font-size: 12pt; }"));
    m_inner = new QTabWidget(sheet);
    m_inner->setObjectName(QStringLiteral("PageControl2"));
    m_inner->setUsesScrollButtons(false);
    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    column->addWidget(title);
    column->addWidget(m_inner, 1);

    for (int i = 0; i < 6; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(kFirstTabSheet + i));
        m_inner->addTab(page, QLatin1String(kTabCaptions[i]));
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

    m_slots.reserve(critterFields().size());
    for (const CritterField& f : critterFields()) {
        Slot s;
        s.field = &f;
        QWidget* control = m_controls.value(QLatin1String(f.control));
        s.edit = qobject_cast<QLineEdit*>(control);
        s.combo = qobject_cast<QComboBox*>(control);
        if (f.partner)
            s.partner = qobject_cast<QLineEdit*>(m_controls.value(QLatin1String(f.partner)));
        if (f.tip)
            s.tipBar = f.tab == CritterTab::Base ? m_baseTipBar : m_extraTipBar;
        m_slots.push_back(s);
    }
    // Handlers are connected once the boxes hold their first texts, so building raises no alarm.
    for (const Slot& s : m_slots) {
        const Slot* slot = &s;
        switch (s.field->shown) {
        case Shown::HexFlags:
            break; // the flag words run their own text-change cycle
        case Shown::Choice:
            connect(s.combo, &QComboBox::activated, this, [this] { alarm(); });
            break;
        case Shown::BodyType:
        case Shown::KillType:
            connect(s.combo, &QComboBox::activated, this, [this, slot] { lookUp(*slot); });
            connect(s.combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, slot] { lookUp(*slot); });
            break;
        default:
            connect(s.edit, &QLineEdit::textChanged, this, [this, slot] { change(*slot); });
            break;
        }
        if (s.tipBar) {
            s.edit->setMouseTracking(true);
            s.edit->installEventFilter(this);
            m_tipBoxes.insert(s.edit, slot);
        }
    }
    for (QWidget* page : {m_tabs[1], m_tabs[2]}) {
        page->setMouseTracking(true);
        page->installEventFilter(this);
    }

    m_preview = std::make_unique<CritterPreview>(m_tabs[0], QPoint(8, 154),
                                                 m_ctx.app ? m_ctx.app->startFolder : QString(),
                                                 [this](const QString& text) { showError(text); });
}

void CritterPage::buildGeneral(QWidget* page) {
    m_memo = new QPlainTextEdit(page);
    m_memo->setObjectName(QStringLiteral("Memo2"));
    m_memo->setGeometry(3, 4, 367, 58);
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setAccessibleName(QStringLiteral("Critter description"));

    buildGrid(CritterTab::General, page);
    // The name boxes and the experience's note stand beside their fields.
    const GridRows& rows = kRows[0];
    const struct {
        const char* name;
        int row;
        const char* text;
        const char* accessible;
    } companions[] = {
        {"Edit7", 0, "", "Body type name"},
        {"Edit8", 1, "", "Kill type name"},
        {"Edit104", 2, "Expirience for killing this critter", "Experience note"},
    };
    for (const auto& c : companions) {
        auto* e = new QLineEdit(QString::fromUtf8(c.text), page);
        e->setObjectName(QLatin1String(c.name));
        e->setGeometry(156, rows.top + c.row * rows.step, 214, rows.height);
        e->setReadOnly(true);
        e->setAccessibleName(QLatin1String(c.accessible));
        m_controls.insert(e->objectName(), e);
    }

    makeLabel(page, QStringLiteral("Size:"), {150, 154, 40, 20}, Qt::AlignRight | Qt::AlignVCenter);
    m_size = new QLineEdit(page);
    m_size->setObjectName(QStringLiteral("Edit9"));
    m_size->setGeometry(196, 154, 100, 20);
    m_size->setReadOnly(true);
    m_size->setAccessibleName(QStringLiteral("Critter file size"));
}

QWidget* CritterPage::makeControl(const CritterField& f, QWidget* page, QRect place) {
    const QString name = QLatin1String(f.control);
    QWidget* control = nullptr;
    if (f.shown == Shown::Choice || f.shown == Shown::BodyType || f.shown == Shown::KillType) {
        auto* box = new QComboBox(page);
        if (f.shown == Shown::Choice) {
            box->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
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
        if (f.maxLength > 0)
            edit->setValidator(new TypedLength(f.maxLength, edit));
        const bool zero = f.tab == CritterTab::Base || f.tab == CritterTab::Extra ||
                          f.tab == CritterTab::Resists || f.tab == CritterTab::Skills;
        edit->setText(zero ? QStringLiteral("0") : QString());
        control = edit;
    }
    control->setObjectName(name);
    control->setGeometry(place);
    control->setAccessibleName(QLatin1String(f.accessible));
    m_controls.insert(name, control);
    return control;
}

void CritterPage::buildGrid(CritterTab tab, QWidget* page) {
    std::vector<const CritterField*> fields;
    for (const CritterField& f : critterFields())
        if (f.tab == tab && f.column >= 0)
            fields.push_back(&f);
    // Created column by column, top to bottom: that is the tab order.
    std::stable_sort(fields.begin(), fields.end(), [](const auto* a, const auto* b) {
        return a->column != b->column ? a->column < b->column : a->row < b->row;
    });
    const GridRows& rows = kRows[int(tab)];
    for (const CritterField* f : fields) {
        const GridColumn* c = gridColumn(tab, f->column);
        const int y = rows.top + f->row * rows.step;
        QLabel* label =
            makeLabel(page, QLatin1String(f->caption), {c->labelX, y, c->labelWidth, rows.height});
        QWidget* control = makeControl(*f, page, {c->controlX, y, c->controlWidth, rows.height});
        label->setBuddy(control);
        if (f->shown == Shown::DamageCode)
            label->setToolTip(QString::fromUtf8(kDamageHint));
        if (f->suffix)
            makeLabel(page, QLatin1String(f->suffix),
                      {control->geometry().right() + 4, y, 14, rows.height});
    }

    if (tab == CritterTab::Resists) {
        const char* const heads[2][2] = {
            {"<<BASE>>====>Damage Treshold", "<<BASE>>==>Damage Resistance"},
            {"<<EXTRA>>==>Damage Treshold", "<<EXTRA>>=>Damage Resistance"}};
        for (int column = 0; column < 2; ++column)
            for (int part = 0; part < 2; ++part) {
                QLabel* head = makeLabel(
                    page, QLatin1String(heads[column][part]),
                    {2 + 186 * column, rows.top + 8 * part * rows.step, 184, rows.height});
                // Narrow letters: the heads are long and the columns are not.
                head->setStyleSheet(QStringLiteral("QLabel { font-family: 'DejaVu Sans "
                                                   "Condensed'; font-size: 7.5pt; }"));
            }
    } else if (tab == CritterTab::Skills) {
        QLabel* caption =
            makeLabel(page, QStringLiteral("Skillz"), {0, 4, 371, 38}, Qt::AlignCenter);
        caption->setStyleSheet(QStringLiteral("QLabel { font-size: 20pt; font-weight: bold; "
                                              "font-style: italic; }"));
    } else if (tab == CritterTab::Base || tab == CritterTab::Extra) {
        auto* bar = makeLabel(page, kTipCaption, {4, 286, 366, 26}, Qt::AlignCenter);
        bar->setObjectName(tab == CritterTab::Base ? QStringLiteral("Panel2")
                                                   : QStringLiteral("Panel3"));
        bar->setAccessibleName(tab == CritterTab::Base ? QStringLiteral("Tip bar (base)")
                                                       : QStringLiteral("Tip bar (extra)"));
        (tab == CritterTab::Base ? m_baseTipBar : m_extraTipBar) = bar;
        if (tab == CritterTab::Extra)
            m_controls.value(QStringLiteral("ComboBox6"))->setEnabled(false);
    }
}

void CritterPage::buildOther(QWidget* page) {
    auto* container = new QWidget(page);
    container->setObjectName(QStringLiteral("CritterFlagsArea"));
    container->setGeometry(0, 84, 375, 215);
    m_flags = std::make_unique<CritterFlags>(container, [this] { alarm(); });
    m_controls.insert(QStringLiteral("Edit111"), m_flags->flagsForUse());
    m_controls.insert(QStringLiteral("Edit112"), m_flags->individual());
}

QString CritterPage::protoMsg() const {
    return dataFile(m_ctx.app->settings, DataKind::Messages, QStringLiteral("proto.msg"));
}

void CritterPage::showError(const QString& text) {
    if (m_ctx.app && m_ctx.app->prompter)
        m_ctx.app->prompter->error(m_inner->window(), QStringLiteral("Error"), text);
}

void CritterPage::report(const UserError& error) {
    if (m_filling) {
        if (!m_fillError)
            m_fillError = error; // shown once by the editor, which leaves the page unsaveable
        return;
    }
    showError(error.path().isEmpty()
                  ? error.text()
                  : error.text() + QStringLiteral("\n") + QDir::toNativeSeparators(error.path()));
}

template <typename F> void CritterPage::guarded(F&& action) {
    try {
        action();
    } catch (const UserError& e) {
        report(e);
    }
}

void CritterPage::change(const Slot& slot) {
    alarm();
    if (slot.field->check != Check::None && slot.partner)
        guarded([&] { highlight(slot.field->check, slot.edit, slot.partner); });
}

void CritterPage::highlight(Check check, QLineEdit* a, QLineEdit* b) {
    const QString ta = a->text();
    const QString tb = b->text();
    // Half-typed numbers leave the marks as they are.
    if (ta.isEmpty() || ta == QLatin1String("-") || tb == QLatin1String("-") || tb.isEmpty())
        return;
    bool tooLarge = false;
    const std::int32_t x = rangeOperand(ta, tooLarge);
    const std::int32_t y = rangeOperand(tb, tooLarge);
    const auto sum = std::int32_t(std::uint32_t(x) + std::uint32_t(y)); // as the game adds them
    const int bound = checkBound(check);
    const bool red = tooLarge || sum < 0 || (bound >= 0 && sum > bound);
    bool changed = setMark(a, red);
    if (b != m_zeroPartner) // the hidden "0" is no field of its own
        changed = setMark(b, red) || changed;
    if (changed && m_ctx.validityChanged)
        m_ctx.validityChanged();
}

// A stored value of 2^31 or more is shown unsigned: it is no signed total, so it is out of
// range (marked, and saveable once corrected) rather than a conversion failure.
std::int32_t CritterPage::rangeOperand(const QString& text, bool& tooLarge) {
    std::int32_t value = 0;
    if (tryStrToInt(text, value))
        return value;
    bool ok = false;
    const qulonglong big = text.trimmed().toULongLong(&ok);
    if (ok && big <= 0xFFFFFFFFull && text.trimmed().front().isDigit()) {
        tooLarge = true;
        return 0;
    }
    return strToInt(text); // throws the conversion message
}

bool CritterPage::marked(const QLineEdit* edit) {
    return edit->property("marked").toBool();
}

bool CritterPage::setMark(QLineEdit* edit, bool red) {
    if (marked(edit) == red)
        return false;
    edit->setProperty("marked", red);
    edit->setStyleSheet(red ? kMarked : QString());
    return true;
}

bool CritterPage::valid() const {
    return std::none_of(m_slots.begin(), m_slots.end(),
                        [](const Slot& s) { return s.edit && marked(s.edit); });
}

void CritterPage::lookUp(const Slot& slot) {
    alarm();
    guarded([&] {
        const std::int32_t n = strToInt(slot.combo->currentText());
        slot.partner->setText(findmessage(protoMsg(), quint16(n), MessageVariant::ProtoMsg));
    });
}

void CritterPage::tip(const Slot& slot) {
    QLineEdit* box = slot.edit;
    if (box->text().isEmpty())
        return;
    std::int32_t x = 0;
    std::int32_t y = 0;
    const bool ok = tryStrToInt(box->text(), x);
    if (!ok || !tryStrToInt(slot.partner->text(), y)) {
        // Once per visit: the pointer goes on moving over the box while the message is up.
        if (m_tipReported != box) {
            m_tipReported = box;
            showError(integerError(ok ? slot.partner->text() : box->text()));
        }
        return;
    }
    slot.tipBar->setText(QLatin1String(slot.field->tip) +
                         QString::number(std::int32_t(std::uint32_t(x) + std::uint32_t(y))));
}

bool CritterPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove)
        return false;
    if (const Slot* slot = m_tipBoxes.value(watched)) {
        if (m_tipReported != watched)
            m_tipReported = nullptr;
        tip(*slot);
    } else if (watched == m_tabs[1] || watched == m_tabs[2]) {
        m_tipReported = nullptr;
        const auto* move = static_cast<QMouseEvent*>(event);
        // Only the base page's free area brings its caption back.
        if (watched == m_tabs[1] && !m_tabs[1]->childAt(move->position().toPoint()))
            m_baseTipBar->setText(kTipCaption);
    }
    return false;
}

void CritterPage::selectType(QComboBox* box, const QString& number) {
    // Whole texts are compared: an entry "0400" is not 400.
    const int at = box->findText(number, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(at);
    if (at < 0)
        box->setEditText(number); // a type the list lacks is shown as its number
}

void CritterPage::frameChanged() {
    std::int32_t type = 0;
    if (m_ctx.header && tryStrToInt(m_ctx.header->edit(1)->text(), type) && type == 1)
        m_preview->showcritterimage(m_ctx.header->frames()->currentText());
}

void CritterPage::fill(const QByteArray& bytes) {
    m_filling = true;
    m_fillError.reset();
    struct Done {
        bool& filling;
        ~Done() { filling = false; }
    } done{m_filling};

    m_size->setText(QString::number(bytes.size()) + QStringLiteral(" bytes"));
    if (m_ctx.header)
        m_preview->showcritterimage(m_ctx.header->frames()->currentText());

    QComboBox* body = qobject_cast<QComboBox*>(m_controls.value(QStringLiteral("ComboBox3")));
    QComboBox* kill = qobject_cast<QComboBox*>(m_controls.value(QStringLiteral("ComboBox4")));
    body->clear();
    kill->clear();
    guarded([&] {
        const TypeSections sections = readsection(protoMsg());
        body->addItems(sections.bodyTypes);
        kill->addItems(sections.killTypes);
    });

    // On a failure the filling still goes on, so that no box keeps the last prototype's value;
    // the first failure is reported at the end and the document cannot be saved.
    for (Slot& s : m_slots) {
        const CritterField& f = *s.field;
        const int width = fieldWidth(f.shown);
        const std::uint32_t value = fieldValue(bytes, f.offset, width);
        s.stored = fieldToHex(bytes, f.offset, width);
        switch (f.shown) {
        case Shown::BodyType:
        case Shown::KillType:
            s.partner->clear();
            selectType(s.combo, showValue(f.shown, value));
            s.filledText = s.combo->currentText();
            break;
        case Shown::Choice:
            s.combo->setCurrentIndex(value <= 1 ? int(value) : -1);
            s.filledIndex = s.combo->currentIndex();
            break;
        default:
            s.edit->setText(showValue(f.shown, value)); // runs the box's change handling
            s.filledText = s.edit->text();
            break;
        }
        s.filled = true;
    }
    for (const Slot& s : m_slots)
        if (s.field->shown == Shown::BodyType || s.field->shown == Shown::KillType)
            lookUp(s);

    if (m_fillError)
        throw *m_fillError;
}

bool CritterPage::untouched(const Slot& slot) const {
    if (!slot.filled)
        return false;
    if (slot.field->shown == Shown::Choice)
        return slot.combo->currentIndex() == slot.filledIndex || slot.combo->currentIndex() < 0;
    return (slot.combo ? slot.combo->currentText() : slot.edit->text()) == slot.filledText;
}

QList<FieldWrite> CritterPage::fieldWrites() const {
    QList<FieldWrite> writes;
    for (const Slot& s : m_slots) {
        const CritterField& f = *s.field;
        const int width = fieldWidth(f.shown);
        if (untouched(s)) {
            writes.append({f.offset, width, s.stored, true});
            continue;
        }
        const QString hex =
            f.shown == Shown::Choice
                ? hex8(std::uint32_t(s.combo->currentIndex()))
                : storeValue(f.shown, s.combo ? s.combo->currentText() : s.edit->text());
        writes.append({f.offset, width, hex, false});
    }
    return writes;
}

} // namespace

std::unique_ptr<TypePage> createCritterPage(QWidget* tab, const PageContext& context) {
    return std::make_unique<CritterPage>(tab, context);
}

} // namespace zantrel

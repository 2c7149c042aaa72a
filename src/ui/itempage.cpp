#include "itempage.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "gamedata/datafolder.h"
#include "gamedata/lists.h"
#include "proto/fieldcodec.h"
#include "proto/itemfields.h"
#include "proto/records.h"
#include "ui/app.h"
#include "ui/formfield.h"
#include "ui/itemcommon.h"
#include "ui/itemkindtabs.h"
#include "ui/itempictures.h"
#include "ui/prompter.h"
#include "ui/redmark.h"
#include "ui/uitext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <iterator>
#include <memory>

namespace zantrel {

namespace {

// The common fields the page itself shows, by offset, in the order they are written.
constexpr int kCommonFields[] = {52, 53, 54, 32, 36, 40, 44, 48, 24};
// The order they are filled: the lists first; the art type byte is not read.
constexpr int kFillOrder[] = {32, 36, 24, 40, 44, 48, 53, 54};

class ItemPage : public TypePage {
    Q_OBJECT
public:
    ItemPage(QWidget* tab, const PageContext& context);

    void fill(const QByteArray& bytes) override;
    void refill(const QByteArray& bytes, const QByteArray& baseline,
                const ChangedFields& changed) override;
    QList<FieldWrite> fieldWrites() const override;
    QList<FieldWrite> convertedWrites() const override;
    bool valid() const override;
    void showFirstInnerPage() override { m_tabs->setCurrentIndex(0); }
    void frameChanged() override;
    int savedLength(int length) const override;

private:
    QWidget* buildTabs();
    void kindPicked();
    void connectFields();
    QWidget* control(const QString& name) const;
    QLineEdit* edit(const QString& name) const;
    QComboBox* combo(const QString& name) const;
    const RecordRow& field(int offset) const { return form(offset).row; }
    FormField& form(int offset);
    const FormField& form(int offset) const;

    void apply(const RecordRow& field, const QByteArray& bytes);
    void applyAll(const QByteArray& bytes);
    void takeFilled(const QByteArray& bytes); // each field's bytes and state as filled
    QList<FieldWrite> writes(bool skipFailures) const;
    QString state(const RecordRow& field) const;
    std::uint32_t value(const RecordRow& field) const;
    int inventoryPosition() const;
    bool inventoryPicture(int position) const;

    void fieldChanged(const RecordRow& field);
    void check(const FormField& field);
    bool untouched(const FormField& field) const;

    void inventoryPicked();
    void drawInventory();
    void drawGround();
    template <typename F> void guarded(F&& draw);
    void report(const UserError& error);

    QWidget* m_tab;
    PageContext m_context;
    QTabWidget* m_tabs = nullptr;
    QComboBox* m_inventoryList = nullptr;
    QLineEdit* m_zero = nullptr;
    QLineEdit* m_size = nullptr;
    std::unique_ptr<ItemPictures> m_pictures;
    ItemKindTabs* m_kinds = nullptr;
    int m_kindIndex = -1;     // the item type list's entry a refused change goes back to
    int m_inventoryCount = 0; // lines of the inventory list; "<NONE>" sits here

    // What the last fill read, and each field's state right after it: a field whose state
    // is unchanged writes back its stored bytes.
    std::vector<FormField> m_fields; // the rows of kCommonFields
    Record m_record;                 // the item's common rows, for the checks
    QByteArray m_bytes;
    bool m_hasFilled = false;
    QStringList* m_fillMessages = nullptr; // while filling: messages already shown
};

ItemPage::ItemPage(QWidget* tab, const PageContext& context) : m_tab(tab), m_context(context) {
    m_record.objectType = 0;
    m_record.rows = recordRows(0, -1);
    for (int offset : kCommonFields) {
        FormField f;
        f.row = *rowAt(m_record.rows, offset);
        m_fields.push_back(f);
    }
    QWidget* common = buildTabs();
    m_inventoryList = buildItemGraphics(common, m_record.rows);
    m_zero = buildItemKind(common, m_record.rows);
    m_pictures = std::make_unique<ItemPictures>(common, *m_context.app);

    itemLabel(TypePage::tr("Size:"), common, {222, 322, 40, 20}, Qt::AlignRight | Qt::AlignVCenter);
    m_size = new QLineEdit(common);
    itemNamed(m_size, "Edit118", {266, 322, 95, 20},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Item file size"));
    m_size->setReadOnly(true);
    connectFields();
}

// The title and the inner tabs; returns the "Common Stats" tab.
QWidget* ItemPage::buildTabs() {
    auto* title = itemLabel(TypePage::tr("Individual Part - Items"), m_tab, {0, 6, 375, 24},
                            Qt::AlignHCenter);
    QFont italic(QStringLiteral("DS Sofachrome"));
    italic.setItalic(true);
    italic.setPointSize(12);
    title->setFont(italic);

    m_tabs = new QTabWidget(m_tab);
    itemNamed(m_tabs, "PageControl3", {2, 28, 371, 374},
              QT_TRANSLATE_NOOP("zantrel::TypePage", "Item pages"));
    auto* common = new QWidget;
    common->setObjectName(QStringLiteral("TabSheet_CommonStats"));
    m_tabs->addTab(common, TypePage::tr("Common Stats"));
    m_kinds = new ItemKindTabs(m_tabs, *m_context.app);
    connect(m_kinds, &ItemKindTabs::edited, this, &TypePage::edited);
    connect(m_kinds, &ItemKindTabs::validityChanged, this, &TypePage::validityChanged);
    return common;
}

// A new item type drops the old kind's fields: asked first, and Cancel keeps the old kind.
void ItemPage::kindPicked() {
    QComboBox* types = combo(field(kKindOffset).control);
    const int to = types->currentIndex();
    if (to == m_kindIndex || to < 0)
        return;
    if (!m_kinds->changeKind(to, m_tab->window())) {
        types->setCurrentIndex(m_kindIndex);
        return;
    }
    m_kindIndex = to;
    // The size box tells the length the save will write.
    m_size->setText(TypePage::tr("%1 bytes").arg(savedLength(int(m_bytes.size()))));
    emit edited();
}

int ItemPage::savedLength(int length) const {
    return m_kinds->savedLength(length);
}

// Change handlers: user picks and typing only, so that filling runs the edits' checks but not
// the lists' handlers.
void ItemPage::connectFields() {
    for (FormField& form : m_fields) {
        const RecordRow& f = form.row;
        QWidget* w = control(f.control);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            connect(e, &QLineEdit::textChanged, this, [this, &f] { fieldChanged(f); });
            connect(e, &QLineEdit::textEdited, this, [&form] { form.typed = true; });
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            connect(c, &QCheckBox::clicked, this, &TypePage::edited);
        } else if (f.offset == kKindOffset) {
            connect(combo(f.control), &QComboBox::activated, this, [this] { kindPicked(); });
        } else if (f.display == Display::Choice) {
            connect(combo(f.control), &QComboBox::activated, this, &TypePage::edited);
        }
    }
    connect(m_inventoryList, &QComboBox::activated, this, [this] { inventoryPicked(); });
    connect(m_inventoryList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { inventoryPicked(); });
}

QWidget* ItemPage::control(const QString& name) const {
    return m_tab->findChild<QWidget*>(name);
}

QLineEdit* ItemPage::edit(const QString& name) const {
    return qobject_cast<QLineEdit*>(control(name));
}

QComboBox* ItemPage::combo(const QString& name) const {
    return qobject_cast<QComboBox*>(control(name));
}

FormField& ItemPage::form(int offset) {
    for (FormField& f : m_fields)
        if (f.row.offset == offset)
            return f;
    Q_UNREACHABLE();
}

const FormField& ItemPage::form(int offset) const {
    return const_cast<ItemPage*>(this)->form(offset);
}

void ItemPage::takeFilled(const QByteArray& bytes) {
    for (FormField& f : m_fields) {
        f.fillFrom(bytes);
        f.filled = state(f.row);
    }
    m_bytes = bytes;
    m_hasFilled = true;
}

void ItemPage::fill(const QByteArray& bytes) {
    m_size->setText(TypePage::tr("%1 bytes").arg(bytes.size()));
    m_inventoryList->clear();
    m_inventoryCount = 0;
    m_hasFilled = false;
    const ListContents list = readListBytes(
        m_context.app->gameData().read(DataKind::InventoryArt, QStringLiteral("inven.lst")),
        ListMode::WholeLine);
    m_inventoryList->addItems(list.entries);
    m_inventoryCount = list.count;

    for (FormField& f : m_fields) {
        f.typed = false;
        f.filled = QString(); // nothing counts as unchanged until the filling is done
    }
    applyAll(bytes);
    takeFilled(bytes);

    m_kinds->fill(bytes);
    m_kindIndex = combo(field(kKindOffset).control)->currentIndex();

    // Both pictures; a setting both fail on is reported once.
    QStringList shown;
    m_fillMessages = &shown;
    inventoryPicked();
    drawGround();
    m_fillMessages = nullptr;
}

void ItemPage::applyAll(const QByteArray& bytes) {
    for (int offset : kFillOrder)
        apply(field(offset), bytes);
    // A field the short file does not hold wholly is shown, never edited nor written.
    for (const FormField& form : m_fields) {
        const RecordRow& f = form.row;
        QWidget* w = f.display == Display::Picture ? m_inventoryList : control(f.control);
        if (w && f.display != Display::Unsigned) // the art type byte has no control of its own
            setAbsent(w, f.offset + f.width > bytes.size());
    }
}

// The lists keep their entries; each field the change touched is shown again, judged
// against the file as opened.
void ItemPage::refill(const QByteArray& bytes, const QByteArray& baseline,
                      const ChangedFields& changed) {
    const auto apply = [&](const QByteArray& from) {
        for (int offset : kFillOrder)
            if (changed.touches(field(offset)))
                this->apply(field(offset), from);
    };
    m_hasFilled = false;
    apply(baseline);
    for (FormField& f : m_fields)
        if (changed.touches(f.row)) {
            f.fillFrom(baseline);
            f.filled = state(f.row);
        }
    m_bytes = baseline;
    m_hasFilled = true;
    apply(bytes);
    m_kinds->refill(bytes, baseline, changed);
    m_kindIndex = combo(field(kKindOffset).control)->currentIndex();
    m_size->setText(QString::number(savedLength(int(bytes.size()))) + QStringLiteral(" bytes"));
    QStringList shown;
    m_fillMessages = &shown;
    drawInventory();
    drawGround();
    m_fillMessages = nullptr;
}

void ItemPage::apply(const RecordRow& field, const QByteArray& bytes) {
    switch (field.display) {
    case Display::Choice: {
        QComboBox* box = combo(field.control);
        box->setCurrentIndex(listPosition(field, bytes, box->count()));
        break;
    }
    case Display::Marker:
        qobject_cast<QCheckBox*>(control(field.control))
            ->setChecked(fieldValue(bytes, field.offset, field.width) == kHiddenMarker);
        break;
    case Display::Signed:
    case Display::Shift:
        edit(field.control)->setText(showField(field, bytes));
        break;
    case Display::Picture:
        m_inventoryList->setCurrentIndex(listPosition(field, bytes, m_inventoryCount));
        break;
    default:
        break; // the art type byte: written only
    }
}

QString ItemPage::state(const RecordRow& field) const {
    switch (field.display) {
    case Display::Choice:
        return QString::number(combo(field.control)->currentIndex());
    case Display::Marker:
        return qobject_cast<QCheckBox*>(control(field.control))->isChecked() ? QStringLiteral("1")
                                                                             : QStringLiteral("0");
    case Display::Signed:
    case Display::Shift:
        return edit(field.control)->text();
    default:
        break;
    }
    return QString::number(inventoryPosition());
}

// The selected entry's position; typed text counts when it names an entry.
int ItemPage::inventoryPosition() const {
    const int at = m_inventoryList->currentIndex();
    const QString text = m_inventoryList->currentText();
    if (at >= 0 && m_inventoryList->itemText(at) == text)
        return at;
    if (text.isEmpty())
        return -1;
    return m_inventoryList->findText(text, Qt::MatchFixedString);
}

bool ItemPage::inventoryPicture(int position) const {
    return position >= 0 && position < m_inventoryCount;
}

// A field's new value from its control; throws UserError for a text that does not convert.
std::uint32_t ItemPage::value(const RecordRow& field) const {
    switch (field.display) {
    case Display::Choice: {
        const int at = combo(field.control)->currentIndex();
        return at < 0 ? 0xFFFFFFFFu : std::uint32_t(at);
    }
    case Display::Marker:
        return qobject_cast<QCheckBox*>(control(field.control))->isChecked() ? kHiddenMarker : 0;
    case Display::Signed:
    case Display::Shift:
        return signedValue(field, edit(field.control)->text(), m_bytes);
    case Display::Picture: {
        const int at = inventoryPosition();
        return inventoryPicture(at) ? std::uint32_t(at) : kNoPicture;
    }
    default:
        // No picture is the game's all-ones art id, not an inventory art type with no index.
        return inventoryPicture(inventoryPosition()) ? kInventoryArtType : 0xFF;
    }
}

QList<FieldWrite> ItemPage::fieldWrites() const {
    return writes(false);
}

QList<FieldWrite> ItemPage::convertedWrites() const {
    return writes(true);
}

QList<FieldWrite> ItemPage::writes(bool skipFailures) const {
    QList<FieldWrite> writes;
    for (const FormField& f : m_fields)
        appendWrite(
            writes, f, state(f.row), [&] { return value(f.row); }, skipFailures);
    return writes + (skipFailures ? m_kinds->convertedWrites() : m_kinds->fieldWrites());
}

bool ItemPage::valid() const {
    for (const FormField& f : m_fields)
        if (f.row.check != RowCheck::None && isMarked(edit(f.row.control)))
            return false;
    return m_kinds->valid();
}

void ItemPage::fieldChanged(const RecordRow& field) {
    emit edited();
    if (field.check == RowCheck::None)
        return;
    try {
        check(form(field.offset));
    } catch (const UserError& e) {
        report(e);
    }
}

// The row's check on the value typed. A volume or price that does not convert raises the
// alarm; a frame shift that is no number is judged at saving.
void ItemPage::check(const FormField& form) {
    const RecordRow& field = form.row;
    QLineEdit* box = edit(field.control);
    QLineEdit* partner = field.check == RowCheck::NotNegative ? m_zero : nullptr;
    if (isHalfTyped(box->text()) || (partner && isHalfTyped(partner->text())))
        return;
    QString problem;
    try {
        QByteArray candidate = m_bytes;
        setFieldValue(candidate, field.offset, field.width,
                      signedValue(field, box->text(), m_bytes));
        problem = checkField(m_record, field, candidate);
    } catch (const UserError& e) {
        std::int32_t number = 0;
        if (field.check == RowCheck::FrameShift && !tryStrToInt(box->text(), number))
            return;
        if (field.check != RowCheck::FrameShift)
            throw;
        problem = e.text();
    }
    const bool outside = !problem.isEmpty();
    // A value as the file stores it is saved as it is: marked, but never blocking.
    const QString range = storedNote(checkRange(m_record, field));
    for (QLineEdit* marked : {box, partner})
        if (marked)
            markCheck(marked, outside, untouched(form), range);
    emit validityChanged();
}

// While filling every field counts as untouched: what the file stores is shown as stored.
bool ItemPage::untouched(const FormField& field) const {
    return !field.typed && (!m_hasFilled || field.unchanged(state(field.row)));
}

void ItemPage::inventoryPicked() {
    emit edited();
    drawInventory();
}

void ItemPage::drawInventory() {
    const int at = inventoryPosition();
    if (at < 0 || at == m_inventoryCount)
        m_pictures->clearInventory();
    else
        guarded([&] { m_pictures->showInventory(m_inventoryList->itemText(at)); });
}

// The ground picture of the header's frame list, for every object type.
void ItemPage::drawGround() {
    const int at = m_context.frames->currentIndex();
    if (at < 0 || at == m_context.document->artCount())
        m_pictures->clearGround();
    else
        guarded([&] { m_pictures->showGround(m_context.frames->itemText(at)); });
}

void ItemPage::frameChanged() {
    drawGround();
}

template <typename F> void ItemPage::guarded(F&& draw) {
    try {
        draw();
    } catch (const UserError& e) {
        report(e);
    }
}

void ItemPage::report(const UserError& error) {
    const QString text = AppContext::withPath(error.text(), error.path());
    if (m_fillMessages) {
        if (m_fillMessages->contains(text))
            return;
        m_fillMessages->append(text);
    }
    m_context.app->prompter->error(m_tab->window(), TypePage::tr("Error"), text);
}

} // namespace

std::unique_ptr<TypePage> createItemPage(QWidget* tab, const PageContext& context) {
    return std::make_unique<ItemPage>(tab, context);
}

} // namespace zantrel

#include "itempage.moc"

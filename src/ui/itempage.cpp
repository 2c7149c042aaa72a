#include "itempage.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "gamedata/datafolder.h"
#include "gamedata/lists.h"
#include "proto/fieldcodec.h"
#include "proto/itemfields.h"
#include "ui/app.h"
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

class ItemPage : public TypePage {
    Q_OBJECT
public:
    ItemPage(QWidget* tab, const PageContext& context);

    void fill(const QByteArray& bytes) override;
    void refill(const QByteArray& bytes, const QByteArray& baseline) override;
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
    QWidget* control(const char* name) const;
    QLineEdit* edit(const char* name) const;
    QComboBox* combo(const char* name) const;

    void apply(const ItemField& field, const QByteArray& bytes);
    void applyAll(const QByteArray& bytes);
    QList<FieldWrite> writes(bool skipFailures) const;
    QString state(const ItemField& field) const;
    std::uint32_t value(const ItemField& field) const;
    int inventoryPosition() const;
    bool inventoryPicture(int position) const;

    void fieldChanged(const ItemField& field);
    void check(const ItemField& field);
    bool untouched(const ItemField& field) const;

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
    QByteArray m_bytes;
    QString m_filled[kItemFieldCount];
    bool m_typed[kItemFieldCount] = {}; // typed into since the filling
    bool m_hasFilled = false;
    QStringList* m_fillMessages = nullptr; // while filling: messages already shown
};

ItemPage::ItemPage(QWidget* tab, const PageContext& context) : m_tab(tab), m_context(context) {
    QWidget* common = buildTabs();
    m_inventoryList = buildItemGraphics(common);
    m_zero = buildItemKind(common);
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
    QComboBox* types = combo("ComboBox9");
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
    for (const ItemField& f : kItemFields) {
        QWidget* w = control(f.control);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            connect(e, &QLineEdit::textChanged, this, [this, &f] { fieldChanged(f); });
            connect(e, &QLineEdit::textEdited, this,
                    [this, &f] { m_typed[&f - kItemFields] = true; });
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            connect(c, &QCheckBox::clicked, this, &TypePage::edited);
        } else if (f.offset == kKindOffset) {
            connect(combo(f.control), &QComboBox::activated, this, [this] { kindPicked(); });
        } else if (f.display == ItemDisplay::Choice) {
            connect(combo(f.control), &QComboBox::activated, this, &TypePage::edited);
        }
    }
    connect(m_inventoryList, &QComboBox::activated, this, [this] { inventoryPicked(); });
    connect(m_inventoryList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { inventoryPicked(); });
}

QWidget* ItemPage::control(const char* name) const {
    return m_tab->findChild<QWidget*>(QLatin1String(name));
}

QLineEdit* ItemPage::edit(const char* name) const {
    return qobject_cast<QLineEdit*>(control(name));
}

QComboBox* ItemPage::combo(const char* name) const {
    return qobject_cast<QComboBox*>(control(name));
}

void ItemPage::fill(const QByteArray& bytes) {
    m_size->setText(TypePage::tr("%1 bytes").arg(bytes.size()));
    m_inventoryList->clear();
    m_inventoryCount = 0;
    m_hasFilled = false;
    std::fill(std::begin(m_typed), std::end(m_typed), false);
    const ListContents list = readListBytes(
        m_context.app->gameData().read(DataKind::InventoryArt, QStringLiteral("inven.lst")),
        ListMode::WholeLine);
    m_inventoryList->addItems(list.entries);
    m_inventoryCount = list.count;

    applyAll(bytes);
    m_bytes = bytes;
    for (int i = 0; i < kItemFieldCount; ++i)
        m_filled[i] = state(kItemFields[i]);
    m_hasFilled = true;

    m_kinds->fill(bytes);
    m_kindIndex = combo("ComboBox9")->currentIndex();

    // Both pictures; a setting both fail on is reported once.
    QStringList shown;
    m_fillMessages = &shown;
    inventoryPicked();
    drawGround();
    m_fillMessages = nullptr;
}

void ItemPage::applyAll(const QByteArray& bytes) {
    for (int i : kItemFillOrder)
        apply(kItemFields[i], bytes);
    // A field the short file does not hold wholly is shown, never edited nor written.
    for (const ItemField& f : kItemFields) {
        QWidget* w = f.display == ItemDisplay::Picture ? m_inventoryList : control(f.control);
        if (w && f.display != ItemDisplay::ArtType)
            setAbsent(w, f.offset + f.width > bytes.size());
    }
}

// The lists keep their entries; each field is judged against the file as opened.
void ItemPage::refill(const QByteArray& bytes, const QByteArray& baseline) {
    std::fill(std::begin(m_typed), std::end(m_typed), false);
    m_hasFilled = false;
    applyAll(baseline);
    for (int i = 0; i < kItemFieldCount; ++i)
        m_filled[i] = state(kItemFields[i]);
    m_bytes = baseline;
    m_hasFilled = true;
    applyAll(bytes);
    m_kinds->refill(bytes, baseline);
    m_kindIndex = combo("ComboBox9")->currentIndex();
    m_size->setText(QString::number(savedLength(int(bytes.size()))) + QStringLiteral(" bytes"));
    QStringList shown;
    m_fillMessages = &shown;
    drawInventory();
    drawGround();
    m_fillMessages = nullptr;
}

void ItemPage::apply(const ItemField& field, const QByteArray& bytes) {
    switch (field.display) {
    case ItemDisplay::Choice: {
        QComboBox* box = combo(field.control);
        box->setCurrentIndex(itemListPosition(field, bytes, box->count()));
        break;
    }
    case ItemDisplay::Marker:
        qobject_cast<QCheckBox*>(control(field.control))
            ->setChecked(fieldValue(bytes, field.offset, field.width) == kHiddenMarker);
        break;
    case ItemDisplay::Signed:
    case ItemDisplay::Shift:
        edit(field.control)->setText(itemFieldText(field, bytes));
        break;
    case ItemDisplay::Picture:
        m_inventoryList->setCurrentIndex(itemListPosition(field, bytes, m_inventoryCount));
        break;
    case ItemDisplay::ArtType:
        break; // written only
    }
}

QString ItemPage::state(const ItemField& field) const {
    switch (field.display) {
    case ItemDisplay::Choice:
        return QString::number(combo(field.control)->currentIndex());
    case ItemDisplay::Marker:
        return qobject_cast<QCheckBox*>(control(field.control))->isChecked() ? QStringLiteral("1")
                                                                             : QStringLiteral("0");
    case ItemDisplay::Signed:
    case ItemDisplay::Shift:
        return edit(field.control)->text();
    case ItemDisplay::Picture:
    case ItemDisplay::ArtType:
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

// A field's new value from its control; throws UserError for a text that is not a number.
std::uint32_t ItemPage::value(const ItemField& field) const {
    switch (field.display) {
    case ItemDisplay::Choice: {
        const int at = combo(field.control)->currentIndex();
        return at < 0 ? 0xFFFFFFFFu : std::uint32_t(at);
    }
    case ItemDisplay::Marker:
        return qobject_cast<QCheckBox*>(control(field.control))->isChecked() ? kHiddenMarker : 0;
    case ItemDisplay::Signed:
    case ItemDisplay::Shift:
        return std::uint32_t(strToInt(edit(field.control)->text())); // -1 gives 255 in a byte
    case ItemDisplay::Picture: {
        const int at = inventoryPosition();
        return inventoryPicture(at) ? std::uint32_t(at) : kNoPicture;
    }
    case ItemDisplay::ArtType:
        // No picture is the game's all-ones art id, not an inventory art type with no index.
        return inventoryPicture(inventoryPosition()) ? kInventoryArtType : 0xFF;
    }
    return 0;
}

QList<FieldWrite> ItemPage::fieldWrites() const {
    return writes(false);
}

QList<FieldWrite> ItemPage::convertedWrites() const {
    return writes(true);
}

QList<FieldWrite> ItemPage::writes(bool skipFailures) const {
    QList<FieldWrite> writes;
    for (int i = 0; i < kItemFieldCount; ++i) {
        const ItemField& f = kItemFields[i];
        if (m_hasFilled && state(f) == m_filled[i]) {
            writes.append({f.offset, f.width, fieldToHex(m_bytes, f.offset, f.width), true});
            continue;
        }
        try {
            writes.append({f.offset, f.width, itemFieldHex(value(f), f.width), false});
        } catch (const UserError&) {
            if (!skipFailures)
                throw;
        }
    }
    return writes + (skipFailures ? m_kinds->convertedWrites() : m_kinds->fieldWrites());
}

bool ItemPage::valid() const {
    for (const ItemField& f : kItemFields)
        if (f.check != ItemCheck::None && isMarked(edit(f.control)))
            return false;
    return m_kinds->valid();
}

void ItemPage::fieldChanged(const ItemField& field) {
    emit edited();
    if (field.check == ItemCheck::None)
        return;
    try {
        check(field);
    } catch (const UserError& e) {
        report(e);
    }
}

// highlight with the field's partner; the frame shift alone, its text judged at saving.
void ItemPage::check(const ItemField& field) {
    QLineEdit* box = edit(field.control);
    QLineEdit* partner = field.partner ? edit(field.partner) : nullptr;
    if (isHalfTyped(box->text()) || (partner && isHalfTyped(partner->text())))
        return;
    std::int32_t sum = 0;
    if (field.check == ItemCheck::FrameShift) {
        if (!tryStrToInt(box->text(), sum))
            return;
    } else {
        sum = strToInt(box->text());
        if (partner)
            sum = std::int32_t(std::uint32_t(sum) + std::uint32_t(strToInt(partner->text())));
    }
    const bool outside = !itemCheckPasses(field.check, sum);
    // A value as the file stores it is saved as it is: marked, but never blocking.
    const bool stored = outside && untouched(field);
    const QString range = field.check == ItemCheck::FrameShift ? QStringLiteral("-1 .. 255")
                                                               : QStringLiteral("0 .. 2147483647");
    for (QLineEdit* marked : {box, partner})
        if (marked) {
            setMarked(marked, outside && !stored);
            setStoredMark(marked, stored, storedNote(range));
        }
    emit validityChanged();
}

bool ItemPage::untouched(const ItemField& field) const {
    const int i = int(&field - kItemFields);
    return !m_typed[i] && (!m_hasFilled || state(field) == m_filled[i]);
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

#include "critterpage.h"

#include "accessibility.h"
#include "core/numbers.h"
#include "core/usererror.h"
#include "critterlayout.h"
#include "flags.h"
#include "gamedata/datafolder.h"
#include "gamedata/gamenames.h"
#include "gamedata/lists.h"
#include "preview/critterart.h"
#include "proto/critterrows.h"
#include "proto/fieldcodec.h"
#include "ui/aipacketlist.h"
#include "ui/app.h"
#include "ui/critterpreview.h"
#include "ui/formfield.h"
#include "ui/prompter.h"
#include "ui/redmark.h"
#include "ui/uitext.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace zantrel {

namespace {

// Facing 1..6 of a critter's standing art from the game as installed, in the game's palette
// (black where the palette cannot be read, as the item pictures do).
std::optional<CritterPreview::Art> critterArt(const GameData& data, const QString& name,
                                              int facing) {
    const GameFileReader read = [&data](const QString& path) -> std::optional<QByteArray> {
        if (!data.existsGamePath(path))
            return std::nullopt;
        return data.readGamePath(path);
    };
    std::optional<StandingArt> art = findStandingArt(read, name, facing);
    if (!art)
        return std::nullopt;
    Palette palette;
    try {
        palette = Palette::fromBytes(data.read(DataKind::Palette, QStringLiteral("color.pal")));
    } catch (const UserError&) {
    }
    return CritterPreview::Art{std::move(*art), palette};
}

// One record field and the controls it is shown in.
struct Slot : FormField {
    QLineEdit* edit = nullptr;    // the text, for every kind but the combo boxes
    QComboBox* combo = nullptr;   // the gender, body and kill types
    QLineEdit* partner = nullptr; // the range partner, or a type's name box
    QLabel* tipBar = nullptr;     // Panel2 or Panel3 for the 34 statistics

    bool genderList() const { return combo && !combo->isEditable(); }
    QString state() const {
        return genderList() ? QString::number(combo->currentIndex())
               : combo      ? combo->currentText()
                            : edit->text();
    }
};

class CritterPage : public TypePage {
    Q_OBJECT
public:
    CritterPage(QWidget* tab, const PageContext& context);

    void fill(const QByteArray& bytes) override;
    // Showing bytes again is filling the fields the change touched from them.
    void refill(const QByteArray& bytes, const QByteArray&, const ChangedFields& changed) override;
    QList<FieldWrite> fieldWrites() const override { return writes(false); }
    QList<FieldWrite> convertedWrites() const override { return writes(true); }
    bool valid() const override;
    void showFirstInnerPage() override { m_layout.inner()->setCurrentIndex(0); }
    void frameChanged() override;
    void opened() override { m_preview->enable(); }
    QPlainTextEdit* descriptionBox() const override { return m_layout.memo(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeSlots();
    void connectSlots();
    void fillTypeLists();
    void fillSlot(Slot& slot, const QByteArray& bytes);

    void change(const Slot& slot); // EditNChange: the alarm, then the field's range check
    void highlight(const Slot& slot);
    void recheck(const ChangedFields* changed); // every checked box, or those changed touched
    void lookUp(const Slot& slot);              // bodyTypeChanged / killTypeChanged
    void tip(const Slot& slot);                 // EditNMouseMove
    static void selectType(QComboBox* box, const QString& number);
    QList<FieldWrite> writes(bool skipFailures) const;
    QByteArray protoMsg() const;

    template <typename F> void guarded(F&& action);
    void report(const UserError& error);
    void showError(const QString& text);

    PageContext m_ctx;
    CritterLayout m_layout;
    std::unique_ptr<CritterPreview> m_preview;
    AiPacketList* m_aiPackets = nullptr;
    std::vector<Slot> m_slots; // in the order of critterPageRows()
    Record m_record;           // the critter's rows, for the checks' messages
    QHash<QObject*, const Slot*> m_tipBoxes;

    bool m_filling = false;
    std::optional<UserError> m_fillError; // the first failure of a filling
    QObject* m_tipReported = nullptr;     // the box whose tip failure was shown last
};

CritterPage::CritterPage(QWidget* tab, const PageContext& context) : m_ctx(context), m_layout(tab) {
    connect(m_layout.flags(), &CritterFlags::edited, this, &TypePage::edited);
    makeSlots();
    connectSlots();
    m_preview = std::make_unique<CritterPreview>(
        m_layout.page(CritterTab::General), QPoint(8, 154),
        m_ctx.app ? m_ctx.app->startFolder : QString(),
        m_ctx.app ? m_ctx.app->picturesFolder() : QString(),
        m_ctx.app && m_ctx.app->makeClock ? m_ctx.app->makeClock() : nullptr);
    if (const AppContext* app = m_ctx.app)
        m_preview->setArtSource([app](const QString& name, int facing) {
            return critterArt(app->gameData(), name, facing);
        });
    connect(m_preview.get(), &CritterPreview::failed, this, &CritterPage::showError);
    // Below the flag words: the packet's name for the number box above.
    m_aiPackets =
        new AiPacketList(m_layout.page(CritterTab::Other),
                         qobject_cast<QLineEdit*>(m_layout.control(QStringLiteral("Edit108"))),
                         QRect(4, 304, 366, 22));
    // "General" reads by rows: each type's box, then its name beside it.
    orderTabsByRows(m_layout.page(CritterTab::General));
}

void CritterPage::makeSlots() {
    m_record.objectType = 1;
    m_record.rows = recordRows(1, -1);
    m_slots.reserve(critterPageRows().size());
    for (const RecordRow& f : critterPageRows()) {
        Slot s;
        s.row = f;
        QWidget* control = m_layout.control(f.control);
        s.edit = qobject_cast<QLineEdit*>(control);
        s.combo = qobject_cast<QComboBox*>(control);
        // A total's partner field, or the hidden "0" for a total of one field; the body and
        // kill types' names beside their lists.
        const RecordRow* partner = f.partner >= 0 ? rowAt(critterPageRows(), f.partner) : nullptr;
        if (partner)
            s.partner = qobject_cast<QLineEdit*>(m_layout.control(partner->control));
        else if (f.check == RowCheck::Total)
            s.partner = m_layout.zeroPartner();
        else if (f.place.nameBox)
            s.partner = qobject_cast<QLineEdit*>(m_layout.control(QLatin1String(f.place.nameBox)));
        if (f.place.tip)
            s.tipBar = m_layout.tipBar(critterTab(f));
        m_slots.push_back(s);
    }
}

// Handlers are connected once the boxes hold their first texts, so building raises no alarm.
void CritterPage::connectSlots() {
    for (Slot& s : m_slots) {
        Slot* slot = &s;
        if (s.row.display == Display::HexFlags) {
            // the flag words run their own text-change cycle
        } else if (s.combo && !s.combo->isEditable()) { // the gender
            connect(s.combo, &QComboBox::activated, this, &TypePage::edited);
        } else if (s.combo) { // the body and kill types
            connect(s.combo, &QComboBox::activated, this, [this, slot] { lookUp(*slot); });
            connect(s.combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, slot] { lookUp(*slot); });
        } else {
            connect(s.edit, &QLineEdit::textEdited, this, [slot] { slot->typed = true; });
            connect(s.edit, &QLineEdit::textChanged, this, [this, slot] { change(*slot); });
        }
        if (s.tipBar) {
            s.edit->setMouseTracking(true);
            s.edit->installEventFilter(this);
            m_tipBoxes.insert(s.edit, slot);
        }
    }
    for (CritterTab t : {CritterTab::Base, CritterTab::Extra}) {
        QWidget* page = m_layout.page(t);
        page->setMouseTracking(true);
        page->installEventFilter(this);
    }
}

QByteArray CritterPage::protoMsg() const {
    return m_ctx.app->gameData().read(DataKind::Messages, QStringLiteral("proto.msg"));
}

void CritterPage::showError(const QString& text) {
    if (m_ctx.app && m_ctx.app->prompter)
        m_ctx.app->prompter->error(m_layout.inner()->window(), TypePage::tr("Error"), text);
}

void CritterPage::report(const UserError& error) {
    if (m_filling) {
        if (!m_fillError)
            m_fillError = error; // shown once by the editor, which leaves the page unsaveable
        return;
    }
    showError(AppContext::withPath(error.text(), error.path()));
}

template <typename F> void CritterPage::guarded(F&& action) {
    try {
        action();
    } catch (const UserError& e) {
        report(e);
    }
}

void CritterPage::change(const Slot& slot) {
    emit edited();
    if (slot.row.check != RowCheck::None && slot.partner)
        guarded([&] { highlight(slot); });
}

// The row's check on the two boxes' values as they would be saved. A text that does not
// convert throws its message (the alarm); a number beyond the signed range (shown for a
// stored pattern of 2^31 or more) is no total the game adds, so it is out of range: marked,
// and saveable once corrected. The critter page keeps its own rule: a pair the file stores
// outside its range is red like a typed one (the other pages mark such values as stored).
void CritterPage::highlight(const Slot& slot) {
    const RecordRow& row = slot.row;
    QLineEdit* a = slot.edit;
    QLineEdit* b = slot.partner;
    const QString ta = a->text();
    const QString tb = b->text();
    if (isHalfTyped(ta) || isHalfTyped(tb))
        return;
    QByteArray candidate(recordLength(1, -1), '\0');
    bool beyond = false;
    const auto put = [&](const RecordRow& r, const QString& text) {
        setFieldValue(candidate, r.offset, r.width, parseValue(r, text, candidate));
        std::int32_t n = 0;
        beyond = beyond || !tryStrToInt(text, n);
    };
    put(row, ta);
    if (const RecordRow* partner = rowAt(m_record.rows, row.partner))
        put(*partner, tb); // else b is the hidden "0"
    const bool fails = beyond || !checkField(m_record, row, candidate).isEmpty();
    bool changed = markCheck(a, fails, false, QString());
    if (b != m_layout.zeroPartner()) // the hidden "0" is no field of its own
        changed = markCheck(b, fails, false, QString()) || changed;
    if (changed)
        emit validityChanged();
}

bool CritterPage::valid() const {
    return std::none_of(m_slots.begin(), m_slots.end(),
                        [](const Slot& s) { return s.edit && isMarked(s.edit); });
}

void CritterPage::lookUp(const Slot& slot) {
    emit edited();
    guarded([&] {
        const std::int32_t n = strToInt(slot.combo->currentText());
        slot.partner->setText(
            m_ctx.app->gameData().message(QStringLiteral("proto.msg"), quint16(n)));
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
    slot.tipBar->setText(tableText("Critter", slot.row.place.tip) +
                         QString::number(std::int32_t(std::uint32_t(x) + std::uint32_t(y))));
}

bool CritterPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove)
        return false;
    QWidget* base = m_layout.page(CritterTab::Base);
    if (const Slot* slot = m_tipBoxes.value(watched)) {
        if (m_tipReported != watched)
            m_tipReported = nullptr;
        tip(*slot);
    } else if (watched == base || watched == m_layout.page(CritterTab::Extra)) {
        m_tipReported = nullptr;
        const auto* move = static_cast<QMouseEvent*>(event);
        // Only the base page's free area brings its caption back.
        if (watched == base && !base->childAt(move->position().toPoint()))
            m_layout.tipBar(CritterTab::Base)->setText(CritterLayout::tipCaption());
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
    if (m_ctx.objectType && m_ctx.frames && tryStrToInt(m_ctx.objectType->text(), type) &&
        type == 1)
        m_preview->showcritterimage(m_ctx.frames->currentText());
}

void CritterPage::fill(const QByteArray& bytes) {
    m_filling = true;
    m_fillError.reset();
    struct Done {
        bool& filling;
        ~Done() { filling = false; }
    } done{m_filling};

    m_layout.size()->setText(TypePage::tr("%1 bytes").arg(bytes.size()));
    if (m_ctx.frames)
        m_preview->showcritterimage(m_ctx.frames->currentText());
    fillTypeLists();

    // On a failure the filling still goes on, so that no box keeps the last prototype's value;
    // the first failure is reported at the end and the document cannot be saved.
    for (Slot& s : m_slots) {
        fillSlot(s, bytes);
        // A field the short file does not hold wholly is shown, never edited nor written.
        const bool present = s.row.offset + s.row.width <= bytes.size();
        for (QWidget* w : {static_cast<QWidget*>(s.edit), static_cast<QWidget*>(s.combo)})
            if (w)
                setAbsent(w, !present);
    }
    for (const Slot& s : m_slots)
        if (s.row.display == Display::BodyType || s.row.display == Display::KillType)
            lookUp(s);
    recheck(nullptr);
    if (m_ctx.app)
        m_aiPackets->fill(GameNames(m_ctx.app->gameData()));

    if (m_fillError)
        throw *m_fillError;
}

void CritterPage::refill(const QByteArray& bytes, const QByteArray&, const ChangedFields& changed) {
    for (Slot& s : m_slots) {
        if (!changed.touches(s.row))
            continue;
        fillSlot(s, bytes);
        if (s.row.display == Display::BodyType || s.row.display == Display::KillType)
            lookUp(s);
    }
    recheck(&changed);
}

// Once every box is filled: a pair is judged with both its new values (a box whose text did
// not change ran no check of its own).
void CritterPage::recheck(const ChangedFields* changed) {
    for (const Slot& s : m_slots)
        if (s.edit && s.partner && s.row.check != RowCheck::None &&
            (!changed || changed->touches(s.row)))
            guarded([&] { highlight(s); });
}

void CritterPage::fillTypeLists() {
    auto* body = qobject_cast<QComboBox*>(m_layout.control(QStringLiteral("ComboBox3")));
    auto* kill = qobject_cast<QComboBox*>(m_layout.control(QStringLiteral("ComboBox4")));
    body->clear();
    kill->clear();
    guarded([&] {
        const TypeSections sections = readSectionBytes(protoMsg());
        body->addItems(sections.bodyTypes);
        kill->addItems(sections.killTypes);
    });
}

void CritterPage::fillSlot(Slot& s, const QByteArray& bytes) {
    const RecordRow& f = s.row;
    const std::uint32_t value = fieldValue(bytes, f.offset, f.width);
    s.fillFrom(bytes);
    if (s.genderList()) {
        s.combo->setCurrentIndex(value <= 1 ? int(value) : -1);
    } else if (s.combo) { // a body or kill type
        s.partner->clear();
        selectType(s.combo, showStored(f, value));
    } else {
        s.edit->setText(showStored(f, value)); // runs the box's change handling
    }
    s.filled = s.state();
}

QList<FieldWrite> CritterPage::writes(bool skipFailures) const {
    QList<FieldWrite> writes;
    for (const Slot& s : m_slots) {
        const QString state = s.state();
        appendWrite(
            writes, s, state,
            [&] {
                return s.genderList() ? std::uint32_t(s.combo->currentIndex())
                                      : signedValue(s.row, state, {});
            },
            skipFailures);
    }
    return writes;
}

} // namespace

std::unique_ptr<TypePage> createCritterPage(QWidget* tab, const PageContext& context) {
    return std::make_unique<CritterPage>(tab, context);
}

} // namespace zantrel

#include "critterpage.moc"

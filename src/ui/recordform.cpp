#include "recordform.h"
#include "recordformfield.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "gamedata/lists.h"
#include "proto/fieldcodec.h"
#include "ui/hexvalidator.h"
#include "ui/redmark.h"
#include "ui/uitext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zantrel {

using D = Display;

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

bool isList(Display d) {
    return d == D::Choice || d == D::Perk || d == D::Statistic;
}

int choiceCount(Choices list) {
    switch (list) {
    case Choices::Material:
        return 8;
    case Choices::ItemKind:
    case Choices::DamageType:
        return 7;
    case Choices::SceneryKind:
        return 6;
    case Choices::Caliber:
        return 19;
    case Choices::WeaponAnimation:
        return 11;
    case Choices::AttackMode:
        return 9;
    case Choices::Gender:
        return 2;
    case Choices::AiPacket:
    case Choices::Map:
    case Choices::None:
        break;
    }
    return 0;
}

constexpr int kPerks = 119;
constexpr int kStatistics = 38;

QLineEdit* lineEdit(QWidget* parent, const QString& object, const QString& accessible) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(object);
    e->setAccessibleName(accessible);
    return e;
}

QComboBox* comboBox(QWidget* parent, const QString& object, const QString& accessible) {
    auto* c = new QComboBox(parent);
    c->setObjectName(object);
    c->setAccessibleName(accessible);
    c->setMaxVisibleItems(20);
    // Lists are filled at each opening: the box follows its longest entry, so no name is cut.
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

// A row of controls in one grid cell.
QWidget* strip(QWidget* parent, QHBoxLayout*& layout) {
    auto* w = new QWidget(parent);
    layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    return w;
}

QString captionName(const char* caption) {
    QString text = QString::fromUtf8(caption).trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

} // namespace

RecordForm::RecordForm(QWidget* area, int objectType, int kind, const std::vector<FormItem>& items,
                       int columns)
    : QObject(area), m_type(objectType), m_kind(kind) {
    build(area, items, columns);
}

RecordForm::~RecordForm() = default;

void RecordForm::build(QWidget* place, const std::vector<FormItem>& items, int columns) {
    // One named body holds the controls, so that the theme styles every form alike.
    auto* outer = new QVBoxLayout(place);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* area = new QWidget(place);
    area->setObjectName(QStringLiteral("RecordFields"));
    outer->addWidget(area);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const std::vector<RecordRow>& rows = recordRows(m_type, m_kind);
    int line = 0, column = 0;
    for (const FormItem& item : items) {
        if (item.wide && column > 0) {
            ++line;
            column = 0;
        }
        auto* caption = new QLabel(tr(item.caption.toUtf8().constData()), area);
        const int span = item.wide ? 2 * columns - 1 : 1;
        if (item.offset < 0) { // a heading
            QFont bold = caption->font();
            bold.setBold(true);
            caption->setFont(bold);
            grid->addWidget(caption, line, 2 * column, 1, 2);
        } else {
            const RecordRow* row = rowAt(rows, item.offset);
            Q_ASSERT(row);
            auto field = std::make_unique<Field>();
            field->row = *row;
            field->bits = item.bits;
            Field& f = *field;
            QWidget* control = makeControl(f, area);
            caption->setBuddy(f.edit    ? static_cast<QWidget*>(f.edit)
                              : f.combo ? static_cast<QWidget*>(f.combo)
                                        : control);
            grid->addWidget(caption, line, 2 * column);
            grid->addWidget(control, line, 2 * column + 1, 1, span);
            m_fields.push_back(std::move(field));
        }
        column = item.wide ? columns : column + 1;
        if (column >= columns) {
            ++line;
            column = 0;
        }
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(2 * c + 1, 1);
    grid->setRowStretch(line + 1, 1);
}

// The field's controls, named from its row, in the one widget that takes its grid cell.
QWidget* RecordForm::makeControl(Field& f, QWidget* area) {
    const QString& object = f.row.control;
    const QString& accessible = f.row.name;
    QWidget* control = nullptr;
    if (!f.bits.empty()) {
        control = new QWidget(area);
        auto* boxes = new QGridLayout(control);
        boxes->setContentsMargins(0, 0, 0, 0);
        boxes->setVerticalSpacing(2);
        for (std::size_t i = 0; i < f.bits.size(); ++i) {
            auto* check = new QCheckBox(tr(f.bits[i].caption), control);
            const QString name = captionName(f.bits[i].caption);
            check->setObjectName(object + QString(name).remove(u' ').remove(u'-'));
            check->setAccessibleName(captionName(check->text().toUtf8().constData()));
            boxes->addWidget(check, int(i) / 4, int(i) % 4);
            f.boxes.push_back(check);
            f.controls.push_back(check);
            connect(check, &QCheckBox::clicked, this, [this] {
                if (!m_filling)
                    emit edited();
            });
        }
    } else if (f.row.display == D::AttackModes || f.row.display == D::Destination) {
        QHBoxLayout* layout = nullptr;
        control = strip(area, layout);
        const bool attack = f.row.display == D::AttackModes;
        const QString first = attack ? QStringLiteral("Primary") : QStringLiteral("Elevation");
        const QString second = attack ? QStringLiteral("Secondary") : QStringLiteral("Tile");
        const QString firstText = attack ? tr("Primary") : tr("Elevation");
        const QString secondText = attack ? tr("Secondary") : tr("Tile");
        layout->addWidget(new QLabel(firstText + QLatin1Char(':'), control));
        if (attack) {
            f.combo = comboBox(control, object + first, tr("%1 attack mode").arg(firstText));
            f.secondary = comboBox(control, object + second, tr("%1 attack mode").arg(secondText));
            f.controls = {f.combo, f.secondary};
        } else {
            f.edit = lineEdit(control, object + first,
                              accessible + QLatin1String(", ") + firstText.toLower());
            f.tile = lineEdit(control, object + second,
                              accessible + QLatin1String(", ") + secondText.toLower());
            f.controls = {f.edit, f.tile};
        }
        layout->addWidget(f.controls[0], 1);
        layout->addWidget(new QLabel(secondText + QLatin1Char(':'), control));
        layout->addWidget(f.controls[1], attack ? 1 : 2);
    } else if (isList(f.row.display)) {
        f.combo = comboBox(area, object, accessible);
        control = f.combo;
        f.controls = {f.combo};
    } else if (f.row.display == D::ProtoId || f.row.display == D::FrameId ||
               f.row.display == D::MapNumber) {
        QHBoxLayout* layout = nullptr;
        control = strip(area, layout);
        f.edit = lineEdit(control, object, accessible);
        f.edit->setFixedWidth(74);
        f.name = new QLabel(control);
        f.name->setObjectName(object + QStringLiteral("Name"));
        layout->addWidget(f.edit);
        layout->addWidget(f.name, 1);
        f.controls = {f.edit};
    } else {
        f.edit = lineEdit(area, object, accessible);
        control = f.edit;
        f.controls = {f.edit};
        if (f.row.display == D::HexFlags)
            f.edit->setValidator(new HexValidator(f.edit, 2 * f.row.width));
        if (f.row.display == D::SoundCode)
            f.edit->setMaxLength(4);
    }
    for (QLineEdit* e : {f.edit, f.tile})
        if (e) {
            connect(e, &QLineEdit::textChanged, this, [this, &f] { changed(f); });
            connect(e, &QLineEdit::textEdited, this, [&f] { f.typed = true; });
        }
    for (QComboBox* c : {f.combo, f.secondary})
        if (c)
            connect(c, &QComboBox::activated, this, [this, &f] { picked(f); });
    return control;
}

void RecordForm::fill(const QByteArray& bytes, const Names* names) {
    fill(bytes, bytes, names);
}

void RecordForm::fill(const QByteArray& bytes, const QByteArray& baseline, const Names* names,
                      const ChangedFields* changed) {
    m_bytes = baseline;
    m_names = names;
    m_filling = true;
    for (auto& f : m_fields) {
        const RecordRow& r = f->row;
        if (changed && !changed->touches(r))
            continue; // the control shows the document's value already
        const bool present = r.offset + r.width <= bytes.size();
        f->fillFrom(baseline);
        if (&baseline != &bytes) {
            // The state the file as opened gives is what counts as untouched.
            const bool there = r.offset + r.width <= baseline.size();
            fillField(*f, there ? fieldValue(baseline, r.offset, r.width) : 0, there);
            f->filled = there ? state(*f) : QString();
        }
        fillField(*f, present ? fieldValue(bytes, r.offset, r.width) : 0, present);
        if (&baseline == &bytes)
            f->filled = state(*f);
    }
    m_filling = false;
    recheck();
}

void RecordForm::fillDefaults(const Names* names) {
    m_bytes = QByteArray(recordLength(m_type, m_kind), '\0');
    m_names = names;
    m_filling = true;
    for (auto& f : m_fields) {
        fillField(*f, defaultStored(f->row), true);
        f->filled.clear(); // never equal to a state: every field is written
    }
    m_filling = false;
    recheck();
}

void RecordForm::fillField(Field& f, std::uint32_t stored, bool present) {
    f.stored = stored;
    f.present = present;
    f.typed = false;
    for (QWidget* w : f.controls)
        w->setEnabled(present);
    if (!f.boxes.empty()) {
        for (std::size_t i = 0; i < f.boxes.size(); ++i)
            f.boxes[i]->setChecked(present && (stored & f.bits[i].mask));
    } else if (f.combo) {
        fillList(f, stored);
    } else if (f.row.display == D::Destination) {
        const bool none = stored == kNone;
        f.edit->setText(!present ? QString()
                        : none   ? QStringLiteral("-1")
                                 : QString::number(stored >> 29));
        f.tile->setText(!present ? QString()
                        : none   ? QStringLiteral("-1")
                                 : QString::number(stored & 0x3FFFFFF));
    } else if (f.name) {
        // An id box shows and reads eight hex digits, none included, so that what is typed
        // is read in the notation shown; a map number is decimal.
        f.edit->setText(!present                        ? QString()
                        : f.row.display == D::MapNumber ? showStored(f.row, stored)
                                                        : hexText(stored, 8));
        showName(f);
    } else {
        f.edit->setText(present ? showStored(f.row, stored) : QString());
    }
}

void RecordForm::fillList(Field& f, std::uint32_t stored) {
    const auto entries = [this, &f](QComboBox* box, std::uint32_t value) {
        box->clear();
        const Display d = f.row.display;
        const Choices list = d == D::AttackModes ? Choices::AttackMode : f.row.choices;
        if (d == D::Perk || d == D::Statistic)
            box->addItem(kNoneEntry, kNone);
        const int count = d == D::Perk        ? kPerks
                          : d == D::Statistic ? kStatistics
                                              : choiceCount(list);
        for (int v = 0; v < count; ++v) {
            QString name;
            if (m_names)
                name = d == D::Perk        ? m_names->perk(v)
                       : d == D::Statistic ? m_names->statistic(v)
                                           : m_names->choice(list, std::uint32_t(v));
            if (name.isEmpty() && d != D::Perk && d != D::Statistic)
                name = shownChoiceName(list, std::uint32_t(v));
            box->addItem(name.isEmpty() ? QString::number(v) : name, std::uint32_t(v));
        }
        int at = box->findData(value);
        if (at < 0) { // a value with no entry: shown as its number and kept
            const RecordRow& r = f.row;
            const std::int64_t shown =
                d == D::AttackModes || r.width != 4 ? std::int64_t(value) : std::int32_t(value);
            box->addItem(QString::number(shown), value);
            at = box->count() - 1;
        }
        box->setCurrentIndex(at);
    };
    if (f.secondary) {
        entries(f.combo, stored & 0xF);
        entries(f.secondary, stored >> 4 & 0xF);
    } else {
        entries(f.combo, stored);
    }
    f.picked = f.combo->currentIndex();
}

QString RecordForm::state(const Field& f) const {
    QString s;
    for (QCheckBox* b : f.boxes)
        s += b->isChecked() ? u'1' : u'0';
    for (const QComboBox* c : {f.combo, f.secondary})
        if (c)
            s += QString::number(c->currentIndex()) + u'|';
    for (const QLineEdit* e : {f.edit, f.tile})
        if (e)
            s += e->text() + u'|';
    return s;
}

std::uint32_t RecordForm::value(const Field& f) const {
    if (!f.boxes.empty()) {
        std::uint32_t v = f.stored;
        for (std::size_t i = 0; i < f.boxes.size(); ++i)
            v = f.boxes[i]->isChecked() ? v | f.bits[i].mask : v & ~f.bits[i].mask;
        return v;
    }
    if (f.secondary)
        return f.secondary->currentData().toUInt() << 4 | f.combo->currentData().toUInt();
    if (f.combo)
        return f.combo->currentData().toUInt();
    if (f.row.display == D::Destination) {
        const QString elevation = f.edit->text().trimmed(), tile = f.tile->text().trimmed();
        if (elevation == QLatin1String("-1") && tile == QLatin1String("-1"))
            return kNone;
        // The facing bits are kept from the file.
        const std::uint32_t facing = f.stored == kNone ? 0 : f.stored >> 26 & 7;
        return parseValue(
            f.row,
            QStringLiteral("elevation %1, facing %2, tile %3").arg(elevation).arg(facing).arg(tile),
            m_bytes, m_names);
    }
    return parseValue(f.row, f.edit->text(), m_bytes, m_names);
}

QList<FieldWrite> RecordForm::fieldWrites() const {
    return writes(false);
}

QList<FieldWrite> RecordForm::convertedWrites() const {
    return writes(true);
}

QList<FieldWrite> RecordForm::writes(bool skipFailures) const {
    QList<FieldWrite> writes;
    for (const auto& f : m_fields)
        appendWrite(
            writes, *f, state(*f), [this, &f] { return value(*f); }, skipFailures);
    return writes;
}

bool RecordForm::valid() const {
    for (const auto& f : m_fields)
        for (const QLineEdit* e : {f->edit, f->tile})
            if (e && isMarked(e))
                return false;
    return true;
}

void RecordForm::setPickGuard(int offset, std::function<bool(std::uint32_t)> guard) {
    for (auto& f : m_fields)
        if (f->row.offset == offset)
            f->guard = std::move(guard);
}

void RecordForm::changed(Field& f) {
    if (m_filling)
        return;
    showName(f);
    emit edited();
    recheck();
}

void RecordForm::picked(Field& f) {
    if (f.guard && !f.secondary && f.combo->currentIndex() != f.picked) {
        if (!f.guard(f.combo->currentData().toUInt())) {
            f.combo->setCurrentIndex(f.picked);
            return;
        }
    }
    f.picked = f.combo->currentIndex();
    emit edited();
    recheck();
}

// The name a prototype or frame id stands for, beside its box.
void RecordForm::showName(Field& f) {
    if (!f.name)
        return;
    QString name;
    try {
        const std::uint32_t v = parseValue(f.row, f.edit->text(), m_bytes, m_names);
        if (m_names && f.row.display == D::MapNumber)
            name = m_names->choice(Choices::Map, v);
        else if (m_names && v != kNone)
            name = f.row.display == D::FrameId ? m_names->frame(v) : m_names->prototype(v);
    } catch (const UserError&) {
        // Not an id yet: no name.
    }
    f.name->setText(name);
}

bool RecordForm::untouched(const Field& f) const {
    return f.untouched(state(f));
}

} // namespace zantrel

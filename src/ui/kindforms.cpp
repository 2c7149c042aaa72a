#include "kindforms.h"

#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "recordform.h"
#include "ui/prompter.h"
#include "ui/uitext.h"

namespace zantrel {

namespace {

// Asked once before a record's kind changes, since the old kind's fields go: true to change.
bool confirmKindChange(Prompter& prompter, QWidget* parent, const QString& what,
                       const QString& from, const QString& to, int length) {
    return prompter.confirm(
        parent, KindForms::tr("Change kind"),
        KindForms::tr("Changing the %1 from %2 to %3 drops the %2 fields. The %3 fields start "
                      "at zero (-1 for prototype ids, perks and destinations), and the file "
                      "is saved at %4 bytes.\n\nChange the %1?")
            .arg(what, from, to)
            .arg(length));
}

} // namespace

KindForms::KindForms(int objectType, std::function<void(int kind)> show)
    : m_type(objectType), m_show(std::move(show)) {}

void KindForms::add(RecordForm* form) {
    m_forms.push_back(form);
}

void KindForms::show(int kind) {
    m_kind = kind >= 0 && kind < int(m_forms.size()) ? kind : -1;
    m_show(m_kind);
}

QString KindForms::title(std::uint32_t kind) const {
    const QString name =
        shownChoiceName(m_type == 0 ? Choices::ItemKind : Choices::SceneryKind, kind);
    return name.isEmpty() ? QString::number(qint32(kind)) : name;
}

void KindForms::fill(const QByteArray& bytes, const Names* names) {
    fill(bytes, bytes, names);
}

void KindForms::fill(const QByteArray& bytes, const QByteArray& baseline, const Names* names,
                     const ChangedFields* changed) {
    m_changed = false;
    m_stored = bytes.size() >= kKindOffset + 4 ? fieldValue(bytes, kKindOffset, 4) : 0xFFFFFFFFu;
    const int shown = m_kind;
    show(recordFor(bytes).kindNumber);
    if (m_kind < 0)
        return;
    RecordForm* form = m_forms[std::size_t(m_kind)];
    // Another kind than the file's has no stored values to judge against; a kind shown anew
    // shows every field.
    if (recordFor(baseline).kindNumber == m_kind)
        form->fill(bytes, baseline, names, m_kind == shown ? changed : nullptr);
    else
        form->fill(bytes, names);
}

bool KindForms::change(int to, Prompter& prompter, QWidget* parent, const Names* names) {
    if (to < 0 || to >= int(m_forms.size()))
        return false; // an unknown kind stays only as the file has it
    const QString what = m_type == 0 ? tr("item type") : tr("scenery kind");
    const std::uint32_t from = m_kind >= 0 ? std::uint32_t(m_kind) : m_stored;
    if (!confirmKindChange(prompter, parent, what, title(from), title(std::uint32_t(to)),
                           recordLength(m_type, to)))
        return false;
    show(to);
    m_forms[std::size_t(to)]->fillDefaults(names);
    m_changed = true;
    return true;
}

QList<FieldWrite> KindForms::fieldWrites() const {
    return m_kind >= 0 ? m_forms[std::size_t(m_kind)]->fieldWrites() : QList<FieldWrite>();
}

QList<FieldWrite> KindForms::convertedWrites() const {
    return m_kind >= 0 ? m_forms[std::size_t(m_kind)]->convertedWrites() : QList<FieldWrite>();
}

bool KindForms::valid() const {
    return m_kind < 0 || m_forms[std::size_t(m_kind)]->valid();
}

int KindForms::savedLength(int length) const {
    return m_changed ? recordLength(m_type, m_kind) : length;
}

} // namespace zantrel

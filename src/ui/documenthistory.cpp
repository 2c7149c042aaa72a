#include "documenthistory.h"

#include "proto/document.h"
#include "proto/records.h"

#include <QScopedValueRollback>
#include <QUndoCommand>
#include <QUndoStack>

namespace zantrel {

namespace {

class EditStep : public QUndoCommand {
public:
    EditStep(DocumentHistory& history, QByteArray before, QByteArray after, QString box,
             const QString& label)
        : QUndoCommand(label), m_history(history), m_before(std::move(before)),
          m_after(std::move(after)), m_box(std::move(box)) {}

    // Typing merges: every step of one box has the same id as any other box's, and
    // mergeWith tells the boxes apart.
    int id() const override { return m_box.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const EditStep*>(other);
        if (next->m_box != m_box)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before); // typed back as it was: no step at all
        return true;
    }
    void undo() override { m_history.restore(m_before); }
    void redo() override { m_history.restore(m_after); }

private:
    DocumentHistory& m_history;
    QByteArray m_before;
    QByteArray m_after;
    QString m_box;
};

} // namespace

DocumentHistory::DocumentHistory(Document& document, QObject* parent)
    : QObject(parent), m_document(document), m_stack(new QUndoStack(this)) {}

void DocumentHistory::record(const QByteArray& after, const QString& box, const QString& label) {
    const QByteArray before = m_document.current();
    if (after == before)
        return;
    const QString name = label.isEmpty() ? fieldName(before, after) : label;
    const QScopedValueRollback<bool> pushing(m_pushing, true);
    m_stack->push(new EditStep(*this, before, after, box, name));
}

void DocumentHistory::restart() {
    m_stack->clear();
    m_stack->setClean();
}

void DocumentHistory::markClean() {
    m_stack->setClean();
}

void DocumentHistory::restore(const QByteArray& bytes) {
    m_document.setCurrent(bytes);
    if (!m_pushing)
        emit restored();
}

// The first field of the record read at opening whose bytes differ; a new kind or length
// is the kind's change.
QString DocumentHistory::fieldName(const QByteArray& before, const QByteArray& after) const {
    QByteArray typed = after;
    if (!typed.isEmpty())
        typed[0] = char(m_document.type());
    const Record record = recordFor(typed);
    const auto differs = [&](const RecordRow& r) {
        return before.mid(r.offset, r.width) != after.mid(r.offset, r.width);
    };
    for (const RecordRow& r : record.rows)
        if ((before.size() != after.size() && r.offset == kKindOffset) ||
            (before.size() == after.size() && differs(r)))
            return r.name;
    return tr("edit");
}

} // namespace zantrel

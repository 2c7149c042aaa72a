// The record form's marks: every field judged as it would be saved.
#include "recordform.h"
#include "recordformfield.h"

#include "core/usererror.h"
#include "proto/fieldcodec.h"
#include "ui/redmark.h"

#include <QLineEdit>

namespace zantrel {

// Every field converted into the record as it would be saved, then each check on it. A value
// the user has not changed is saved as stored, so its failing check marks it amber, not red.
void RecordForm::recheck() {
    QByteArray candidate = m_bytes;
    const int length = recordLength(m_type, m_kind);
    if (candidate.size() < length)
        candidate.append(QByteArray(length - candidate.size(), '\0'));
    bool changedMarks = false;
    const auto mark = [&changedMarks](const Field& f, bool red, bool stored, const QString& tip) {
        for (QLineEdit* box : {f.edit, f.tile})
            if (box) {
                changedMarks |= setMarked(box, red);
                setStoredMark(box, stored, tip);
                if (!stored)
                    box->setToolTip(tip);
            }
    };
    Record record;
    record.rows = recordRows(m_type, m_kind);
    std::vector<const Field*> converted;
    for (const auto& f : m_fields) {
        if (!f->present) { // nothing to judge: a mark from the last file goes
            mark(*f, false, false, QString());
            continue;
        }
        try {
            setFieldValue(candidate, f->row.offset, f->row.width, value(*f));
            converted.push_back(f.get());
        } catch (const UserError& e) {
            if (untouched(*f)) {
                mark(*f, false, true, e.text());
                continue;
            }
            for (QLineEdit* box : {f->edit, f->tile})
                if (box && !isHalfTyped(box->text())) {
                    changedMarks |= setMarked(box, true);
                    box->setToolTip(e.text());
                }
        }
    }
    for (const Field* f : converted) {
        const QString problem = checkField(record, f->row, candidate);
        const bool stored = !problem.isEmpty() && untouched(*f);
        mark(*f, !problem.isEmpty() && !stored, stored,
             stored ? storedNote(checkRange(record, f->row)) : problem);
    }
    if (changedMarks)
        emit validityChanged();
}

} // namespace zantrel

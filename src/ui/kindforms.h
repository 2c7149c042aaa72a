#pragma once

#include "proto/document.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace zantrel {

class ChangedFields;
class Names;
class Prompter;
class RecordForm;

// The forms of an item's or a scenery's kinds, one a kind, of which the record's own kind is
// shown. Picking another kind asks once (the old kind's fields go); the new kind's fields
// then start anew and the file is saved at that kind's length.
class KindForms {
    Q_DECLARE_TR_FUNCTIONS(KindForms)

public:
    // objectType 0 (items) or 2 (scenery); show makes a kind's form visible (-1: none).
    KindForms(int objectType, std::function<void(int kind)> show);

    void add(RecordForm* form); // in kind order
    void fill(const QByteArray& bytes, const Names* names);
    // Shown again (an undo step): judged against baseline while the kind is baseline's.
    void fill(const QByteArray& bytes, const QByteArray& baseline, const Names* names,
              const ChangedFields* changed = nullptr);
    // false (after asking, or for a kind without a form) keeps the old kind.
    bool change(int to, Prompter& prompter, QWidget* parent, const Names* names);

    QList<FieldWrite> fieldWrites() const;
    QList<FieldWrite> convertedWrites() const; // those that convert now
    bool valid() const;
    int savedLength(int length) const; // the new kind's once the kind changed

private:
    void show(int kind);
    QString title(std::uint32_t kind) const;

    int m_type;
    std::function<void(int)> m_show;
    std::vector<RecordForm*> m_forms;
    int m_kind = -1;                      // the kind whose form is shown
    std::uint32_t m_stored = 0xFFFFFFFFu; // the file's kind word, for the question
    bool m_changed = false;               // a new kind was picked since the last fill
};

} // namespace zantrel

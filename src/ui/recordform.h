#pragma once

#include "gamedata/gamedata.h"
#include "gamedata/gamenames.h"
#include "proto/document.h"
#include "proto/records.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace zantrel {

class ChangedFields;

// One bit of a one-byte flag field, shown as a check box.
struct FormBit {
    std::uint32_t mask;
    const char* caption;
};

// One place in a form's grid: a field (the record row at offset) or a heading.
struct FormItem {
    FormItem(int offset, QString caption, bool wide = false, std::vector<FormBit> bits = {})
        : offset(offset), caption(std::move(caption)), wide(wide), bits(std::move(bits)) {}
    static FormItem heading(const char* text) { return FormItem(-1, text); }

    int offset;                // the row's offset; -1: a heading over a column
    QString caption;           // the text before the control, or the heading
    bool wide;                 // takes a whole line of the grid
    std::vector<FormBit> bits; // check boxes for these bits instead of a text box
};

// Controls for some rows of a record, laid out as caption and control pairs in a grid of
// columns. The record table gives each control its object name, accessible name, display,
// conversion and check: the form fills the controls from a prototype's bytes, marks red what
// fails its check as it is typed, and gives the writes of saving. A field the user did not
// touch writes back the bytes it was read from.
class RecordForm : public QObject {
    Q_OBJECT
public:
    RecordForm(QWidget* area, int objectType, int kind, const std::vector<FormItem>& items,
               int columns);
    ~RecordForm() override;

    // Fills from a prototype's bytes; a field past the end of the bytes is disabled and
    // written only once the record is given a new length (fillDefaults).
    void fill(const QByteArray& bytes, const Names* names);
    // Shows bytes again (an undo step); a field showing what baseline (the file as opened)
    // holds counts as untouched, one showing anything else as changed.
    // changed: only the fields it touches are shown again; nullptr: every field.
    void fill(const QByteArray& bytes, const QByteArray& baseline, const Names* names,
              const ChangedFields* changed = nullptr);
    // A new record of the form's kind: zeros, and -1 for prototype ids, perks and
    // destinations. Every field counts as changed.
    void fillDefaults(const Names* names);
    // Every field converted; throws UserError with the first that does not convert.
    QList<FieldWrite> fieldWrites() const;
    // The same, leaving out each field that does not convert now.
    QList<FieldWrite> convertedWrites() const;
    bool valid() const; // no field is marked red

    // Asked before a pick in the list at offset is taken; false puts the old entry back.
    void setPickGuard(int offset, std::function<bool(std::uint32_t to)> guard);

signals:
    void edited();
    void validityChanged();

private:
    struct Field;
    void build(QWidget* area, const std::vector<FormItem>& items, int columns);
    QWidget* makeControl(Field& f, QWidget* area);
    void fillField(Field& f, std::uint32_t stored, bool present);
    void fillList(Field& f, std::uint32_t stored);
    std::uint32_t value(const Field& f) const;
    QList<FieldWrite> writes(bool skipFailures) const;
    QString state(const Field& f) const;
    void changed(Field& f);
    void picked(Field& f);
    void showName(Field& f);
    void recheck();
    bool untouched(const Field& f) const; // as filled, and never typed into

    int m_type;
    int m_kind;
    std::vector<std::unique_ptr<Field>> m_fields;
    QByteArray m_bytes; // what the last fill read (a new record: its zeros)
    const Names* m_names = nullptr;
    bool m_filling = false;
};

// The game's names for a page's forms, read anew for each prototype opened (the game folder
// may have changed in between).
class FormNames {
public:
    const Names* renew(const GameData& data) {
        m_names = std::make_unique<GameNames>(data);
        return m_names.get();
    }
    const Names* names() const { return m_names.get(); }

private:
    std::unique_ptr<GameNames> m_names;
};

} // namespace zantrel

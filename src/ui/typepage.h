#pragma once

#include "proto/document.h"

#include <QByteArray>
#include <QList>
#include <QObject>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace zantrel {

struct AppContext;
class ChangedFields;

// What a type page reads of the editor window. The header's two controls are handed over
// themselves rather than the header panel, so a page depends on no more of the header than it
// reads.
struct PageContext {
    AppContext* app = nullptr;             // settings, prompter, start folder
    const Document* document = nullptr;    // the open prototype
    const QComboBox* frames = nullptr;     // the header's frame list (ComboBox2)
    const QLineEdit* objectType = nullptr; // the header's object type box (Edit1)
};

// A page with fields of its own (items, critters): filled at opening, written at saving.
class TypePage : public QObject {
    Q_OBJECT
public:
    ~TypePage() override = default;
    // setitem / setcritter: fills the page from the prototype's bytes. Throws UserError when
    // the filling cannot go on (the document then stays unsaveable).
    virtual void fill(const QByteArray& bytes) = 0;
    // saveitem / savecritter: every field the page writes, converted first; throws UserError
    // at the first field that does not convert, so that nothing is written.
    virtual QList<FieldWrite> fieldWrites() const = 0;
    // The fields that convert now, for the document; one that does not is left out (its box
    // is marked and the document keeps the field's last value).
    virtual QList<FieldWrite> convertedWrites() const = 0;
    // Shows bytes again (an undo or redo step): the fields the change touched. A field
    // showing what baseline (the file as opened) holds counts as untouched, as after fill.
    virtual void refill(const QByteArray& bytes, const QByteArray& baseline,
                        const ChangedFields& changed) = 0;
    // No range-checked field is marked red.
    virtual bool valid() const = 0;
    // The page is brought forward by the object type: its first inner tab is shown.
    virtual void showFirstInnerPage() = 0;
    // The frame list's entry changed (picked, or followed the frame id box).
    virtual void frameChanged() {}
    // Any prototype was opened (its lists are read): controls that wait for a document.
    virtual void opened() {}
    // The length saving gives the file: a record whose kind changed takes its new kind's.
    virtual int savedLength(int length) const { return length; }
    // The box the description refresh writes for this type, if the page has one.
    virtual QPlainTextEdit* descriptionBox() const { return nullptr; }

signals:
    void edited();          // the user changed a value: the document is modified
    void validityChanged(); // a field turned red or normal
};

} // namespace zantrel

#pragma once

#include "proto/document.h"

#include <QByteArray>
#include <QList>

#include <functional>

class QComboBox;
class QPlainTextEdit;
class QTabWidget;

namespace zantrel {

class HeaderPanel;
struct AppContext;

// What a type page may use of the editor window.
struct PageContext {
    AppContext* app = nullptr;             // settings, prompter, start folder
    const Document* document = nullptr;    // the open prototype
    HeaderPanel* header = nullptr;         // the frame list (ComboBox2) among others
    std::function<void()> setalarm;        // marks the prototype modified
    std::function<void()> validityChanged; // a field turned red or normal
};

// A page with fields of its own (items, critters): filled at opening, written at saving.
class TypePage {
public:
    virtual ~TypePage() = default;
    // setitem / setcritter: fills the page from the prototype's bytes. Throws UserError when
    // the filling cannot go on (the document then stays unsaveable).
    virtual void fill(const QByteArray& bytes) = 0;
    // saveitem / savecritter: every field the page writes, converted first; throws UserError
    // at the first field that does not convert, so that nothing is written.
    virtual QList<FieldWrite> fieldWrites() const = 0;
    // No range-checked field is marked red.
    virtual bool valid() const = 0;
    // The page is brought forward by the object type: its first inner tab is shown.
    virtual void showFirstInnerPage() = 0;
    // The frame list's entry changed (picked, or followed the frame id box).
    virtual void frameChanged() {}
    // Any prototype was opened (its lists are read): controls that wait for a document.
    virtual void opened() {}
    // The box the description refresh writes for this type, if the page has one.
    virtual QPlainTextEdit* descriptionBox() const { return nullptr; }
};

} // namespace zantrel

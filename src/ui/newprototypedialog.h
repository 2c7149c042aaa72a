#pragma once

#include "objecttexts.h"

class QComboBox;
class QFormLayout;
class QRadioButton;

namespace zantrel {

struct AppContext;
class Document;
class DocumentController;

// The prototype open in the editor, as the New prototype dialog offers it to copy.
struct OpenPrototype {
    int type = -1; // none open (or of no known type)
    int kind = -1; // items and scenery
    QString file;  // its file name and its object's name, to say which one is copied
    QString name;
};

// "New prototype": the type, the kind (items and scenery), whether to start as a copy of the
// open prototype (offered only for its own type and kind) or from the kind's defaults, and
// the new object's name and description. OK asks check() first: false keeps it open.
class NewPrototypeDialog : public TextsDialog {
    Q_OBJECT
public:
    NewPrototypeDialog(QWidget* parent, const OpenPrototype& open);

    int type() const;
    int kind() const; // -1 for the types without kinds
    bool fromCopy() const;

private:
    QWidget* buildStart(); // the two ways to start, copy first
    void showKinds();      // the kinds of the chosen type
    void offerCopy();      // the copy only for the open prototype's type and kind

    OpenPrototype m_open;
    QFormLayout* m_form;
    QComboBox* m_type;
    QComboBox* m_kind;
    QRadioButton* m_copy;
    QRadioButton* m_defaults;
};

// Menu -> New prototype: the dialog over window, then on OK the same question as opening
// another file while there are unsaved changes, the prototype added to the game (the shared
// catalogue told), and opened in the editor. Without a game folder it says so instead.
void askNewPrototype(AppContext& app, DocumentController& controller, const Document& document,
                     QWidget* window);

} // namespace zantrel

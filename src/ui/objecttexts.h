#pragma once

#include <QDialog>
#include <QObject>

#include <functional>

class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QUndoStack;

namespace zantrel {

struct AppContext;
class Document;

// The name and description boxes of an object, as every dialog that asks for them has them:
// rows "Name:" and "Description:" of form.
struct TextBoxes {
    QLineEdit* name;
    QPlainTextEdit* description;
};
TextBoxes addTextBoxes(QFormLayout* form, const QString& name, const QString& description);

// True when the game can hold the two texts in its code page; otherwise the refusal is shown
// (naming the box) over parent.
bool textsMayBeKept(const AppContext& app, QWidget* parent, const QString& name,
                    const QString& description);

// A dialog that asks for an object's name and description (in the boxes of addTextBoxes,
// set by the subclass) and asks check() before OK closes it: false keeps it open.
class TextsDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    QString name() const;
    QString description() const;
    std::function<bool()> check; // true when the texts may be kept

    void accept() override;

protected:
    TextBoxes m_boxes{};
};

// The "Name and Description" dialog: the object's two texts, and how many other prototypes
// share its name. A refusal is shown and the dialog stays open.
class ObjectTextsDialog : public TextsDialog {
    Q_OBJECT
public:
    ObjectTextsDialog(QWidget* parent, const QString& name, const QString& description,
                      int sharing);

private:
    QLabel* m_sharing;
};

// The open object's name and description: read from the type's message file once it is
// open, edited in the dialog as one undo step each time, and written to the message file by
// a save before the prototype.
class ObjectTextsEditor : public QObject {
    Q_OBJECT
public:
    ObjectTextsEditor(AppContext& app, Document& document, QUndoStack* history, QWidget* window);

    void load();    // the prototype was opened
    void edit();    // opens the dialog, window-modal, and returns at once
    QString save(); // the file written, empty when nothing changed; throws UserError

private:
    AppContext& m_app;
    Document& m_document;
    QUndoStack* m_history;
    QWidget* m_window;
};

} // namespace zantrel

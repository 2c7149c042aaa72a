#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QUndoStack;

namespace zantrel {

class Document;

// The undo history of the open prototype: every change the user makes is one step holding
// the document's bytes before and after it, named after the field it changed. A run of
// typing in one box is one step.
class DocumentHistory : public QObject {
    Q_OBJECT
public:
    DocumentHistory(Document& document, QObject* parent = nullptr);

    QUndoStack* stack() const { return m_stack; }
    // The bytes a change of the user gave. box: the object name of the text box typed
    // into, empty for a click or a pick; label: what the step is called ("Strength (base)"),
    // empty to take the name of the first field that changed.
    void record(const QByteArray& after, const QString& box, const QString& label);
    void restart();   // a prototype was opened: a new history, clean
    void markClean(); // saved: this is the state the lamp goes out at

    // An undo or redo step puts these bytes in the document.
    void restore(const QByteArray& bytes);

signals:
    void restored(); // the document's bytes changed by an undo or redo: the pages redraw

private:
    QString fieldName(const QByteArray& before, const QByteArray& after) const;

    Document& m_document;
    QUndoStack* m_stack;
    bool m_pushing = false; // the step's first redo: the controls already show it
};

} // namespace zantrel

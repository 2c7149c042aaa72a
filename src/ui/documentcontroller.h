#pragma once

#include "formfield.h"

#include <QObject>
#include <QString>

#include <QList>

class QLineEdit;
class QPushButton;
class QTabWidget;
class QUndoStack;
class QWidget;

namespace zantrel {

struct AppContext;
class Document;
class DocumentHistory;
class FileWatch;
class HeaderPanel;
class ObjectTextsEditor;
class SimplePages;
class TypePage;

// The editor's controls the opening and saving work on.
struct EditorParts {
    QWidget* window = nullptr; // parent of the dialogs
    HeaderPanel* header = nullptr;
    SimplePages* simplePages = nullptr;
    TypePage* itemPage = nullptr;
    TypePage* critterPage = nullptr;
    QTabWidget* pages = nullptr;
    QList<QPushButton*> descriptionButtons; // "Refresh ... Description" of each page
};

// Opening and saving: reads a file into the document and the controls, takes each edit of
// the controls into the document as one step of its history, shows the document again after
// an undo, writes the document back, watches its file and refreshes the description. The
// window frame only starts these.
class DocumentController : public QObject {
    Q_OBJECT
public:
    DocumentController(AppContext& app, Document& document, const EditorParts& parts,
                       QObject* parent = nullptr);

    // Every way of opening asks first while the document has unsaved changes
    // (mayReplaceDocument); the answer No opens nothing and keeps the changes.
    void openWithDialog(); // Open: the open dialog, then openfile
    // A file picked in the tree window or the Recent menu, dropped on the window or named on
    // the command line. False when nothing was opened (the answer No, or a failure shown).
    bool openPath(const QString& path);
    bool openfile(const QString& path); // false when it stopped part-way; never asks
    // A prototype of the game's view ("proto/items/00000001.pro"), archived or loose.
    void openGameFile(const QString& relative);
    // True when there are no unsaved changes, or the user agrees to lose them.
    bool mayReplaceDocument();
    void save();   // Save
    void saveAs(); // Save As
    // The document may be saved; otherwise the user is told the first red field and its tab.
    bool maySave();
    bool savefile(const QString& path, bool saveAs);
    void refreshDescription();   // name and script description of the open type
    void showTypePage(int type); // an object type 0..5 selects its page
    // The page with fields of its own for the open prototype's type, if any.
    TypePage* typePage() const;
    // Validity anew: the prototype opened completely, no field of its page is red and every
    // field the user changed passes its check.
    void updateValidity();
    // A control was changed by the user: its value goes into the document, one undo step.
    void takeEdit();
    QUndoStack* history() const;
    // The open object's name and description in their dialog; saved with the prototype.
    void editTexts();

signals:
    void fileShown(); // the file's name belongs in the caption now
    // A file on disk opened completely or was saved: it belongs in the Recent list.
    void fileUsed(const QString& path);

private:
    bool setvalues(); // fills the header panel and the type's page
    bool openBytes(const QString& path, const QByteArray& bytes, bool archived);
    bool readLists();
    void showTextWarnings();
    void prototypeWritten(); // the shared catalogue reads the saved type again
    void enableForOpen();
    void showError(const QString& text, const QString& path = QString());
    void redraw(); // the controls show the document's bytes again
    void changedOutside(const QString& path);
    void removedOutside(const QString& path);

    AppContext& m_app;
    Document& m_document;
    EditorParts m_parts;
    QString m_savePreset; // the save dialog's file name
    DocumentHistory* m_history;
    FileWatch* m_watch;
    ObjectTextsEditor* m_texts;
    bool m_redrawing = false;
    ChangedFields m_changed; // what the document told changed since the controls showed it
};

} // namespace zantrel

#pragma once

#include "app.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace zantrel {

class Picture;
class PictureButton;

// The root of roots that contains folder, the longest one when several do; empty for none.
QString rootOf(const QStringList& roots, const QString& folder);

// The narrow side window docked on the editor window's left, for picking prototype files:
// a drive box, the linked folder list and the list of the folder's prototype files.
class FileTreeWindow : public QWidget {
    Q_OBJECT
public:
    explicit FileTreeWindow(AppContext& app);

    static constexpr int kWidth = 160;
    static constexpr int kHeight = 572;

    // What a folder list entry is; the list paints the folder pictures from it.
    enum FolderKind { Ancestor, Current, Child };
    enum Role { PathRole = Qt::UserRole, LevelRole, KindRole };

    QString currentFolder() const;
    // The full name of the file selected in the file list; empty when none is.
    QString selectedFile() const;
    // What activating a folder entry does: lists it and makes it the process's current folder.
    void setFolder(const QString& path);
    // Shows the game's own view: "" for its root, "proto/<kind>" for a kind's prototypes.
    void setGameFolder(const QString& folder);
    // Activates the window for the keyboard, at the control that last had the focus in it
    // (the file list the first time).
    void takeKeyboard();

signals:
    void fileChosen(const QString& path);         // a double click or Enter on a prototype
    void gameFileChosen(const QString& relative); // the same in the game's view
    void closeRequested();                        // however it is closed: the editor undocks it
    // Dragging the background drags the editor, the tree following docked.
    void dragPressed(QPoint at);
    void dragMoved(QPoint at);
    void dragReleased();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void fillRoots(QStringList roots);
    void fillFolders();
    void fillFiles();
    void fillGameFolders();
    void fillGameFiles();
    QStringList listedRoots() const;
    QListWidgetItem* addFolderEntry(const QString& text, const QString& path, int level,
                                    FolderKind kind);
    void rootChanged(int index);
    void folderActivated(QListWidgetItem* item);
    void openSelectedFile();

    AppContext& m_app;
    QString m_folder;           // in Qt's separators, absolute and clean
    bool m_inGame = false;      // showing the game's view, not a folder
    bool m_hadKeyboard = false; // takeKeyboard was called before
    QString m_gameFolder;
    QComboBox* m_rootBox = nullptr;
    QListWidget* m_folderList = nullptr;
    QListWidget* m_fileList = nullptr;
    PictureButton* m_closeButton;
};

} // namespace zantrel

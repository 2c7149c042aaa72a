#pragma once

#include "app.h"

#include <QPoint>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QFrame;

namespace zantrel {

class Picture;
class PictureButton;

// A folder box: a line edit with a browse button that opens the folder picker.
class DirectoryEdit : public QWidget {
    Q_OBJECT
public:
    DirectoryEdit(QWidget* parent, const QString& name, AppContext& app);
    // The folder in the program's form; the box shows it with native separators.
    QString text() const;
    void setText(const QString& text);
    QLineEdit* edit() const { return m_edit; }
    QPushButton* browseButton() const { return m_browse; }

private:
    void browse();
    AppContext& m_app;
    QLineEdit* m_edit;
    QPushButton* m_browse;
};

// The settings window: pages of settings (folders, images, the file list the loading screen
// checks, the language and the code page of the game's texts) and picture buttons to save, close
// and restore the defaults.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(AppContext& app);

    // The window's controls as the editable copy of the settings file.
    SettingsForm form() const;
    void setForm(const SettingsForm& form);

    void saveini();     // writes the settings file from the controls
    void readini();     // reads the settings file into the shell's settings record
    void reload();      // loads the controls from the file
    void closeWindow(); // hides the window and gives the editor back

    // Grid rows 1.. (the header row is the grid's own header).
    QStringList gridRows() const;

signals:
    void closed(); // every way out gives the editor back

private:
    void showSettingsPage(int item);
    void useSourcesToggled();
    void addCheckedFile();
    void removeCheckedFile();
    void setGridRows(const QStringList& rows);
    QString cell(int row) const;
    void setCell(int row, const QString& text);
    void buildPictureButtons();
    void saveClicked(); // saves, then closes; a failed save keeps the window open

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& m_app;
    int m_selectedRow = 1;
    bool m_dragging = false;
    QPoint m_pressPoint;
    bool m_placed = false; // centred on the first show only

    Picture* m_background;
    QListWidget* m_list;
    QFrame* m_pages[4];
    DirectoryEdit* m_gameFolder;
    DirectoryEdit* m_sourcesFolder;
    QCheckBox* m_useSources;
    QRadioButton* m_half;
    QRadioButton* m_full;
    QTableWidget* m_grid;
    QLineEdit* m_newFile;
    QComboBox* m_language;
    QComboBox* m_codePage;
    PictureButton* m_saveButton;
    PictureButton* m_closeButton;
    PictureButton* m_defaultsButton;
};

} // namespace zantrel

#include "settingswindow.h"

#include "core/files.h"
#include "core/usererror.h"
#include "editorwindow.h"
#include "gamedata/codepage.h"
#include "picture.h"
#include "picturebutton.h"
#include "placement.h"
#include "prompter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTableWidget>

#include <iterator>

namespace zantrel {

namespace {

constexpr int kPages = 4;

// Black controls with phosphor text on the skin; the pictures (also labels) stay untouched,
// so captions are matched only inside the pages.
QLabel* caption(QWidget* page, const QString& text, int y) {
    auto* label = new QLabel(text, page);
    label->setGeometry(0, y, 257, 16);
    return label;
}

// "Windows-1251", "KOI8-R": a converter's name as people write it.
QString codePageCaption(const QString& name) {
    if (name.startsWith(QLatin1String("windows-")))
        return QStringLiteral("Windows-") + name.mid(8);
    return name.toUpper();
}

} // namespace

DirectoryEdit::DirectoryEdit(QWidget* parent, const QString& name, AppContext& app)
    : QWidget(parent), m_app(app), m_edit(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("..."), this)) {
    setObjectName(name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(m_edit, 1);
    m_browse->setFixedWidth(24);
    row->addWidget(m_browse);
    setFocusProxy(m_edit);
    connect(m_browse, &QPushButton::clicked, this, &DirectoryEdit::browse);
}

QString DirectoryEdit::text() const {
    return normalizedPath(m_edit->text());
}

void DirectoryEdit::setText(const QString& text) {
    m_edit->setText(QDir::toNativeSeparators(text));
}

void DirectoryEdit::browse() {
    const QString chosen = askGameFolder(*m_app.prompter, this);
    if (!chosen.isEmpty())
        m_edit->setText(QDir::toNativeSeparators(chosen));
}

SettingsWindow::SettingsWindow(AppContext& app)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_app(app) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Settings"));
    setFixedSize(613, 227);
    // Without a title bar, Escape is the keyboard's way out: it closes without saving.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &SettingsWindow::closeWindow);

    // Created first so that every control lies above it.
    m_background = new Picture(this, QStringLiteral("Image1"),
                               QStringLiteral(":/skins/settings_background.jpg"),
                               QRect(0, 0, 613, 227), tr("Settings"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setGeometry(40, 56, 241, 95);
    m_list->addItems({tr("Files"), tr("Images"), tr("Other "), tr("Language")});
    m_list->setAccessibleName(tr("Settings pages"));
    // Follows the current item rather than clicks only, so arrow keys turn the pages too.
    connect(m_list, &QListWidget::currentRowChanged, this, &SettingsWindow::showSettingsPage);

    static const char* const pageNames[kPages] = {"Panel1", "Panel2", "Panel3", "Panel4"};
    static const char* const pageCaptions[kPages] = {QT_TR_NOOP("Files"), QT_TR_NOOP("Images"),
                                                     QT_TR_NOOP("Other"), QT_TR_NOOP("Language")};
    for (int p = 0; p < kPages; ++p) {
        m_pages[p] = new QFrame(this);
        m_pages[p]->setObjectName(QLatin1String(pageNames[p]));
        m_pages[p]->setGeometry(328, 42, 257, 140);
        m_pages[p]->setAccessibleName(tr(pageCaptions[p]));
        m_pages[p]->setVisible(p == 0);
    }

    QFrame* files = m_pages[0];
    caption(files, tr("Fallout Folder:"), 0);
    m_gameFolder = new DirectoryEdit(files, QStringLiteral("DirectoryEdit1"), m_app);
    m_gameFolder->setGeometry(0, 17, 257, 22);
    m_gameFolder->edit()->setAccessibleName(tr("Fallout folder"));
    m_gameFolder->browseButton()->setAccessibleName(tr("Browse for the Fallout folder"));
    caption(files, tr("Sources Folder:"), 46);
    m_sourcesFolder = new DirectoryEdit(files, QStringLiteral("DirectoryEdit2"), m_app);
    m_sourcesFolder->setGeometry(0, 63, 257, 22);
    m_sourcesFolder->edit()->setAccessibleName(tr("Sources folder"));
    m_sourcesFolder->browseButton()->setAccessibleName(tr("Browse for the sources folder"));
    m_useSources = new QCheckBox(tr("Specify another folder for sources"), files);
    m_useSources->setObjectName(QStringLiteral("CheckBox1"));
    m_useSources->setGeometry(0, 96, 257, 20);
    m_useSources->setAccessibleName(m_useSources->text());
    m_useSources->setChecked(true);
    connect(m_useSources, &QCheckBox::toggled, this, &SettingsWindow::useSourcesToggled);

    QFrame* images = m_pages[1];
    caption(images, tr("Image size:"), 0);
    m_half = new QRadioButton(tr("x1/2 (faster)"), images);
    m_half->setObjectName(QStringLiteral("RadioButton1"));
    m_half->setGeometry(0, 22, 257, 20);
    m_half->setAccessibleName(tr("Image size x1/2 (faster)"));
    m_full = new QRadioButton(tr("x1  (slower)"), images);
    m_full->setObjectName(QStringLiteral("RadioButton2"));
    m_full->setGeometry(0, 44, 257, 20);
    m_full->setAccessibleName(tr("Image size x1 (slower)"));
    m_full->setChecked(true);

    QFrame* other = m_pages[2];
    caption(other, tr("Files:"), 0);
    m_grid = new QTableWidget(0, 1, other);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setGeometry(0, 17, 257, 74);
    m_grid->setHorizontalHeaderLabels({tr("Path To Source File:")});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows change through Add and Remove only, so the list stays free of half-typed names.
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAccessibleName(tr("Files, path to source file"));
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            m_selectedRow = row + 1;
    });
    m_newFile = new QLineEdit(other);
    m_newFile->setObjectName(QStringLiteral("Edit1"));
    m_newFile->setGeometry(0, 95, 257, 20);
    m_newFile->setAccessibleName(tr("File to add"));
    auto* add = new QPushButton(tr("Add File..."), other);
    add->setObjectName(QStringLiteral("xpButton1"));
    add->setGeometry(0, 119, 126, 21);
    add->setAccessibleName(tr("Add file"));
    connect(add, &QPushButton::clicked, this, &SettingsWindow::addCheckedFile);
    auto* remove = new QPushButton(tr("Remove File..."), other);
    remove->setObjectName(QStringLiteral("xpButton2"));
    remove->setGeometry(131, 119, 126, 21);
    remove->setAccessibleName(tr("Remove file"));
    connect(remove, &QPushButton::clicked, this, &SettingsWindow::removeCheckedFile);

    // The language is chosen before any window is built, so a change waits for the next start.
    QFrame* language = m_pages[3];
    caption(language, tr("Language:"), 0);
    m_language = new QComboBox(language);
    m_language->setObjectName(QStringLiteral("ComboBox1"));
    m_language->setGeometry(0, 17, 257, 22);
    m_language->addItem(tr("Original (English and Russian)"), QString());
    m_language->addItem(tr("English"), QStringLiteral("en"));
    m_language->setAccessibleName(tr("Language"));
    QLabel* note = caption(language, tr("Takes effect at the next start."), 46);
    m_language->setAccessibleDescription(note->text());
    // The game's texts are bytes of one code page; a game translated by its players may use
    // another than its language's.
    caption(language, tr("Code page of the game's texts:"), 74);
    m_codePage = new QComboBox(language);
    m_codePage->setObjectName(QStringLiteral("ComboBox2"));
    m_codePage->setGeometry(0, 91, 257, 22);
    m_codePage->addItem(tr("From the game's language"), QString());
    for (const QString& name : availableCodePages())
        m_codePage->addItem(codePageCaption(name), name);
    m_codePage->setAccessibleName(tr("Code page of the game's texts"));

    buildPictureButtons();
    // By rows: the page list with the defaults button below it, the page beside them, then
    // the save and close buttons along the bottom.
    QWidget* order[] = {m_list,
                        m_defaultsButton,
                        m_gameFolder->edit(),
                        m_gameFolder->browseButton(),
                        m_sourcesFolder->edit(),
                        m_sourcesFolder->browseButton(),
                        m_useSources,
                        m_half,
                        m_full,
                        m_grid,
                        m_newFile,
                        add,
                        remove,
                        m_language,
                        m_codePage,
                        m_saveButton,
                        m_closeButton};
    for (size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);

    // Dragging the window by its background.
    connect(m_background, &Picture::pressed, this, [this](QPoint at) {
        m_dragging = true;
        m_pressPoint = at;
    });
    connect(m_background, &Picture::moved, this, [this](QPoint at) {
        if (m_dragging)
            move(pos() + (at - m_pressPoint));
    });
    connect(m_background, &Picture::released, this, [this] { m_dragging = false; });
}

void SettingsWindow::buildPictureButtons() {
    const QRect savePlace(29, 191, 130, 22);
    const QRect closePlace(158, 191, 130, 22);
    const QRect defaultsPlace(132, 160, 52, 15);
    auto button = [this](const char* name, const char* resource, const QRect& place,
                         const QString& action) {
        return new PictureButton(this, QLatin1String(name), QLatin1String(resource), place, action);
    };
    m_saveButton = button("Image5", ":/skins/save_normal.png", savePlace, tr("Save settings"));
    m_saveButton->addPressedPicture(QStringLiteral("Image4"),
                                    QStringLiteral(":/skins/save_pressed.png"));
    connect(m_saveButton, &PictureButton::clicked, this, &SettingsWindow::saveClicked);
    m_closeButton =
        button("Image3", ":/skins/settingsclose_normal.png", closePlace, tr("Close settings"));
    m_closeButton->addPressedPicture(QStringLiteral("Image2"),
                                     QStringLiteral(":/skins/settingsclose_pressed.png"));
    connect(m_closeButton, &PictureButton::clicked, this, &SettingsWindow::closeWindow);
    // The defaults button lights up under the pointer and goes dark while held.
    m_defaultsButton =
        button("Image6", ":/skins/defaults_normal.png", defaultsPlace, tr("Restore defaults"));
    m_defaultsButton->addHighlightPicture(QStringLiteral("Image7"),
                                          QStringLiteral(":/skins/defaults_highlighted.png"));
    connect(m_defaultsButton, &PictureButton::clicked, this,
            [this] { setForm(defaultSettingsForm(m_app.defaultsFolder())); });
}

SettingsForm SettingsWindow::form() const {
    SettingsForm f;
    f.gameFolder = m_gameFolder->text();
    f.sourcesFolder = m_sourcesFolder->text();
    f.useSources = m_useSources->isChecked();
    f.halfSize = m_half->isChecked();
    f.rows = gridRows();
    f.language = m_language->currentData().toString();
    f.codePage = m_codePage->currentData().toString();
    return f;
}

void SettingsWindow::setForm(const SettingsForm& form) {
    m_gameFolder->setText(form.gameFolder);
    m_sourcesFolder->setText(form.sourcesFolder);
    m_useSources->setChecked(form.useSources);
    (form.halfSize ? m_half : m_full)->setChecked(true);
    setGridRows(form.rows);
    // A language this program does not offer stays chosen, so saving keeps it.
    int at = m_language->findData(form.language);
    if (at < 0) {
        m_language->addItem(form.language, form.language);
        at = m_language->count() - 1;
    }
    m_language->setCurrentIndex(at);
    // A code page this program does not offer stays chosen too; the case of its name is the
    // file's business.
    const QString page = form.codePage.value_or(QString()).trimmed();
    at = 0;
    while (at < m_codePage->count() &&
           m_codePage->itemData(at).toString().compare(page, Qt::CaseInsensitive) != 0)
        ++at;
    if (at == m_codePage->count())
        m_codePage->addItem(page, page);
    m_codePage->setCurrentIndex(at);
}

void SettingsWindow::saveini() {
    zantrel::saveini(m_app.settingsPath, form());
}

void SettingsWindow::readini() {
    m_app.readSettings();
}

void SettingsWindow::reload() {
    m_list->setCurrentRow(0);
    showSettingsPage(0);
    readini();
    // The form shows the file as it is: a --game folder is never written into it.
    const Settings s = zantrel::readini(m_app.settingsPath);
    SettingsForm f;
    f.gameFolder = s.gameFolder;
    f.sourcesFolder = s.sourcesFolder;
    f.useSources = s.useSources == QLatin1String("1");
    f.halfSize = s.imageSize == QLatin1String("1");
    f.language = s.language;
    f.codePage = s.codePage;
    // The list ends at its first gap, as the loading screen reads it.
    for (const QString& file : s.files) {
        if (file.isEmpty())
            break;
        f.rows << file;
    }
    setForm(f);
}

void SettingsWindow::closeWindow() {
    hide();
    emit closed();
}

QStringList SettingsWindow::gridRows() const {
    QStringList rows;
    for (int r = 0; r < m_grid->rowCount(); ++r)
        rows << cell(r);
    return rows;
}

void SettingsWindow::showSettingsPage(int item) {
    if (item < 0 || item >= kPages)
        return;
    for (int p = 0; p < kPages; ++p)
        m_pages[p]->setVisible(p == item);
    if (item == 2)
        m_grid->setFocus();
}

void SettingsWindow::useSourcesToggled() {
    m_sourcesFolder->setEnabled(m_useSources->isChecked());
}

void SettingsWindow::addCheckedFile() {
    const QString name = m_newFile->text();
    if (name.isEmpty()) {
        m_app.prompter->error(this, tr("Error"), tr("File field is empty. Unable to add."));
        return;
    }
    // A list emptied down to its one blank row takes the name in that row.
    if (m_grid->rowCount() == 1 && cell(0).isEmpty()) {
        setCell(0, name);
    } else {
        m_grid->insertRow(m_grid->rowCount());
        setCell(m_grid->rowCount() - 1, name);
    }
    m_newFile->clear();
}

void SettingsWindow::removeCheckedFile() {
    const int rows = m_grid->rowCount();
    if (rows == 0)
        return;
    if (rows == 1) {
        // The last row is emptied rather than removed: the grid keeps one row to add into.
        if (cell(0).isEmpty())
            m_app.prompter->error(this, tr("Error"), tr("No file selected. Unable to remove."));
        else
            setCell(0, QString());
        return;
    }
    if (m_selectedRow < 1 || m_selectedRow > rows)
        return;
    for (int r = m_selectedRow - 1; r < rows - 1; ++r)
        setCell(r, cell(r + 1));
    m_grid->setRowCount(rows - 1);
}

void SettingsWindow::saveClicked() {
    try {
        saveini();
    } catch (const UserError& e) {
        m_app.prompter->error(this, tr("Error"), AppContext::withPath(e.text(), e.path()));
        return;
    }
    readini();
    closeWindow();
}

void SettingsWindow::setGridRows(const QStringList& rows) {
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        setCell(r, rows[r]);
}

QString SettingsWindow::cell(int row) const {
    const QTableWidgetItem* item = m_grid->item(row, 0);
    return item ? item->text() : QString();
}

void SettingsWindow::setCell(int row, const QString& text) {
    if (QTableWidgetItem* item = m_grid->item(row, 0))
        item->setText(text);
    else
        m_grid->setItem(row, 0, new QTableWidgetItem(text));
}

void SettingsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored by the window system keeps what the user typed.
    if (event->spontaneous())
        return;
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* desk = screen())
            move(centredIn(desk->availableGeometry(), size()));
    }
    reload();
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    closeWindow();
}

} // namespace zantrel

#include "filetreewindow.h"

#include "gamedata/prototypes.h"

#include "core/platform.h"
#include "editorwindow.h"
#include "picture.h"
#include "picturebutton.h"
#include "prompter.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QStorageInfo>
#include <QStyledItemDelegate>

namespace zantrel {

namespace {

// The root entry of the game's own view; no folder can be named so.
const QString kGameRoot = QStringLiteral("\x01game");
const char* const kGameRootText = QT_TRANSLATE_NOOP("zantrel::FileTreeWindow", "Game data");

// Black lists with phosphor text, small enough that a file name fits the narrow slots.
constexpr int kIndent = 7; // one folder level in the folder list, in pixels
const QSize kGlyph(13, 10);

Qt::CaseSensitivity fileNameCase() {
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

QString clean(const QString& path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

// Our own folder pictures, drawn in the lists' phosphor colour: the classic closed folder,
// an open one for the folders on the way down and a lit open one for the current folder.
QIcon folderGlyph(FileTreeWindow::FolderKind kind) {
    QPixmap pixmap(kGlyph);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor lime(0, 255, 0);
    p.setPen(lime);
    p.setBrush(QColor(0, 70, 0));
    p.drawRect(0, 2, 11, 7); // back
    p.drawRect(0, 0, 4, 2);  // tab
    if (kind != FileTreeWindow::Child) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(kind == FileTreeWindow::Current ? lime : QColor(0, 110, 0));
        const QPointF flap[] = {{2.5, 4.5}, {12.5, 4.5}, {10.5, 9.5}, {0.5, 9.5}};
        p.drawPolygon(flap, 4);
    }
    return QIcon(pixmap);
}

// Indents each folder entry by its level and gives it the picture of its kind, so the list
// reads as the linked path from the root down with the sub-folders below.
class FolderDelegate : public QStyledItemDelegate {
public:
    explicit FolderDelegate(QObject* parent)
        : QStyledItemDelegate(parent), m_glyphs{folderGlyph(FileTreeWindow::Ancestor),
                                                folderGlyph(FileTreeWindow::Current),
                                                folderGlyph(FileTreeWindow::Child)} {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + indent(index), size.height()};
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->rect.setLeft(option->rect.left() + indent(index));
        const int kind = index.data(FileTreeWindow::KindRole).toInt();
        if (kind >= FileTreeWindow::Ancestor && kind <= FileTreeWindow::Child) {
            option->icon = m_glyphs[kind];
            option->decorationSize = kGlyph;
            option->features |= QStyleOptionViewItem::HasDecoration;
        }
    }

private:
    static int indent(const QModelIndex& index) {
        return index.data(FileTreeWindow::LevelRole).toInt() * kIndent;
    }

    QIcon m_glyphs[3];
};

QListWidget* list(QWidget* parent, const char* name, const QRect& place,
                  const QString& accessibleName) {
    auto* box = new QListWidget(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setAccessibleName(accessibleName);
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    return box;
}

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

QString rootOf(const QStringList& roots, const QString& folder) {
    const Qt::CaseSensitivity cs = fileNameCase();
    const QString f = clean(folder);
    QString best;
    int bestLength = -1;
    for (const QString& root : roots) {
        const QString r = clean(root);
        const QString prefix = r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/');
        if ((f.compare(r, cs) == 0 || f.startsWith(prefix, cs)) && r.size() > bestLength) {
            best = root;
            bestLength = int(r.size());
        }
    }
    return best;
}

FileTreeWindow::FileTreeWindow(AppContext& app)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool), m_app(app),
      m_folder(clean(QDir::currentPath())) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Tree"));
    setFixedSize(kWidth, kHeight);
    // A side window of the editor: it leaves the keyboard with the editor when shown and
    // answers the editor's function keys itself when it has the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* image1 =
        new Picture(this, QStringLiteral("Image1"), QStringLiteral(":/skins/tree_background.jpg"),
                    QRect(0, 0, kWidth, kHeight), tr("Tree window"));
    // Dragging the background moves both windows, the tree staying docked on the left.
    connect(image1, &Picture::pressed, this, &FileTreeWindow::dragPressed);
    connect(image1, &Picture::moved, this, &FileTreeWindow::dragMoved);
    connect(image1, &Picture::released, this, &FileTreeWindow::dragReleased);

    // The lists lie on the skin's recessed slots.
    m_rootBox = new QComboBox(this);
    m_rootBox->setObjectName(QStringLiteral("DriveComboBox1"));
    m_rootBox->setGeometry(18, 10, 121, 19);
    m_rootBox->setAccessibleName(tr("Drive"));
    // activated is the user's pick only; refilling the box must not change the folder.
    connect(m_rootBox, &QComboBox::activated, this, &FileTreeWindow::rootChanged);

    m_folderList = list(this, "DirectoryListBox1", {18, 48, 121, 241}, tr("Folders"));
    m_folderList->setItemDelegate(new FolderDelegate(m_folderList));
    m_folderList->setIconSize(kGlyph);
    connect(m_folderList, &QListWidget::itemDoubleClicked, this, &FileTreeWindow::folderActivated);
    m_folderList->installEventFilter(this);

    m_fileList = list(this, "FileListBox1", {18, 288, 121, 245}, tr("Prototype files"));
    m_fileList->setUniformItemSizes(true); // a folder may hold thousands of prototypes
    m_fileList->installEventFilter(this);
    // Any double click on the list opens the selected file, as the list box always did.
    m_fileList->viewport()->installEventFilter(this);

    m_closeButton = new PictureButton(this, QStringLiteral("Image2"),
                                      QStringLiteral(":/skins/treeclose_normal.png"),
                                      QRect(45, 549, 72, 16), tr("Close tree"));
    m_closeButton->addPressedPicture(QStringLiteral("Image3"),
                                     QStringLiteral(":/skins/treeclose_pressed.png"));
    connect(m_closeButton, &PictureButton::clicked, this, &QWidget::close);

    setTabOrder(m_rootBox, m_folderList);
    setTabOrder(m_folderList, m_fileList);
    refresh();
}

QString FileTreeWindow::currentFolder() const {
    return QDir::toNativeSeparators(m_folder);
}

QString FileTreeWindow::selectedFile() const {
    const QList<QListWidgetItem*> selected = m_fileList->selectedItems();
    if (selected.isEmpty())
        return QString();
    if (m_inGame) // a path of the game's view: loose and archived prototypes alike
        return m_gameFolder + QLatin1Char('/') + selected.first()->text();
    return QDir::toNativeSeparators(QDir(m_folder).filePath(selected.first()->text()));
}

void FileTreeWindow::takeKeyboard() {
    raise();
    activateWindow();
    if (!m_hadKeyboard) {
        // The folder list takes the keyboard with its entry current, so that Down and Enter
        // act at once.
        if (!m_folderList->currentItem() && m_folderList->count() > 0)
            m_folderList->setCurrentRow(0);
        m_folderList->setFocus(Qt::OtherFocusReason);
    }
    m_hadKeyboard = true;
}

void FileTreeWindow::setFolder(const QString& path) {
    m_inGame = false;
    const QString folder = clean(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
    if (!QFileInfo(folder).isDir() || !QDir::setCurrent(folder)) {
        if (m_app.prompter)
            m_app.prompter->error(
                this, tr("Error"),
                tr("Cannot open folder %1").arg(QDir::toNativeSeparators(folder)));
        refresh(); // it may have gone meanwhile: show what is there now
        return;
    }
    m_folder = folder;
    fillRoots(listedRoots());
    fillFolders();
    fillFiles();
}

// The roots the box lists, the game's view aside: asking the system again may wait on a slow
// volume.
QStringList FileTreeWindow::listedRoots() const {
    QStringList roots;
    for (int k = 0; k < m_rootBox->count(); ++k)
        if (m_rootBox->itemData(k).toString() != kGameRoot)
            roots << m_rootBox->itemData(k).toString();
    return roots;
}

void FileTreeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Files may have come and gone while the window was hidden.
    refresh();
}

void FileTreeWindow::refresh() {
    // A folder removed meanwhile gives way to its nearest remaining parent.
    while (!QFileInfo(m_folder).isDir() && !QDir(m_folder).isRoot())
        m_folder = clean(QFileInfo(m_folder).path());
    const QString selected = m_fileList->selectedItems().isEmpty()
                                 ? QString()
                                 : m_fileList->selectedItems().first()->text();
    fillRoots(platform::driveRoots());
    fillFolders();
    fillFiles();
    const QList<QListWidgetItem*> again = m_fileList->findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !again.isEmpty())
        m_fileList->setCurrentItem(again.first());
}

void FileTreeWindow::fillRoots(QStringList roots) {
    // Stay on the chosen root while the folder lies below it; else take the closest one.
    QString root = m_rootBox->currentData().toString();
    if (root.isEmpty() || !roots.contains(root) || rootOf({root}, m_folder).isEmpty())
        root = rootOf(roots, m_folder);
    if (root.isEmpty()) { // a volume not mounted as we list them (a network share ...)
        root = clean(QStorageInfo(m_folder).rootPath());
        if (root.isEmpty() || rootOf({root}, m_folder).isEmpty())
            root = clean(QDir(m_folder).absolutePath().section(QLatin1Char('/'), 0, 0) + '/');
        if (!roots.contains(root))
            roots << root;
    }
    m_rootBox->clear();
    for (const QString& r : roots) {
        m_rootBox->addItem(QDir::toNativeSeparators(r), r);
        m_rootBox->setItemData(m_rootBox->count() - 1, QDir::toNativeSeparators(r),
                               Qt::ToolTipRole);
    }
    m_rootBox->setCurrentIndex(int(roots.indexOf(root)));
    // The game's own view comes first: its prototypes, archived or loose, as the game uses them.
    m_rootBox->insertItem(0, tr(kGameRootText), kGameRoot);
    if (m_inGame)
        m_rootBox->setCurrentIndex(0);
}

void FileTreeWindow::setGameFolder(const QString& folder) {
    m_inGame = true;
    m_gameFolder = folder;
    fillRoots(listedRoots());
    fillFolders();
    fillFiles();
}

QListWidgetItem* FileTreeWindow::addFolderEntry(const QString& text, const QString& path, int level,
                                                FolderKind kind) {
    auto* item = new QListWidgetItem(text, m_folderList);
    item->setData(PathRole, path);
    item->setData(LevelRole, level);
    item->setData(KindRole, int(kind));
    return item;
}

void FileTreeWindow::fillGameFolders() {
    m_folderList->clear();
    auto add = [this](const QString& text, const QString& path, int level, FolderKind kind) {
        return addFolderEntry(text, path, level, kind);
    };
    const bool top = m_gameFolder.isEmpty();
    QListWidgetItem* current = add(tr(kGameRootText), QString(), 0, top ? Current : Ancestor);
    if (top) {
        for (const char* kind : {"items", "critters", "scenery", "walls", "tiles", "misc"})
            add(QLatin1String(kind), QStringLiteral("proto/") + QLatin1String(kind), 1, Child);
    } else {
        current = add(m_gameFolder.section(QLatin1Char('/'), -1), m_gameFolder, 1, Current);
    }
    m_folderList->setCurrentItem(current);
}

void FileTreeWindow::fillGameFiles() {
    if (m_gameFolder.isEmpty())
        return;
    for (const GameFile& f : listPrototypes(m_app.gameData(), m_gameFolder)) {
        auto* item = new QListWidgetItem(f.name.section(QLatin1Char('/'), -1), m_fileList);
        item->setToolTip(f.source.kind == GameSource::Kind::Archive
                             ? QDir::toNativeSeparators(f.source.container)
                             : QDir::toNativeSeparators(f.source.name));
    }
}

void FileTreeWindow::fillFolders() {
    if (m_inGame) {
        fillGameFolders();
        return;
    }
    const QString root = m_rootBox->currentData().toString();
    QStringList chain; // from the root down to the current folder
    for (QString p = m_folder;; p = clean(QFileInfo(p).path())) {
        chain.prepend(p);
        if (p.compare(clean(root), fileNameCase()) == 0 || QDir(p).isRoot())
            break;
    }

    m_folderList->clear();
    auto add = [this](const QString& text, const QString& path, int level, FolderKind kind) {
        QListWidgetItem* item = addFolderEntry(text, path, level, kind);
        item->setToolTip(QDir::toNativeSeparators(path));
        return item;
    };
    QListWidgetItem* current = nullptr;
    for (int level = 0; level < chain.size(); ++level) {
        const QString& p = chain[level];
        const bool last = level == chain.size() - 1;
        current = add(level == 0 ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName(), p, level,
                      last ? Current : Ancestor);
    }
    const QFileInfoList children = QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                                QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children)
        add(child.fileName(), clean(child.absoluteFilePath()), int(chain.size()), Child);
    m_folderList->setCurrentItem(current);
    m_folderList->scrollToItem(current);
}

void FileTreeWindow::fillFiles() {
    m_fileList->clear();
    if (m_inGame) {
        fillGameFiles();
        return;
    }
    // QDir matches name filters regardless of case unless told otherwise: ".PRO" files too.
    m_fileList->addItems(QDir(m_folder).entryList({QStringLiteral("*.pro")}, QDir::Files,
                                                  QDir::Name | QDir::IgnoreCase));
}

void FileTreeWindow::rootChanged(int index) {
    const QString root = m_rootBox->itemData(index).toString();
    if (root == kGameRoot)
        setGameFolder(QString());
    else
        setFolder(root);
}

void FileTreeWindow::folderActivated(QListWidgetItem* item) {
    if (item && m_inGame)
        setGameFolder(item->data(PathRole).toString());
    else if (item)
        setFolder(item->data(PathRole).toString());
}

void FileTreeWindow::openSelectedFile() {
    const QString file = selectedFile();
    if (file.isEmpty())
        return;
    if (m_inGame)
        emit gameFileChosen(file);
    else
        emit fileChosen(file);
}

bool FileTreeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_folderList && isEnter(event)) {
        folderActivated(m_folderList->currentItem());
        return true;
    }
    if (watched == m_fileList && isEnter(event)) {
        openSelectedFile();
        return true;
    }
    if (m_fileList && watched == m_fileList->viewport() &&
        event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        openSelectedFile();
    return QWidget::eventFilter(watched, event);
}

void FileTreeWindow::closeEvent(QCloseEvent* event) {
    // However it is closed, the editor hides it, unchecks "Tree" and re-centres itself.
    event->ignore();
    emit closeRequested();
}

} // namespace zantrel

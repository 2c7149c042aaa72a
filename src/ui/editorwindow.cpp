#include "editorwindow.h"

#include "core/files.h"
#include "core/numbers.h"
#include "core/usererror.h"
#include "filetreewindow.h"
#include "gamedata/datafolder.h"
#include "gamedata/lists.h"
#include "loadingwindow.h"
#include "picture.h"
#include "picturebutton.h"
#include "prompter.h"
#include "settingswindow.h"
#include "ui/critterpage.h"
#include "ui/flags.h"
#include "ui/headerpanel.h"
#include "ui/itempage.h"
#include "ui/simplepages.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

#include <cmath>

namespace zantrel {

namespace {

const QString kCannotSave = QStringLiteral("Cannot save file. Please check marked fields");
const QString kProtoFilter = QStringLiteral("Fallout PROTO (*.pro)|*.pro");

// A Windows cursor file: a 6-byte directory, then entries whose words at 4 and 6 are the
// hot spot. Qt reads the picture; the hot spot we take from the file ourselves.
QCursor readCursorFile(const QString& path, bool& ok) {
    ok = false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QCursor();
    const QByteArray head = f.read(22);
    const QPixmap picture(path, "CUR");
    if (picture.isNull() || head.size() < 22)
        return QCursor();
    auto word = [&head](int at) { return int(quint8(head[at])) | int(quint8(head[at + 1])) << 8; };
    ok = true;
    return QCursor(picture, word(10), word(12));
}

} // namespace

EditorWindow::EditorWindow(AppContext& app)
    : QMainWindow(nullptr, Qt::FramelessWindowHint), m_app(app) {
    setObjectName(QStringLiteral("Zantrel"));
    setWindowTitle(QStringLiteral("Zantrel"));
    // The start folder: the critter preview pictures are looked up below it.
    m_app.startFolder = QDir::currentPath();

    buildMenu();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    QPalette silver = client->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    client->setPalette(silver);
    setCentralWidget(client);
    buildFrame(client);
    buildPages();
    massfill();

    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setObjectName(QStringLiteral("Timer2"));
    m_blinkTimer->setInterval(1000);
    connect(m_blinkTimer, &QTimer::timeout, this, &EditorWindow::blink);
    setFixedSize(sizeHint());
}

EditorWindow::~EditorWindow() {
    m_header->detach();
}

void EditorWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setStyleSheet(
        QStringLiteral("QMenuBar { background: #23282a; color: #8cf5a2; }"
                       "QMenuBar::item:selected { background: #3a4446; }"
                       "QMenu { background: #23282a; color: #8cf5a2; border: 1px solid #4a5456; }"
                       "QMenu::item:selected { background: #3a4446; }"
                       "QMenu::item:disabled { color: #5c6a5c; }"));
    QMenu* menu = bar->addMenu(QStringLiteral("Menu"));
    auto add = [this](QMenu* m, const QString& text, QKeySequence key,
                      void (EditorWindow::*slot)()) {
        QAction* a = m->addAction(text);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        m_commands << a;
        return a;
    };
    add(menu, QStringLiteral("Open .PRO ..."), Qt::Key_F2, &EditorWindow::openWithDialog);
    add(menu, QStringLiteral("Save .PRO"), Qt::Key_F3, &EditorWindow::save);
    add(menu, QStringLiteral("Save .PRO As ..."), Qt::Key_F4, &EditorWindow::saveAs);

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    // The numeric format is switched by the header panel's radio buttons; the menu only
    // mirrors it, so the submenu, its items and their keys stay disabled.
    QMenu* format = options->addMenu(QStringLiteral("Numeric Format"));
    format->setEnabled(false);
    auto* group = new QActionGroup(format);
    m_hexAction = format->addAction(QStringLiteral("HEX"));
    m_hexAction->setShortcut(Qt::Key_F12);
    m_decAction = format->addAction(QStringLiteral("DEC"));
    m_decAction->setShortcut(Qt::Key_F11);
    for (QAction* a : {m_hexAction, m_decAction}) {
        a->setCheckable(true);
        a->setEnabled(false);
        group->addAction(a);
    }
    m_hexAction->setChecked(true);
    m_treeAction = add(options, QStringLiteral("Tree"), Qt::Key_F1, &EditorWindow::toggleTree);
    m_treeAction->setCheckable(true);
    // The check mark follows the window, not the click.
    disconnect(m_treeAction, &QAction::triggered, this, nullptr);
    connect(m_treeAction, &QAction::triggered, this, [this] {
        m_treeAction->setChecked(!m_treeAction->isChecked());
        toggleTree();
    });

    QAction* exit = bar->addAction(QStringLiteral("Exit"));
    exit->setShortcut(Qt::Key_F10);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_commands << exit;
}

void EditorWindow::buildFrame(QWidget* client) {
    auto picture = [client](const char* name, const char* resource, QRect place,
                            const QString& role) {
        return new Picture(client, QLatin1String(name), QLatin1String(resource), place, role);
    };
    Picture* image3 =
        picture("Image3", ":/skins/editor_top.jpg", {0, 0, 815, 532}, tr("Title bar"));
    Picture* image9 =
        picture("Image9", ":/skins/editor_bottom.jpg", {0, 532, 815, 40}, tr("Status bar"));
    for (Picture* p : {image3, image9}) {
        connect(p, &Picture::pressed, this, &EditorWindow::dragPress);
        connect(p, &Picture::moved, this, &EditorWindow::dragMove);
        connect(p, &Picture::released, this, &EditorWindow::dragRelease);
    }

    auto button = [client](const char* name, const char* resource, QRect place,
                           const QString& action) {
        return new PictureButton(client, QLatin1String(name), QLatin1String(resource), place,
                                 action);
    };
    m_treeButton = button("Image5", ":/skins/tree_normal.png", {48, 5, 81, 22}, tr("Tree"));
    m_treeButton->addPressedPicture(QStringLiteral("Image7"),
                                    QStringLiteral(":/skins/tree_pressed.png"));
    m_treeButton->setLatching(true);
    connect(m_treeButton, &PictureButton::pressed, this, [this] {
        m_treeButton->setLatched(!m_treeButton->latched());
        toggleTree();
    });

    m_settingsButton =
        button("Image15", ":/skins/settings_normal.png", {540, 5, 135, 22}, tr("Settings"));
    m_settingsButton->addPressedPicture(QStringLiteral("Image14"),
                                        QStringLiteral(":/skins/settings_pressed.png"));
    m_settingsButton->setLatching(true);
    connect(m_settingsButton, &PictureButton::pressed, this, [this] {
        m_settingsButton->setLatched(true);
        setEnabled(false);
        for (QAction* a : std::as_const(m_commands))
            a->setEnabled(false); // the tree window offers them too
        emit settingsRequested();
    });

    m_minimizeBevel = new QFrame(client);
    m_minimizeBevel->setObjectName(QStringLiteral("Bevel7"));
    m_minimizeBevel->setGeometry(677, 5, 20, 22);
    m_minimizeBevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PictureButton* minimize =
        button("Image8", ":/skins/minimize.png", {678, 5, 18, 22}, tr("Minimize"));
    minimize->setToolTip(QStringLiteral("Minimize"));
    connect(minimize, &PictureButton::pressed, this,
            [this] { m_minimizeBevel->setFrameShadow(QFrame::Sunken); });
    connect(minimize, &PictureButton::released, this,
            [this] { m_minimizeBevel->setFrameShadow(QFrame::Raised); });
    connect(minimize, &PictureButton::clicked, this, &QWidget::showMinimized);

    m_closeButton = button("Image4", ":/skins/close_normal.png", {704, 5, 76, 22}, tr("Close"));
    m_closeButton->addPressedPicture(QStringLiteral("Image6"),
                                     QStringLiteral(":/skins/close_pressed.png"));
    connect(m_closeButton, &PictureButton::clicked, this, &QWidget::close);

    auto label = [client](const char* name, const QString& text, QRect place, Qt::Alignment align) {
        auto* l = new QLabel(text, client);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        l->setAlignment(align);
        l->setStyleSheet(QStringLiteral("color: lime; background: transparent;"));
        return l;
    };
    m_fileNameLabel = label("Label20", QString(), {15, 544, 112, 13}, Qt::AlignCenter);
    m_fileNameLabel->setAccessibleName(tr("Open file"));
    label("Label19", QStringLiteral("Status Bar"), {248, 547, 553, 14},
          Qt::AlignHCenter | Qt::AlignBottom);

    m_steadyLamp = picture("Image10", ":/skins/changes_steady.png", {180, 542, 23, 20},
                           tr("No unsaved changes"));
    m_blinkLamp =
        picture("Image11", ":/skins/changes_blink.png", {180, 542, 23, 20}, tr("Unsaved changes"));
    m_blinkLamp->hide();

    m_back = new QWidget(client);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(58, 50, 710, 449);
    m_pages = new QTabWidget(m_back);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(710 - 379 - 4, 8, 379, 432);
    m_pages->setDocumentMode(true);
    m_pages->setUsesScrollButtons(false);
    // Tabs as flat buttons in the skin's colours.
    m_pages->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { border: 1px solid #3c4a3c; background: #101510; }"
        "QTabBar::tab { min-width: 44px; padding: 2px 3px; margin: 0 1px 0 0; font-size: 8pt;"
        " background: #1b221b;"
        " color: #6ef08a; border: 1px solid #3c4a3c; }"
        "QTabBar::tab:selected { background: #2c3a2c; color: #c8ffd4; border-color: #6ef08a; }"
        "QTabBar::tab:disabled { color: #4d5e4d; }"
        "QLabel { color: #8cf5a2; }"
        "QPushButton { background: #23282a; color: #8cf5a2; border: 1px solid #4a5456; }"
        "QPushButton:pressed { background: #3a4446; }"
        "QPushButton:disabled { color: #5c6a5c; }"));
    const char* const tabs[] = {"Items", "Critters", "Scenery", "Walls", "Tiles", "Misc"};
    for (const char* t : tabs) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet_") + QLatin1String(t));
        m_pages->addTab(page, QLatin1String(t));
    }
    auto* about = new QWidget;
    about->setObjectName(QStringLiteral("TabSheetAbout"));
    new Picture(about, QStringLiteral("ImageAbout"), QStringLiteral(":/skins/about.jpg"),
                QRect(4, 4, 367, 396), tr("About Zantrel"));
    m_pages->addTab(about, QStringLiteral("About"));
    m_pages->setCurrentIndex(6);
    m_pages->setEnabled(false); // until the first prototype is open
}

void EditorWindow::massfill() {
    // Slot i holds Edit(i+1) up to Edit112; Edit113 and Edit114 have none, so slots 112
    // and 113 stay empty and Edit115, Edit116 take 114 and 115. Controls of pages not
    // built yet leave their slots empty.
    for (int i = 0; i < 116; ++i) {
        const int number = i < 112 ? i + 1 : (i >= 114 ? i + 1 : 0);
        m_edittable[std::size_t(i)] =
            number ? findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number)) : nullptr;
    }
    for (int i = 0; i < 42; ++i)
        m_checktable[std::size_t(i)] =
            findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(i + 1));
    const char* const buttons[] = {"Button4", "Button6", "Button7", "Button8"};
    for (int i = 0; i < 4; ++i)
        m_buttontable[std::size_t(i)] = findChild<QPushButton*>(QLatin1String(buttons[i]));
}

bool EditorWindow::alarmOn() const {
    return m_blinkTimer->isActive();
}

void EditorWindow::setalarm() {
    if (m_blinkTimer->isActive())
        return; // restarting would hold the lamp still while the user types
    m_blinkPhase = false;
    m_blinkTimer->start();
}

void EditorWindow::clearalarm() {
    m_blinkTimer->stop();
    showOneOf(m_steadyLamp, m_blinkLamp);
}

void EditorWindow::blink() {
    if (m_blinkPhase)
        showOneOf(m_steadyLamp, m_blinkLamp);
    else
        showOneOf(m_blinkLamp, m_steadyLamp);
    m_blinkPhase = !m_blinkPhase;
}

QRect EditorWindow::desktop() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

void EditorWindow::showCentred() {
    const QRect d = desktop();
    move(d.x() + (d.width() - width()) / 2, d.y() + (d.height() - height()) / 2);
    show();
    activateWindow();
}

void EditorWindow::toggleTree() {
    QWidget* tree = m_dockedWindow;
    if (!tree)
        return;
    if (m_treeAction->isChecked()) {
        tree->hide();
        m_treeAction->setChecked(false);
        const QRect d = desktop();
        move(d.x() + (d.width() - width()) / 2, d.y() + (d.height() - height()) / 2);
    } else {
        tree->show();
        m_treeAction->setChecked(true);
        const QRect d = desktop();
        move(d.x() + (d.width() - (width() + tree->width())) / 2 + tree->width(), y());
        dockTree();
    }
}

void EditorWindow::dockTree() {
    if (m_dockedWindow)
        m_dockedWindow->move(x() - m_dockedWindow->width(), y());
}

void EditorWindow::treeClosedByButton() {
    m_treeButton->setLatched(false);
}

void EditorWindow::settingsClosed() {
    setEnabled(true);
    for (QAction* a : std::as_const(m_commands))
        a->setEnabled(true);
    m_settingsButton->setLatched(false);
}

void EditorWindow::dragPress(QPoint at) {
    m_dragging = true;
    m_treeDragging = m_treeAction->isChecked();
    m_pressPoint = at;
}

void EditorWindow::dragMove(QPoint at) {
    if (m_dragging)
        move(x() + (at.x() - m_pressPoint.x()), y() + (at.y() - m_pressPoint.y()));
    if (m_treeDragging)
        dockTree();
}

void EditorWindow::dragRelease() {
    m_dragging = false;
    m_treeDragging = false;
}

void EditorWindow::mousePressEvent(QMouseEvent* event) {
    QMainWindow::mousePressEvent(event);
    dockTree(); // the window's own surface: put the tree back at its side
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (!m_app.prompter->confirm(this, QStringLiteral("Confirm"),
                                 QStringLiteral("Вы действительно хотите выйти?"))) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void EditorWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_dockedWindow) {
        // The docked tree window goes with the editor and comes back with it.
        if (isMinimized() && m_dockedWindow->isVisible()) {
            m_treeHiddenByMinimize = true;
            m_dockedWindow->hide();
        } else if (!isMinimized() && m_treeHiddenByMinimize) {
            m_treeHiddenByMinimize = false;
            m_dockedWindow->show();
            dockTree();
        }
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        loadCursor();
}

void EditorWindow::loadCursor() {
    const QString path = QDir(m_app.programFolder).filePath(QStringLiteral("cursor.cur"));
    if (!QFileInfo::exists(path))
        return; // the standard arrow
    bool ok = false;
    const QCursor cursor = readCursorFile(path, ok);
    if (!ok)
        return;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(cursor);
}

void EditorWindow::buildPages() {
    HeaderPanel::Hooks hooks;
    hooks.setalarm = [this] { setalarm(); };
    hooks.refreshDescription = [this] { refreshDescription(); };
    hooks.showTypePage = [this](int type) { showTypePage(type); };
    hooks.error = [this](const QString& text) { showError(text); };
    hooks.frameChanged = [this] {
        for (TypePage* page : {m_itemPage.get(), m_critterPage.get()})
            if (page)
                page->frameChanged();
    };
    hooks.formatChanged = [this](bool decimal) {
        m_hexAction->setChecked(!decimal);
        m_decAction->setChecked(decimal);
    };
    m_header = new HeaderPanel(m_back, m_doc, hooks);
    m_header->lower();
    connect(m_header->openButton(), &QPushButton::clicked, this, &EditorWindow::openWithDialog);
    connect(m_header->saveButton(), &QPushButton::clicked, this, &EditorWindow::save);
    connect(m_header->saveAsButton(), &QPushButton::clicked, this, &EditorWindow::saveAs);
    m_simple = new SimplePages(m_pages);
    connect(m_simple, &SimplePages::changed, this, &EditorWindow::setalarm);
    connect(m_simple, &SimplePages::refreshRequested, this, &EditorWindow::refreshDescription);
    const PageContext context{&m_app, &m_doc, m_header->frames(), m_header->edit(1)};
    m_itemPage = createItemPage(m_pages->widget(0), context);
    m_critterPage = createCritterPage(m_pages->widget(1), context);
    for (TypePage* page : {m_itemPage.get(), m_critterPage.get()}) {
        connect(page, &TypePage::edited, this, &EditorWindow::setalarm);
        connect(page, &TypePage::validityChanged, this, &EditorWindow::updateValidity);
    }
    // "Open .PRO" is the window's default button: Enter opens, also from a header box.
    // A focused push button takes Enter for itself.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] {
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            if (focused && isAncestorOf(focused) && focused->isEnabled())
                focused->click();
            else
                openWithDialog();
        });
    }
}

void EditorWindow::showError(const QString& text, const QString& path) {
    m_app.prompter->error(
        this, QStringLiteral("Error"),
        path.isEmpty() ? text : text + QStringLiteral("\n") + QDir::toNativeSeparators(path));
}

void EditorWindow::setCaption() {
    setWindowTitle(QStringLiteral("Zantrel - ") + m_doc.filepath);
    m_fileNameLabel->setText(m_doc.filename);
}

void EditorWindow::showTypePage(int type) {
    m_pages->setCurrentIndex(type);
    for (int i = 0; i < 6; ++i)
        m_pages->setTabEnabled(i, i == type);
    if (TypePage* page = type == 0 ? m_itemPage.get() : type == 1 ? m_critterPage.get() : nullptr)
        page->showFirstInnerPage();
}

TypePage* EditorWindow::typePage() const {
    return m_doc.objtype == 0   ? m_itemPage.get()
           : m_doc.objtype == 1 ? m_critterPage.get()
                                : nullptr;
}

void EditorWindow::updateValidity() {
    const TypePage* page = typePage();
    fieldsvalid = m_doc.opened && (!page || page->valid());
}

void EditorWindow::openWithDialog() {
    const QString chosen = m_app.prompter->openFile(this, QDir::currentPath(), kProtoFilter);
    if (chosen.isEmpty())
        return;
    const Document before = m_doc;
    m_doc.filepath = chosen;
    if (!openfile() && m_readFailed)
        m_doc = before; // nothing was read: the open document stays as it was
    updateValidity();
}

void EditorWindow::openFromTree(const QString& path) {
    const Document before = m_doc;
    m_doc.filepath = path;
    if (!openfile() && m_readFailed)
        m_doc = before;
    activateWindow();
    setFocus();
    updateValidity();
}

bool EditorWindow::openfile() {
    QByteArray bytes;
    m_readFailed = false;
    try {
        bytes = readFileBytes(m_doc.filepath);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
        m_readFailed = true; // nothing changed: the callers keep the open document
        return false;
    }
    m_doc.filename = QFileInfo(m_doc.filepath).fileName();
    m_doc.opened = false;
    m_header->scripts()->clear();
    m_header->frames()->clear();
    m_header->flags()->clearflags();
    m_doc.objtype = bytes.isEmpty() ? 0 : std::uint8_t(bytes[0]);
    m_doc.image = bytes;

    const Settings& settings = m_app.settings;
    try {
        const ListContents scripts =
            readlist(dataFile(settings, DataKind::ScriptList, QStringLiteral("scripts.lst")),
                     ListMode::First12);
        m_header->scripts()->addItems(scripts.entries);
        m_doc.scriptcount = scripts.count;
        m_header->scripts()->setCurrentIndex(0);
        DataKind kind;
        QString list;
        ListContents art;
        if (artListFor(m_doc.objtype, kind, list))
            art = readlist(dataFile(settings, kind, list), ListMode::First12);
        else
            art.entries << kNoneEntry; // a type with no art list offers only "<NONE>"
        m_header->frames()->addItems(art.entries);
        m_doc.artcount = art.count;
        m_header->frames()->setCurrentIndex(0);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
        return false;
    }

    for (QPushButton* b : m_buttontable)
        if (b)
            b->setEnabled(true);
    for (TypePage* page : {m_itemPage.get(), m_critterPage.get()})
        page->opened();
    setCaption();
    m_pages->setEnabled(true);
    for (int i = 0; i < 6; ++i)
        if (m_edittable[std::size_t(i)])
            m_edittable[std::size_t(i)]->setEnabled(true);
    m_header->enableForOpen();
    return setvalues();
}

bool EditorWindow::setvalues() {
    m_header->selectHex();
    if (!m_header->fill(m_doc.image))
        return false; // an object type the panel cannot show stopped the filling
    m_header->flags()->setcommonflags();
    refreshDescription();
    switch (m_doc.objtype) {
    case 0:
    case 1:
        try {
            typePage()->fill(m_doc.image); // setitem / setcritter
        } catch (const UserError& e) {
            showError(e.text(), e.path());
            return false; // a page filled part-way is not saved
        }
        break;
    case 2:
        setscenery();
        break;
    case 3:
        setwall();
        break;
    case 4:
        settile();
        break;
    case 5:
        setmisc();
        break;
    default:
        break; // no page belongs to other types
    }
    clearalarm();
    m_savePreset = m_doc.filepath;
    m_doc.opened = true;
    return true;
}

void EditorWindow::setscenery() {
    m_simple->setSize(2, int(m_doc.image.size()));
}
void EditorWindow::setwall() {
    m_simple->setSize(3, int(m_doc.image.size()));
}
void EditorWindow::settile() {
    m_simple->setSize(4, int(m_doc.image.size()));
    m_simple->fillTile(m_doc.image);
}
void EditorWindow::setmisc() {
    m_simple->setSize(5, int(m_doc.image.size()));
}

void EditorWindow::save() {
    updateValidity();
    if (!fieldsvalid) {
        m_app.prompter->error(this, QStringLiteral("Error!"), kCannotSave);
        return;
    }
    savefile(m_doc.filepath, false);
}

void EditorWindow::saveAs() {
    updateValidity();
    if (!fieldsvalid) {
        m_app.prompter->error(this, QStringLiteral("Error!"), kCannotSave);
        return;
    }
    const QString chosen =
        m_app.prompter->saveFile(this, m_savePreset, kProtoFilter, QStringLiteral("pro"));
    if (chosen.isEmpty())
        return;
    savefile(chosen, true);
}

bool EditorWindow::savefile(const QString& path, bool saveAs) {
    m_header->selectHex();
    try {
        // Save keeps what the file holds now outside the fields; Save As writes the
        // document: the opened file's bytes with the fields applied.
        QList<FieldWrite> fields = m_header->fieldWrites();
        if (const TypePage* page = typePage())
            fields += page->fieldWrites(); // saveitem / savecritter, all converted first
        if (m_doc.objtype == 4)
            fields += m_simple->tileWrites();
        const QByteArray base = saveAs ? m_doc.image : readFileBytes(path);
        const QByteArray bytes = applyFields(base, fields);
        writePrototype(path, bytes);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
        return false;
    }
    clearalarm();
    if (saveAs) {
        m_doc.filepath = path;
        m_doc.filename = QFileInfo(path).fileName();
        setCaption();
        m_savePreset = path;
    }
    return true;
}

void EditorWindow::refreshDescription() {
    try {
        const qint64 number = m_header->textIdValue();
        const QString names = nameMessageFile(m_doc.objtype);
        const QString name = names.isEmpty()
                                 ? kNoneEntry
                                 : findmessage(dataFile(m_app.settings, DataKind::Messages, names),
                                               number, MessageVariant::ObjectName);
        QString description = kNoneEntry;
        const int script = m_header->scripts()->currentIndex();
        if (script != m_doc.scriptcount)
            description = scriptdescription(
                dataFile(m_app.settings, DataKind::ScriptList, QStringLiteral("scripts.lst")),
                qMax(script, 0));
        const int type = int(roundHalfEven(std::fabs(m_header->typeFieldValue())));
        QPlainTextEdit* memo = type == 1 ? m_critterPage->descriptionBox() : m_simple->memo(type);
        if (!memo)
            return; // items show no description
        memo->setPlainText(QStringLiteral("Name: ") + name +
                           QStringLiteral("\nScript description: ") + description);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
    }
}

} // namespace zantrel

#include "editorwindow.h"

#include "accessibility.h"
#include "cursorfile.h"
#include "documentcontroller.h"
#include "editormenu.h"
#include "placement.h"

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

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

#include "prototypedrops.h"
#include "recentmenu.h"
#include <cmath>

namespace zantrel {

EditorWindow::EditorWindow(AppContext& app)
    : QMainWindow(nullptr, Qt::FramelessWindowHint), m_app(app) {
    setObjectName(QStringLiteral("Zantrel"));
    setWindowTitle(tr("Zantrel"));
    // The start folder: the critter preview pictures are looked up below it.
    m_app.startFolder = QDir::currentPath();
    m_doc = new Document(this);

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
    // The window's default button has the keyboard first, though the title bar's picture
    // buttons come before it in the tab order.
    m_header->openButton()->setFocus(Qt::OtherFocusReason);

    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setObjectName(QStringLiteral("Timer2"));
    m_blinkTimer->setInterval(1000);
    connect(m_blinkTimer, &QTimer::timeout, this, &EditorWindow::blink);

    EditorParts parts;
    parts.window = this;
    parts.header = m_header;
    parts.simplePages = m_simple;
    parts.itemPage = m_itemPage.get();
    parts.critterPage = m_critterPage.get();
    parts.pages = m_pages;
    for (const char* name : {"Button4", "Button6", "Button7", "Button8"})
        parts.descriptionButtons << findChild<QPushButton*>(QLatin1String(name));
    m_controller = new DocumentController(m_app, *m_doc, parts, this);
    connect(m_controller, &DocumentController::fileShown, this, &EditorWindow::setCaption);
    connect(m_doc, &Document::saved, this, &EditorWindow::setCaption);
    connect(m_doc, &Document::modifiedChanged, this, &EditorWindow::showModified);
    buildHistoryActions(m_editMenu);
    if (auto* texts = m_pages->widget(0)->findChild<QPushButton*>(QStringLiteral("xpButton1")))
        connect(texts, &QPushButton::clicked, m_controller, &DocumentController::editTexts);
    m_recent = new RecentMenu(m_recentItems, m_app, this);
    connect(m_controller, &DocumentController::fileUsed, m_recent, &RecentMenu::add);
    connect(m_recent, &RecentMenu::chosen, this, &EditorWindow::openRecent);
    // Last: it watches the boxes that take dropped text, all built by now.
    connect(new PrototypeDrops(this), &PrototypeDrops::dropped, this, &EditorWindow::openRequested);
    setFixedSize(sizeHint());
}

EditorWindow::~EditorWindow() {
    // The children outlive this body: events they raise while being deleted (the focus
    // leaving a header box) must not call into the part of the window already gone.
    disconnect(m_header, nullptr, this, nullptr);
}

void EditorWindow::buildMenu() {
    const EditorMenu menu = buildEditorMenu(this);
    m_commands = menu.commands;
    m_hexAction = menu.hex;
    m_decAction = menu.dec;
    m_treeAction = menu.tree;
    m_recentItems = menu.recent;
    m_editMenu = menu.edit;
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
    // The tree is shown or not: the window, the check mark and the button's latch are one
    // state, however it is opened or closed.
    connect(m_treeAction, &QAction::toggled, m_treeButton, &PictureButton::setLatched);
    connect(m_treeButton, &PictureButton::pressed, this, [this] {
        toggleTree(); // the latch follows the "Tree" action's check mark
    });

    m_settingsButton =
        button("Image15", ":/skins/settings_normal.png", {540, 5, 135, 22}, tr("Settings"));
    m_settingsButton->addPressedPicture(QStringLiteral("Image14"),
                                        QStringLiteral(":/skins/settings_pressed.png"));
    m_settingsButton->setLatching(true);
    connect(m_settingsButton, &PictureButton::pressed, this, [this] {
        m_focusBeforeSettings = focusWidget();
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
    minimize->setToolTip(tr("Minimize"));
    connect(minimize, &PictureButton::pressed, this,
            [this] { m_minimizeBevel->setFrameShadow(QFrame::Sunken); });
    connect(minimize, &PictureButton::released, this,
            [this] { m_minimizeBevel->setFrameShadow(QFrame::Raised); });
    connect(minimize, &PictureButton::clicked, this, &QWidget::showMinimized);

    m_closeButton = button("Image4", ":/skins/close_normal.png", {704, 5, 76, 22}, tr("Close"));
    m_closeButton->addPressedPicture(QStringLiteral("Image6"),
                                     QStringLiteral(":/skins/close_pressed.png"));
    connect(m_closeButton, &PictureButton::clicked, this, &QWidget::close);
    buildStatusBar(client);
    buildEditorArea(client);
}

void EditorWindow::buildStatusBar(QWidget* client) {
    auto picture = [client](const char* name, const char* resource, QRect place,
                            const QString& role) {
        return new Picture(client, QLatin1String(name), QLatin1String(resource), place, role);
    };
    auto label = [client](const char* name, const QString& text, QRect place, Qt::Alignment align) {
        auto* l = new QLabel(text, client);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        l->setAlignment(align);
        return l;
    };
    m_fileNameLabel = label("Label20", QString(), {15, 544, 112, 13}, Qt::AlignCenter);
    m_fileNameLabel->setAccessibleName(tr("Open file"));
    label("Label19", tr("Status Bar"), {248, 547, 553, 14}, Qt::AlignHCenter | Qt::AlignBottom);

    m_steadyLamp = picture("Image10", ":/skins/changes_steady.png", {180, 542, 23, 20},
                           tr("No unsaved changes"));
    m_blinkLamp =
        picture("Image11", ":/skins/changes_blink.png", {180, 542, 23, 20}, tr("Unsaved changes"));
    m_blinkLamp->hide();
}

void EditorWindow::buildEditorArea(QWidget* client) {
    m_back = new QWidget(client);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setGeometry(58, 50, 710, 449);
    // The header panel on the left first: it comes before the pages in the tab order.
    m_header = new HeaderPanel(m_back, *m_doc);
    m_pages = new QTabWidget(m_back);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(710 - 379 - 4, 8, 379, 432);
    m_pages->setDocumentMode(true);
    m_pages->setUsesScrollButtons(false);
    m_pages->setAccessibleName(tr("Object type pages"));
    const char* const tabs[] = {QT_TR_NOOP("Items"), QT_TR_NOOP("Critters"), QT_TR_NOOP("Scenery"),
                                QT_TR_NOOP("Walls"), QT_TR_NOOP("Tiles"),    QT_TR_NOOP("Misc")};
    for (const char* t : tabs) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet_") + QLatin1String(t));
        m_pages->addTab(page, tr(t));
    }
    auto* about = new QWidget;
    about->setObjectName(QStringLiteral("TabSheetAbout"));
    new Picture(about, QStringLiteral("ImageAbout"), QStringLiteral(":/skins/about.jpg"),
                QRect(4, 4, 367, 396), tr("About Zantrel"));
    m_pages->addTab(about, tr("About"));
    m_pages->setCurrentIndex(6);
    m_pages->setEnabled(false); // until the first prototype is open
}

bool EditorWindow::alarmOn() const {
    return m_doc->isModified();
}

QUndoStack* EditorWindow::history() const {
    return m_controller->history();
}

void EditorWindow::takeEdit() {
    if (m_controller) // not while the window is being built
        m_controller->takeEdit();
}

void EditorWindow::buildHistoryActions(QMenu* edit) {
    m_undoAction = history()->createUndoAction(this, tr("Undo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction = history()->createRedoAction(this, tr("Redo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* a : {m_undoAction, m_redoAction}) {
        // From the tree window as well: the history is the open prototype's, wherever the
        // focus is.
        a->setShortcutContext(Qt::ApplicationShortcut);
        edit->addAction(a);
    }
    edit->addSeparator();
    QAction* texts = edit->addAction(tr("Name and Description..."));
    texts->setShortcut(Qt::CTRL | Qt::Key_D);
    connect(texts, &QAction::triggered, this, [this] { m_controller->editTexts(); });
    qApp->installEventFilter(this);
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false; // another window's boxes keep their own undo
    const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
    for (const QAction* a : {m_undoAction, m_redoAction})
        for (const QKeySequence& s : a->shortcuts())
            if (s.count() == 1 && s[0] == key)
                return true; // not taken by the box, so the history's shortcut runs
    return false;
}

// The lamp follows the document: blinking while it has unsaved changes, steady otherwise.
void EditorWindow::showModified(bool modified) {
    if (modified && !m_blinkTimer->isActive()) {
        m_blinkPhase = false;
        m_blinkTimer->start();
    } else if (!modified) {
        m_blinkTimer->stop();
        showOneOf(m_steadyLamp, m_blinkLamp);
    }
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
    move(centredIn(desktop(), size()));
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
        move(centredIn(desktop(), size()));
    } else {
        tree->show();
        m_treeAction->setChecked(true);
        // The pair of windows centred side by side.
        const QSize pair(width() + tree->width(), height());
        move(centredIn(desktop(), pair).x() + tree->width(), y());
        dockTree();
    }
}

void EditorWindow::dockTree() {
    if (m_dockedWindow)
        m_dockedWindow->move(x() - m_dockedWindow->width(), y());
}

void EditorWindow::settingsClosed() {
    setEnabled(true);
    for (QAction* a : std::as_const(m_commands))
        a->setEnabled(true);
    m_settingsButton->setLatched(false);
    // The keyboard comes back where it was: on the settings button, when it opened them.
    if (m_focusBeforeSettings)
        m_focusBeforeSettings->setFocus(Qt::OtherFocusReason);
    activateWindow();
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
    if (!m_app.prompter->confirm(this, tr("Confirm"), tr("Вы действительно хотите выйти?"))) {
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
    const QString path = QDir(m_app.cursorFolder()).filePath(QStringLiteral("cursor.cur"));
    if (!QFileInfo::exists(path))
        return; // the standard arrow
    QCursor cursor;
    if (!readCursorFile(path, cursor))
        return;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(cursor);
}

void EditorWindow::buildPages() {
    // The window is the context of every connection: ~EditorWindow cuts them before the
    // children go, so a box losing the focus during the teardown reaches nothing.
    connect(m_header, &HeaderPanel::edited, this, &EditorWindow::takeEdit);
    connect(m_header, &HeaderPanel::descriptionRefreshRequested, this,
            &EditorWindow::refreshDescription);
    connect(m_header, &HeaderPanel::typeSelected, this, &EditorWindow::showTypePage);
    connect(m_header, &HeaderPanel::failed, this, [this](const QString& text) { showError(text); });
    connect(m_header, &HeaderPanel::frameChanged, this, [this] {
        for (TypePage* page : {m_itemPage.get(), m_critterPage.get()})
            if (page)
                page->frameChanged();
    });
    connect(m_header, &HeaderPanel::formatChanged, this, [this](bool decimal) {
        m_hexAction->setChecked(!decimal);
        m_decAction->setChecked(decimal);
    });
    m_header->lower();
    connect(m_header->openButton(), &QPushButton::clicked, this, &EditorWindow::openWithDialog);
    connect(m_header->saveButton(), &QPushButton::clicked, this, &EditorWindow::save);
    connect(m_header->saveAsButton(), &QPushButton::clicked, this, &EditorWindow::saveAs);
    const PageContext context{&m_app, m_doc, m_header->frames(), m_header->edit(1)};
    m_simple = new SimplePages(m_pages, context);
    connect(m_simple, &SimplePages::refreshRequested, this, &EditorWindow::refreshDescription);
    m_itemPage = createItemPage(m_pages->widget(0), context);
    m_critterPage = createCritterPage(m_pages->widget(1), context);
    // The item and simple pages are read by rows (the critter page's grids go by columns).
    for (int page : {0, 2, 3, 4, 5})
        orderTabsByRows(m_pages->widget(page));
    for (TypePage* page : {m_itemPage.get(), m_critterPage.get(), m_simple->page(2),
                           m_simple->page(3), m_simple->page(4), m_simple->page(5)}) {
        connect(page, &TypePage::edited, this, &EditorWindow::takeEdit);
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
    m_app.prompter->error(this, tr("Error"), AppContext::withPath(text, path));
}

void EditorWindow::setCaption() {
    setWindowTitle(tr("Zantrel - ") + m_doc->path());
    m_fileNameLabel->setText(m_doc->fileName());
}

} // namespace zantrel

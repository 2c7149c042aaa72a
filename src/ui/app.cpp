#include "app.h"

#include "accessibility.h"
#include "core/files.h"
#include "core/usererror.h"
#include "editorwindow.h"
#include "filetreewindow.h"
#include "loadingwindow.h"
#include "prompter.h"
#include "prototypeswindow.h"
#include "settings/settingslocation.h"
#include "settingswindow.h"
#include "theme.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <QShortcut>
#include <utility>

// The skins are compiled into this static library; their resources must be registered.
static void initSkins() {
    Q_INIT_RESOURCE(skins);
}

namespace zantrel {

const GameData& AppContext::gameData() const {
    const QStringList key{settings.gameFolder, settings.sourcesFolder, settings.useSources,
                          settings.codePage};
    if (key != m_gameDataFor) {
        m_gameData = GameData(settings);
        m_gameDataFor = key;
        ++m_gameDataBuilds;
    }
    return m_gameData;
}

void AppContext::readSettings() {
    settings = readini(settingsPath);
    if (!gameFolderOverride.isEmpty()) {
        settings.gameFolder = normalizedPath(gameFolderOverride);
        settings.useSources = QStringLiteral("0");
    }
}

QString AppContext::picturesFolder() const {
    return dataFolder.isEmpty() ? programFolder : dataFolder;
}

QString AppContext::cursorFolder() const {
    return dataFolder.isEmpty() ? programFolder : dataFolder;
}

QString AppContext::defaultsFolder() const {
    return dataFolder.isEmpty() ? programFolder : QFileInfo(settingsPath).path();
}

QString AppContext::withPath(const QString& text, const QString& path) {
    return path.isEmpty() ? text : text + QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

namespace {

// The Prototypes window opens beside the editor and opens its rows in it; it waits while the
// settings are open, and follows them when they name another game.
void wirePrototypes(Shell& shell) {
    EditorWindow* editor = shell.editor;
    PrototypesWindow* prototypes = shell.prototypes;
    SettingsWindow* settings = shell.settingsWindow;
    prototypes->addActions(editor->commandActions()); // the editor's keys work there too
    QObject::connect(editor, &EditorWindow::prototypesRequested, prototypes,
                     [editor, prototypes] { prototypes->showBeside(editor->frameGeometry()); });
    QObject::connect(prototypes, &PrototypesWindow::prototypeChosen, editor,
                     &EditorWindow::openFromGame);
    QObject::connect(editor, &EditorWindow::settingsRequested, prototypes,
                     [prototypes] { prototypes->setEnabled(false); });
    QObject::connect(settings, &SettingsWindow::closed, prototypes, [&shell, prototypes] {
        prototypes->setEnabled(true);
        try {
            shell.catalogue.settingsChanged();
        } catch (const UserError& e) {
            shell.prompter->error(prototypes, PrototypesWindow::tr("Error"),
                                  AppContext::withPath(e.text(), e.path()));
        }
    });
}

// The one place the windows meet: each only signals what happened to it.
void wire(Shell& shell) {
    LoadingWindow* loading = shell.loading;
    EditorWindow* editor = shell.editor;
    FileTreeWindow* tree = shell.tree;
    SettingsWindow* settings = shell.settingsWindow;
    QObject::connect(loading, &LoadingWindow::checkPassed, editor, &EditorWindow::showCentred);
    // The file named on the command line, once: a later check never opens it again.
    QObject::connect(loading, &LoadingWindow::checkPassed, editor, [&shell, editor] {
        const QString file = std::exchange(shell.fileToOpen, QString());
        if (!file.isEmpty())
            editor->openRequested(file);
    });
    // The loading window is the main window: the program ends with it.
    QObject::connect(editor, &EditorWindow::closed, loading, &QWidget::close);
    QObject::connect(editor, &EditorWindow::settingsRequested, settings, &QWidget::show);
    QObject::connect(settings, &SettingsWindow::closed, editor, &EditorWindow::settingsClosed);

    editor->setDockedWindow(tree);
    tree->addActions(editor->commandActions()); // it answers the editor's keys itself
    QObject::connect(tree, &FileTreeWindow::fileChosen, editor, &EditorWindow::openFromTree);
    QObject::connect(tree, &FileTreeWindow::gameFileChosen, editor, &EditorWindow::openFromGame);
    QObject::connect(tree, &FileTreeWindow::closeRequested, editor, [editor, tree] {
        // However it is closed, the editor hides it, unchecks "Tree" and re-centres itself.
        if (editor->treeAction()->isChecked())
            editor->toggleTree();
        else
            tree->hide();
    });
    wirePrototypes(shell);
    QObject::connect(tree, &FileTreeWindow::dragPressed, editor, &EditorWindow::dragPress);
    QObject::connect(tree, &FileTreeWindow::dragMoved, editor, &EditorWindow::dragMove);
    QObject::connect(tree, &FileTreeWindow::dragReleased, editor, &EditorWindow::dragRelease);

    // F6 takes the keyboard between the editor and the tree window beside it: the tree is
    // shown without taking the keyboard, and a side window is not on the window switcher.
    auto* toTree = new QShortcut(QKeySequence(Qt::Key_F6), editor);
    QObject::connect(toTree, &QShortcut::activated, tree, [tree] {
        if (tree->isVisible())
            tree->takeKeyboard();
    });
    auto* toEditor = new QShortcut(QKeySequence(Qt::Key_F6), tree);
    QObject::connect(toEditor, &QShortcut::activated, editor, [editor] {
        editor->activateWindow();
        editor->raise();
    });
}

} // namespace

void createWindows(Shell& shell) {
    initSkins();
    if (shell.dataFolder.isEmpty())
        shell.dataFolder = installedDataFolder(shell.programFolder);
    installAccessibility();
    if (shell.settingsPath.isEmpty())
        shell.settingsPath = settingsFilePath(shell.programFolder);
    shell.loading = new LoadingWindow(shell);
    shell.editor = new EditorWindow(shell);
    shell.tree = new FileTreeWindow(shell);
    shell.settingsWindow = new SettingsWindow(shell);
    shell.prototypes = new PrototypesWindow(shell);
    for (QWidget* window : std::initializer_list<QWidget*>{
             shell.loading, shell.editor, shell.tree, shell.settingsWindow, shell.prototypes}) {
        applyTheme(window);
        nameComboEditors(window);
    }
    wire(shell);
}

void destroyWindows(Shell& shell) {
    delete shell.prototypes;
    shell.prototypes = nullptr;
    delete shell.settingsWindow;
    shell.settingsWindow = nullptr;
    delete shell.tree;
    shell.tree = nullptr;
    delete shell.editor;
    shell.editor = nullptr;
    delete shell.loading;
    shell.loading = nullptr;
}

} // namespace zantrel

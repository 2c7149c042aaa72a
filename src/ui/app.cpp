#include "app.h"

#include "editorwindow.h"
#include "loadingwindow.h"
#include "settingswindow.h"
#include "filetreewindow.h"
#include "settings/settingslocation.h"

// The skins are compiled into this static library; their resources must be registered.
static void initSkins() {
    Q_INIT_RESOURCE(skins);
}

namespace zantrel {

void createWindows(Shell& shell) {
    initSkins();
    if (shell.settingsPath.isEmpty())
        shell.settingsPath = settingsFilePath(shell.programFolder);
    shell.loading = new LoadingWindow(shell);
    shell.editor = new EditorWindow(shell);
    shell.tree = new FileTreeWindow(shell);
    shell.settingsWindow = new SettingsWindow(shell);
}

void destroyWindows(Shell& shell) {
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

// Takes the README's screenshots: runs the real windows on the demo data of a build folder
// and saves what each one shows. Run under a display (xvfb-run) from the build folder:
//   xvfb-run -a -s "-screen 0 1024x768x24" tools/screenshots/zantrel_screenshots ../docs
#include "ui/app.h"
#include "ui/editorwindow.h"
#include "ui/filetreewindow.h"
#include "ui/flags.h"
#include "ui/headerpanel.h"
#include "ui/loadingwindow.h"
#include "ui/prompter.h"
#include "ui/prototypeswindow.h"
#include "ui/settingswindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

void settle(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool save(QWidget* w, const QString& folder, const char* name) {
    const QString path = QDir(folder).filePath(QLatin1String(name));
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// No dialog may wait for a person here: questions are answered yes (the shots go on from
// document to document) and messages are printed.
class UnattendedPrompter : public zantrel::QtPrompter {
public:
    void error(QWidget*, const QString& title, const QString& text) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool confirm(QWidget*, const QString&, const QString&) override { return true; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zantrel"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zantrel_screenshots <output-folder>\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    const QDir buildDir = QDir::current(); // the tree window changes the current folder
    UnattendedPrompter prompter;
    zantrel::Shell shell;
    shell.programFolder = QDir::currentPath(); // the build folder with its demo settings
    shell.prompter = &prompter;
    shell.quit = [] {};
    zantrel::createWindows(shell);
    shell.loading->show();
    // Mid-check: some files found, the gauge part-way.
    QDeadlineTimer deadline(5000);
    while (shell.loading->checkIndex() < 6 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    shell.loading->timer()->stop();
    bool ok = save(shell.loading, out, "loading.png");
    shell.loading->timer()->start();
    deadline = QDeadlineTimer(5000);
    while (!shell.editor->isVisible() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    settle(300);
    ok = save(shell.editor, out, "editor.png") && ok;

    // A scenery prototype of the demo data, in hexadecimal, decimal and with "Set Manually:".
    // The demo game is a stock install: the prototypes come from its archives.
    // Stairs: the scenery's fields and its kind's destination.
    shell.editor->openFromGame(QStringLiteral("proto/scenery/00000003.pro"));
    settle(200);
    ok = save(shell.editor, out, "editor-stairs.png") && ok;
    shell.editor->openFromGame(QStringLiteral("proto/scenery/00000001.pro"));
    settle(200);
    ok = save(shell.editor, out, "editor-hex.png") && ok;
    shell.editor->header()->decimalButton()->click();
    settle(200);
    ok = save(shell.editor, out, "editor-decimal.png") && ok;
    shell.editor->header()->hexButton()->click();
    shell.editor->header()->flags()->manual()->click();
    settle(200);
    ok = save(shell.editor, out, "editor-manual.png") && ok;
    shell.editor->header()->flags()->manual()->click();
    // The tree window beside it, in the folder of the demo scenery.
    if (auto* tree = qobject_cast<zantrel::FileTreeWindow*>(shell.tree)) {
        tree->setGameFolder(QStringLiteral("proto/scenery"));
        shell.editor->toggleTree();
        settle(300);
        ok = save(tree, out, "tree.png") && ok;
        shell.editor->toggleTree();
    }

    // An item with its ground and inventory pictures, at full and at half size.
    const QString item = QStringLiteral("proto/items/00000005.pro");
    for (const char* size : {"0", "1"}) {
        shell.settings.imageSize = QLatin1String(size);
        shell.editor->openFromGame(item);
        settle(200);
        ok = save(shell.editor, out, *size == '0' ? "editor-item.png" : "editor-item-half.png") &&
             ok;
    }
    shell.settings.imageSize = QStringLiteral("0");

    // A weapon and an armor on their kind's tab, and the item's light and use tab.
    auto* itemTabs = shell.editor->findChild<QTabWidget*>(QStringLiteral("PageControl3"));
    const struct {
        const char* proto;
        const char* tab;
        const char* file;
    } kinds[] = {{"proto/items/00000004.pro", "TabSheet_Weapon", "editor-weapon.png"},
                 {"proto/items/00000001.pro", "TabSheet_Armor", "editor-armor.png"},
                 {"proto/items/00000003.pro", "TabSheet_Drug", "editor-drug.png"},
                 {"proto/items/00000004.pro", "TabSheet_LightUse", "editor-item-use.png"}};
    for (const auto& k : kinds) {
        shell.editor->openFromGame(QLatin1String(k.proto));
        if (itemTabs)
            if (QWidget* tab = itemTabs->findChild<QWidget*>(QLatin1String(k.tab)))
                itemTabs->setCurrentWidget(tab);
        settle(200);
        ok = save(shell.editor, out, k.file) && ok;
    }

    // With the weapon open: its name dialog (Ctrl+D), then the New prototype dialog (Ctrl+N)
    // offering a copy of it, texts typed; neither is accepted, so the demo game stays as it is.
    shell.editor->openFromGame(QStringLiteral("proto/items/00000004.pro"));
    const struct {
        QKeySequence key;
        const char* dialog;
        const char* file;
    } dialogs[] = {{QKeySequence(Qt::CTRL | Qt::Key_D), "ObjectTexts", "objecttexts.png"},
                   {QKeySequence(Qt::CTRL | Qt::Key_N), "NewPrototype", "newprototype.png"}};
    for (const auto& d : dialogs) {
        for (QAction* a : shell.editor->findChildren<QAction*>())
            if (a->shortcut() == d.key)
                a->trigger();
        settle(200);
        QDialog* dialog = nullptr;
        for (QDialog* found : shell.editor->findChildren<QDialog*>(QLatin1String(d.dialog)))
            if (found->isVisible())
                dialog = found;
        if (!dialog) {
            std::printf("FAILED no dialog %s\n", d.dialog);
            ok = false;
            continue;
        }
        if (QString(d.dialog) == QLatin1String("NewPrototype")) {
            dialog->findChild<QLineEdit*>(QStringLiteral("Edit120"))->setText("Laser Rifle");
            dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo6"))
                ->setPlainText("A rifle that fires a beam of light.");
        }
        settle(200);
        ok = save(dialog, out, d.file) && ok;
        dialog->reject();
        settle(100);
    }

    // The Prototypes window beside the editor, on the items.
    emit shell.editor->prototypesRequested();
    settle(300);
    ok = save(shell.prototypes, out, "prototypes.png") && ok;
    shell.prototypes->hide();

    // The demo critter on its "General" and "Base" tabs.
    shell.editor->openFromGame(QStringLiteral("proto/critters/00000001.pro"));
    settle(200);
    ok = save(shell.editor, out, "editor-critter.png") && ok;
    if (auto* inner = shell.editor->findChild<QTabWidget*>(QStringLiteral("PageControl2"))) {
        inner->setCurrentIndex(1);
        settle(200);
        ok = save(shell.editor, out, "editor-critter-base.png") && ok;
        inner->setCurrentIndex(5); // "Other": the AI packet by name
        settle(200);
        ok = save(shell.editor, out, "editor-critter-other.png") && ok;
        inner->setCurrentIndex(0);
    }
    // A critter without prepared pictures: its preview is drawn from the game's own art.
    shell.editor->openFromGame(QStringLiteral("proto/critters/00000004.pro"));
    settle(200);
    ok = save(shell.editor, out, "editor-critter-art.png") && ok;

    shell.settingsWindow->show();
    auto* list = shell.settingsWindow->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    const char* names[] = {"settings-files.png", "settings-images.png", "settings-other.png"};
    for (int page = 0; page < 3 && list; ++page) {
        list->setCurrentRow(page);
        settle(200);
        ok = save(shell.settingsWindow, out, names[page]) && ok;
    }
    shell.settingsWindow->closeWindow();
    zantrel::destroyWindows(shell);
    return ok ? 0 : 1;
}

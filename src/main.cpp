// Zantrel: the title, the four windows in their order, then the event loop. The loading
// window is the main window; the program ends when it closes.
#include "ui/loadingwindow.h"
#include "ui/prompter.h"
#include "ui/app.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zantrel"));
    // No display name: the platform would append it to every window title.
    QApplication::setQuitOnLastWindowClosed(false);

    zantrel::QtPrompter prompter;
    zantrel::Shell shell;
    shell.programFolder = QCoreApplication::applicationDirPath();
    shell.prompter = &prompter;
    zantrel::createWindows(shell);
    shell.loading->show();
    const int code = app.exec();
    zantrel::destroyWindows(shell);
    return code;
}

// Zantrel: the title, the four windows in their order, then the event loop. The loading
// window is the main window; the program ends when it closes. A prototype named on the
// command line opens once the loading check has passed.
#include "ui/loadingwindow.h"
#include "ui/prompter.h"
#include "ui/app.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

// The build passes the desktop entry's name (ZANTREL_APP_ID in CMakeLists.txt).
#ifndef ZANTREL_APP_ID
#define ZANTREL_APP_ID "io.github.zantrel.Zantrel"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZANTREL_APP_ID));
    // No display name: the platform would append it to every window title.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Edits Fallout 2 prototype files."));
    parser.addHelpOption();
    const QCommandLineOption game(
        QStringLiteral("game"),
        QStringLiteral("The game folder for this run; the settings file keeps its own."),
        QStringLiteral("FOLDER"));
    parser.addOption(game);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A prototype to open once the game files are checked."),
        QStringLiteral("[FILE.pro]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("zantrel: one prototype at a time\n", stderr);
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 1;
    }

    zantrel::QtPrompter prompter;
    zantrel::Shell shell;
    shell.programFolder = QCoreApplication::applicationDirPath();
    shell.prompter = &prompter;
    // A relative folder is taken from where the program was started.
    if (parser.isSet(game))
        shell.gameFolderOverride = QFileInfo(parser.value(game)).absoluteFilePath();
    if (!files.isEmpty())
        shell.fileToOpen = QFileInfo(files.first()).absoluteFilePath();
    zantrel::createWindows(shell);
    shell.loading->show();
    const int code = app.exec();
    zantrel::destroyWindows(shell);
    return code;
}

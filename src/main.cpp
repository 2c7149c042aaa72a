// Zantrel: the title, the four windows in their order, then the event loop. The loading
// window is the main window; the program ends when it closes. A prototype named on the
// command line opens once the loading check has passed.
#include "settings/settingsfile.h"
#include "settings/settingslocation.h"
#include "ui/app.h"
#include "ui/language.h"
#include "ui/loadingwindow.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <memory>

// The build passes the desktop entry's name and the version (CMakeLists.txt).
#ifndef ZANTREL_APP_ID
#define ZANTREL_APP_ID "io.github.zantrel.Zantrel"
#endif
#ifndef ZANTREL_VERSION
#define ZANTREL_VERSION "unknown"
#endif

namespace {

// --lang for this run, else the settings file's language. Read before the parser is built,
// so that its own texts are in the language too.
QString chosenLanguage(const QStringList& args) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--lang") && i + 1 < args.size())
            return args[i + 1];
        if (args[i].startsWith(QLatin1String("--lang=")))
            return args[i].mid(7);
    }
    const QString settings = zantrel::existingSettingsFile(QCoreApplication::applicationDirPath());
    return zantrel::readini(settings).language;
}

// --help and --version print and end: they need no display.
bool onlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> application(
        onlyPrints(argc, argv) ? new QCoreApplication(argc, argv) : new QApplication(argc, argv));
    QCoreApplication& app = *application;
    QApplication::setApplicationName(QStringLiteral("Zantrel"));
    QApplication::setApplicationVersion(QStringLiteral(ZANTREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZANTREL_APP_ID));
    // No display name: the platform would append it to every window title.
    QApplication::setQuitOnLastWindowClosed(false);
    zantrel::installLanguage(app, chosenLanguage(QCoreApplication::arguments()));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Edits Fallout 2 prototype files."));
    parser.addHelpOption();
    const QCommandLineOption version(
        QStringLiteral("version"),
        QCoreApplication::translate("main", "Displays the program's name and version."));
    parser.addOption(version);
    const QCommandLineOption game(
        QStringLiteral("game"),
        QCoreApplication::translate(
            "main", "The game folder for this run; the settings file keeps its own."),
        QStringLiteral("FOLDER"));
    parser.addOption(game);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QCoreApplication::translate(
            "main",
            "The language of this run's texts: en for English; the settings file keeps its own."),
        QStringLiteral("CODE"));
    parser.addOption(lang);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("main", "A prototype to open once the game files are checked."),
        QStringLiteral("[FILE.pro]"));
    parser.process(app);
    if (parser.isSet(version)) {
        std::fputs("zantrel " ZANTREL_VERSION "\n", stdout);
        return 0;
    }
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
    const int code = QCoreApplication::exec();
    zantrel::destroyWindows(shell);
    return code;
}

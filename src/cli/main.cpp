// zantrel-cli: the game's files and the prototype records from the command line, on the
// same core as the editor.
#include "core/files.h"
#include "core/usererror.h"
#include "gamedata/gamenames.h"
#include "gamedata/gameview.h"
#include "modcheck.h"
#include "proto/document.h"
#include "prototypetext.h"
#include "settings/settingsfile.h"
#include "showoutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>
#include <optional>

using namespace zantrel;

// The build passes the project's version (CMakeLists.txt).
#ifndef ZANTREL_VERSION
#define ZANTREL_VERSION "unknown"
#endif

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char kHelp[] = R"(Usage: zantrel-cli [--game FOLDER] COMMAND [ARGUMENTS]

Commands:
  ls [PATTERN]                 the game's files as the game sees them, each with the
                               archive or folder its copy comes from; PATTERN is a folder
                               ("art/critters") or a name with * and ? ("proto/items/*.pro")
  cat PATH                     one game file's bytes to standard output
  show [--json] FILE.pro...    every field of each prototype: offset, name, shown value
                               and [stored number]; --json prints one JSON array with an
                               object per file
  set [--dry-run] FILE.pro NAME=VALUE...
                               changes fields (names as show prints them, any letter
                               case); nothing is written unless every value converts and
                               passes its check; --dry-run prints the changes instead
  textconv FILE.pro            the prototype as stable text, one "name: value" line a
                               field, for git diff (see the README); a file that is no
                               prototype prints what can be read and its problems
  diff A.pro B.pro             the fields that differ, one "name: A -> B" line each;
                               exit status 0 when the two are the same, 1 when they
                               differ, 2 when a file cannot be read
  check [--json] PATH...       the prototypes below each folder (*.pro) and the files
                               named: one "file: problem" line for a length that does
                               not fit the type and kind, an unknown object type, a value
                               its field does not allow and, with a game folder, a text
                               id, frame id, script id or prototype id that names nothing
                               in the game's files; --json prints one JSON array of
                               {"file", "problem"} objects. Exit status 0 when clean, 1
                               when problems were found, 2 when a path or the game
                               folder is not there

Options:
  --game FOLDER   the game folder ("" for none); without it, the editor's settings give
                  it. Names of materials, kinds, scripts, frames, perks ... come from its
                  files
  -h, --help      this text
  --version       the program's name and version

Exit status: 0 done, 1 a problem (reported on standard error), 2 wrong usage; diff and
check as above.
)";

struct Options {
    std::optional<QString> game;
    bool json = false;
    bool dryRun = false;
    bool version = false;
    QStringList words; // the command and its arguments
};

void write(FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void report(const QString& text) {
    for (const QString& line : text.split(u'\n'))
        write(stderr, (QStringLiteral("zantrel-cli: ") + line + u'\n').toUtf8());
}

void report(const UserError& e) {
    report(e.path().isEmpty() ? e.text() : e.path() + QStringLiteral(": ") + e.text());
}

int usage(const QString& text) {
    report(text + QStringLiteral(" (see zantrel-cli --help)"));
    return kUsage;
}

// The arguments; false (after the message) when they cannot be read.
bool parseArguments(const QStringList& args, Options& o, bool& help) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            help = true;
        } else if (a == QLatin1String("--game")) {
            if (++i == args.size())
                return usage(QStringLiteral("--game needs a folder")), false;
            o.game = args[i];
        } else if (a.startsWith(QLatin1String("--game="))) {
            o.game = a.mid(7);
        } else if (a == QLatin1String("--version")) {
            o.version = true;
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--dry-run")) {
            o.dryRun = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usage(QStringLiteral("unknown option %1").arg(a)), false;
        } else {
            o.words << a;
        }
    }
    return true;
}

// The game folder given, else the settings' one; empty when there is none.
QString gameFolder(const Options& o) {
    if (o.game)
        return *o.game;
    return readini(existingSettingsFile(QCoreApplication::applicationDirPath())).gameFolder;
}

// The game's files, or nothing after the message when there is no game folder.
std::unique_ptr<GameView> openGame(const Options& o) {
    const QString folder = gameFolder(o);
    if (folder.isEmpty()) {
        report(QStringLiteral("No game folder: give --game FOLDER or set it in the editor's "
                              "settings"));
        return nullptr;
    }
    if (!QFileInfo(folder).isDir()) {
        report(UserError(QStringLiteral("Game folder not found"), folder));
        return nullptr;
    }
    return std::make_unique<GameView>(folder);
}

// The game's files and names for the commands that show values: from the game folder
// given or set, else none.
struct OptionalGame {
    std::unique_ptr<GameView> view;
    std::unique_ptr<TextWarnings> warnings = std::make_unique<TextWarnings>();
    std::unique_ptr<GameNames> names;
    bool failed = false; // the folder given is not there (reported)

    // What the names' reading skipped in the game's message files, on standard error.
    ~OptionalGame() {
        if (warnings)
            for (const UserError& e : warnings->take())
                report(UserError(QStringLiteral("warning: ") + e.text(), e.path()));
    }
    OptionalGame() = default;
    OptionalGame(OptionalGame&&) = default;
};

OptionalGame optionalGame(const Options& o) {
    OptionalGame game;
    const QString folder = gameFolder(o);
    if (folder.isEmpty() || (!o.game && !QFileInfo(folder).isDir()))
        return game;
    game.view = openGame(o);
    game.failed = !game.view;
    if (game.view)
        game.names = std::make_unique<GameNames>(*game.view, game.warnings.get());
    return game;
}

int listFiles(const Options& o) {
    if (o.words.size() > 2)
        return usage(QStringLiteral("ls takes one pattern"));
    const std::unique_ptr<GameView> view = openGame(o);
    if (!view)
        return kFailed;
    const QDir game(view->folder());
    QByteArray out;
    for (const GameFile& f : view->list(o.words.value(1))) {
        const QString source = f.source.kind == GameSource::Kind::Archive
                                   ? QFileInfo(f.source.container).fileName()
                                   : game.relativeFilePath(f.source.container);
        out += (f.name + u'\t' + source + u'\n').toUtf8();
    }
    write(stdout, out);
    for (const UserError& e : view->problems())
        report(e);
    return view->problems().isEmpty() ? kOk : kFailed;
}

int catFile(const Options& o) {
    if (o.words.size() != 2)
        return usage(QStringLiteral("cat takes one path"));
    const std::unique_ptr<GameView> view = openGame(o);
    if (!view)
        return kFailed;
    write(stdout, view->read(o.words[1]));
    return kOk;
}

// A prototype named on the command line: a file on disk, else the game's copy.
QByteArray prototypeBytes(const QString& path, const GameView* view) {
    if (view && !QFileInfo::exists(path) && view->exists(path))
        return view->read(path);
    return readFileBytes(path);
}

int showFiles(const Options& o) {
    if (o.words.size() < 2)
        return usage(QStringLiteral("show needs a prototype file"));
    const OptionalGame game = optionalGame(o);
    if (game.failed)
        return kFailed;
    QJsonArray records;
    QStringList texts;
    int status = kOk;
    for (const QString& path : o.words.mid(1)) {
        try {
            const QByteArray bytes = prototypeBytes(path, game.view.get());
            if (o.json)
                records.append(recordJson(path, bytes, game.names.get()));
            else
                texts << recordText(path, bytes, game.names.get());
        } catch (const UserError& e) {
            report(e);
            status = kFailed;
        }
    }
    write(stdout, o.json ? QJsonDocument(records).toJson() : texts.join(u'\n').toUtf8());
    return status;
}

int setFields(const Options& o) {
    if (o.words.size() < 3)
        return usage(QStringLiteral("set needs a prototype file and NAME=VALUE"));
    for (const QString& a : o.words.mid(2))
        if (!a.contains(u'='))
            return usage(QStringLiteral("'%1' is not an assignment NAME=VALUE").arg(a));
    const OptionalGame game = optionalGame(o);
    if (game.failed)
        return kFailed;
    const QString path = o.words[1];
    QStringList changes;
    const QByteArray before = readFileBytes(path);
    const QByteArray after = applyAssignments(before, o.words.mid(2), game.names.get(), &changes);
    if (o.dryRun) {
        write(stdout, (changes.join(u'\n') + u'\n').toUtf8());
        return kOk;
    }
    writePrototype(path, after);
    return kOk;
}

int textconv(const Options& o) {
    if (o.words.size() != 2)
        return usage(QStringLiteral("textconv takes one prototype file"));
    const OptionalGame game = optionalGame(o);
    if (game.failed)
        return kFailed;
    const QByteArray bytes = prototypeBytes(o.words[1], game.view.get());
    write(stdout, prototypeText(bytes, game.names.get()).toUtf8());
    return kOk;
}

int diffFiles(const Options& o) {
    if (o.words.size() != 3)
        return usage(QStringLiteral("diff takes two prototype files"));
    const OptionalGame game = optionalGame(o);
    if (game.failed)
        return kUsage;
    QByteArray a, b;
    try {
        a = prototypeBytes(o.words[1], game.view.get());
        b = prototypeBytes(o.words[2], game.view.get());
    } catch (const UserError& e) {
        report(e);
        return kUsage; // trouble, as diff(1) has it: 1 means "they differ"
    }
    const QStringList lines = prototypeDiff(a, b, game.names.get());
    for (const QString& line : lines)
        write(stdout, (line + u'\n').toUtf8());
    return lines.isEmpty() ? kOk : kFailed;
}

int checkFiles(const Options& o) {
    if (o.words.size() < 2)
        return usage(QStringLiteral("check needs a folder or prototype file"));
    const OptionalGame game = optionalGame(o);
    if (game.failed)
        return kUsage;
    if (game.view)
        for (const UserError& e : game.view->problems())
            report(e);
    else
        report(QStringLiteral("No game folder: text ids, frame ids, scripts and prototype ids "
                              "were not checked against the game's files"));
    const CheckResult result = checkPaths(o.words.mid(1), game.names.get());
    for (const QString& path : result.missing)
        report(UserError(QStringLiteral("File not found"), path));
    QJsonArray json;
    QByteArray text;
    for (const Finding& f : result.findings) {
        if (o.json)
            json.append(QJsonObject{{QStringLiteral("file"), f.file},
                                    {QStringLiteral("problem"), f.problem}});
        else
            text += (f.file + QStringLiteral(": ") + f.problem + u'\n').toUtf8();
    }
    write(stdout, o.json ? QJsonDocument(json).toJson() : text);
    for (const QString& list : result.unreadable)
        report(QStringLiteral("%1 cannot be read from the game: what refers to it was not "
                              "checked")
                   .arg(list));
    report(QStringLiteral("%1 prototype files checked, %2 problems found")
               .arg(result.files)
               .arg(result.findings.size()));
    if (!result.missing.isEmpty())
        return kUsage;
    return result.findings.empty() ? kOk : kFailed;
}

int run(const Options& o) {
    const QString command = o.words.value(0);
    if ((o.json && command != QLatin1String("show") && command != QLatin1String("check")) ||
        (o.dryRun && command != QLatin1String("set")))
        return usage(QStringLiteral("--json belongs to show and check, --dry-run to set"));
    if (command == QLatin1String("ls"))
        return listFiles(o);
    if (command == QLatin1String("cat"))
        return catFile(o);
    if (command == QLatin1String("show"))
        return showFiles(o);
    if (command == QLatin1String("set"))
        return setFields(o);
    if (command == QLatin1String("textconv"))
        return textconv(o);
    if (command == QLatin1String("diff"))
        return diffFiles(o);
    if (command == QLatin1String("check"))
        return checkFiles(o);
    return usage(command.isEmpty() ? QStringLiteral("no command")
                                   : QStringLiteral("unknown command %1").arg(command));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The editor's name, so the settings are looked for in the same configuration folder.
    QCoreApplication::setApplicationName(QStringLiteral("Zantrel"));
    Options options;
    bool help = false;
    if (!parseArguments(QCoreApplication::arguments(), options, help))
        return kUsage;
    if (help) {
        write(stdout, kHelp);
        return kOk;
    }
    if (options.version) {
        write(stdout, "zantrel-cli " ZANTREL_VERSION "\n");
        return kOk;
    }
    try {
        return run(options);
    } catch (const UserError& e) {
        report(e);
        return kFailed;
    }
}

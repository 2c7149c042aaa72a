// zantrel-cli: the game's files and the prototype records from the command line, on the
// same core as the editor.
#include "clicommon.h"
#include "core/files.h"
#include "core/usererror.h"
#include "gamedata/catalogue.h"
#include "gamedata/gamedata.h"
#include "gamedata/gamenames.h"
#include "gamedata/gameview.h"
#include "modcheck.h"
#include "objectcommands.h"
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
using namespace zantrel::cli;

// The build passes the project's version (CMakeLists.txt).
#ifndef ZANTREL_VERSION
#define ZANTREL_VERSION "unknown"
#endif

namespace {

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
                               in the game's files; against the game's lists also a file
                               in a type's folder (items, critters ...) that no list line
                               names or whose stored id is not its line's, a list line
                               naming a missing file and a list line that appears twice;
                               --json prints one JSON array of {"file", "problem"}
                               objects. Exit status 0 when clean, 1 when problems were
                               found, 2 when a path or the game folder is not there
  list [TYPE] [--json] [TEXT]  the game's objects, one line a list line, tab-separated:
                               id (8 hex digits), file, name, kind, source (the archive
                               or folder of the file; empty when it is missing); only
                               those whose id, file or name hold TEXT (any letter case);
                               TYPE first, when given; --json prints one JSON array of
                               {"type", "id", "index", "file", "source", "name",
                               "description", "kind", "problems"} objects
  text ID|FILE                 the object's name and description ("name: ..." and
                               "description: ..." lines)
  text ID|FILE [--name TEXT] [--description TEXT]
                               writes them, as the editor saves them, into the type's
                               message file under the patches folder, in the game's
                               language and code page, and prints that file; a text with
                               a brace, a line break in the name, over 1,023 bytes or a
                               character the code page lacks is refused, nothing written
  new TYPE (--from ID|FILE | --kind KIND) --name TEXT [--description TEXT]
                               a new prototype as the game's tools add one: the next id,
                               its file under the patches folder, its name and
                               description, its list line last; prints the new id and
                               the file written. --from copies a prototype (an id, a file
                               as the lists name it, or a file on disk); --kind starts
                               from a kind's defaults (items: armor container drug weapon
                               ammo misc key; scenery: door stairs elevator "ladder up"
                               "ladder down" generic); critters, walls, tiles and misc
                               have no kinds and start from their defaults without --from

TYPE is one of items critters scenery walls tiles misc. ID is a prototype id: 0x and hex
digits, or exactly 8 hex digits as list prints it (00000012), are hex; other digits are
decimal (write an 8-digit decimal id with a leading 0). FILE is proto/TYPE/NAME.pro or
NAME.pro as its list line names it.

Options:
  --game FOLDER   the game folder ("" for none), read in its own language and code page;
                  without it, the editor's settings give it (with their sources folder
                  and code page). Names of materials, kinds, scripts, frames, perks ...
                  come from its files
  -h, --help      this text
  --version       the program's name and version

Exit status: 0 done, 1 a problem (reported on standard error), 2 wrong usage; diff and
check as above.
)";

// Where an option of text and new keeps its value ("--name", "--name=..."); null for others.
std::optional<QString>* valueOption(Options& o, const QString& a) {
    const QString name = a.section(u'=', 0, 0);
    if (name == QLatin1String("--name"))
        return &o.name;
    if (name == QLatin1String("--description"))
        return &o.description;
    if (name == QLatin1String("--from"))
        return &o.from;
    if (name == QLatin1String("--kind"))
        return &o.kind;
    return nullptr;
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
        } else if (std::optional<QString>* value = valueOption(o, a)) {
            if (a.contains(u'=')) {
                *value = a.section(u'=', 1);
            } else if (++i == args.size()) {
                return usage(QStringLiteral("%1 needs a value").arg(a)), false;
            } else {
                *value = args[i];
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            return usage(QStringLiteral("unknown option %1").arg(a)), false;
        } else {
            o.words << a;
        }
    }
    return true;
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
    std::unique_ptr<GameData> data;
    std::unique_ptr<GameNames> names;
    bool failed = false; // the folder given is not there (reported)

    const GameView* view() const { return data ? data->view() : nullptr; }
    // What the names' reading skipped in the game's message files, on standard error.
    ~OptionalGame() {
        if (data)
            for (const UserError& e : data->textWarnings().take())
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
    game.data = openGameData(o);
    game.failed = !game.data;
    if (game.data)
        game.names = std::make_unique<GameNames>(*game.data->view(), &game.data->textWarnings());
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
            const QByteArray bytes = prototypeBytes(path, game.view());
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
    const QByteArray bytes = prototypeBytes(o.words[1], game.view());
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
        a = prototypeBytes(o.words[1], game.view());
        b = prototypeBytes(o.words[2], game.view());
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
    if (game.view())
        for (const UserError& e : game.view()->problems())
            report(e);
    else
        report(QStringLiteral("No game folder: text ids, frame ids, scripts and prototype ids "
                              "were not checked against the game's files"));
    std::unique_ptr<Catalogue> catalogue;
    if (game.data)
        catalogue = std::make_unique<Catalogue>(*game.data);
    const CheckResult result = checkPaths(o.words.mid(1), game.names.get(), catalogue.get());
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
    const auto is = [&](std::initializer_list<const char*> commands) {
        for (const char* c : commands)
            if (command == QLatin1String(c))
                return true;
        return false;
    };
    if ((o.json && !is({"show", "check", "list"})) || (o.dryRun && !is({"set"})))
        return usage(QStringLiteral("--json belongs to show, check and list, --dry-run to set"));
    if ((o.name || o.description) && !is({"text", "new"}))
        return usage(QStringLiteral("--name and --description belong to text and new"));
    if ((o.from || o.kind) && !is({"new"}))
        return usage(QStringLiteral("--from and --kind belong to new"));
    if (command == QLatin1String("list"))
        return listObjects(o);
    if (command == QLatin1String("text"))
        return objectText(o);
    if (command == QLatin1String("new"))
        return newObject(o);
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

#pragma once

#include "gamedata/catalogue.h"
#include "gamedata/gamenames.h"
#include "proto/records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <QHash>

#include <array>
#include <vector>

// What "check" finds in a mod's prototypes, apart from the program's arguments and streams,
// so the tests and the benchmark call it directly.
namespace zantrel {

// The problems of prototypes one after another: the record's own (length, object type,
// kind), every row's check, and, with the game's names, the references: the text id in the
// type's pro_*.msg, frame ids and inventory pictures in their art lists, script ids in
// scripts.lst, prototype ids (other than the object's own) in their type's list and files.
class PrototypeChecker {
public:
    explicit PrototypeChecker(const GameNames* game) : m_game(game) {}

    QStringList problems(const QByteArray& bytes);
    // The game files references could not be checked against, as they were first needed.
    const QStringList& unreadable() const { return m_unreadable; }

private:
    void checkReferences(const Record& record, const QByteArray& bytes, QStringList& out);
    void noteUnreadable(const QString& path);
    // Lines of a list file; nothing (and noted) when it cannot be read.
    std::optional<int> count(const QString& list);
    QString artProblem(const QString& what, std::uint32_t type, std::uint32_t index);
    QString prototypeProblem(const QString& what, std::uint32_t id);

    const GameNames* m_game;
    QStringList m_unreadable;
};

struct Finding {
    QString file;
    QString problem;
};

struct CheckResult {
    std::vector<Finding> findings; // by file, each file's in offset order
    int files = 0;                 // prototype files met
    QStringList missing;           // paths given that name nothing
    QStringList unreadable;        // as PrototypeChecker gives them
};

// The prototype files against the game's lists (the catalogue): a file in a folder named
// after a type ("items", any letter case) that no line of the type's list names, or whose
// stored object id is not that of the first line naming it; and of the lists themselves, a
// line naming a file the game does not have, and a line naming a file an earlier line names.
// A type whose list the game cannot give is passed over.
class ListCheck {
public:
    explicit ListCheck(const Catalogue& catalogue);

    QStringList problems(const QString& path, const QByteArray& bytes) const;
    // By list, in line order; the file of each is the list's path below the game.
    std::vector<Finding> listProblems() const;

private:
    const Catalogue& m_catalogue;
    std::array<QHash<QString, int>, kObjectTypeCount> m_firstLine; // lower-case file: line
};

// The prototype files of the paths: folders walked in name order for *.pro in any letter
// case, files given directly taken whatever their name. Hidden entries and linked folders
// are passed over (a link up the tree would never end). Paths that name nothing go to
// missing; folders that cannot be listed are findings.
QStringList prototypeFiles(const QStringList& paths, QStringList& missing,
                           std::vector<Finding>& findings);

// Every prototype of the paths read and checked; a file that cannot be read is a finding.
// With the catalogue, ListCheck's problems too, the lists' after the files'.
CheckResult checkPaths(const QStringList& paths, const GameNames* game,
                       const Catalogue* catalogue = nullptr);

} // namespace zantrel

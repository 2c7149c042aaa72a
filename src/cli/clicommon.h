#pragma once

#include "core/usererror.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <optional>

namespace zantrel {
class GameData;
}

// What the commands of zantrel-cli share: the arguments read, the exit statuses and the
// way out to the streams.
namespace zantrel::cli {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct Options {
    std::optional<QString> game;
    bool json = false;
    bool dryRun = false;
    bool version = false;
    // text and new
    std::optional<QString> name;
    std::optional<QString> description;
    std::optional<QString> from;
    std::optional<QString> kind;
    QStringList words; // the command and its arguments
};

void write(FILE* stream, const QByteArray& bytes);
// A message on standard error, each line after the program's name.
void report(const QString& text);
void report(const UserError& e);
// The message of a wrong use; returns kUsage.
int usage(const QString& text);

// The game folder given, else the settings' one; empty when there is none.
QString gameFolder(const Options& o);
// The game's data: with --game, that folder alone (its own language and code page);
// without, the editor's settings (their sources folder and code page too). Nothing, after
// the message, when there is no game folder or it is not there.
std::unique_ptr<GameData> openGameData(const Options& o);
// What reading the game's files skipped or could not do, on standard error.
void reportGameProblems(const GameData& data);

} // namespace zantrel::cli

// Writes the seed archives of the fuzz_dat target into the folder given (fuzz/corpus/fuzz_dat):
// small archives made by our own writer, never taken from the game.
#include "datwriter.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

QByteArray scriptList(int lines) {
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
        text += "zs" + QByteArray::number(i).rightJustified(5, '0') + ".int ; script " +
                QByteArray::number(i) + "\r\n";
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zantrel_dat_seeds <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const struct {
        const char* name;
        QList<DatEntryIn> entries;
    } seeds[] = {
        {"empty", {}},
        {"one_stored", {{"text\\english\\game\\proto.msg", "{100}{}{Glass}\r\n", false}}},
        {"one_compressed", {{"scripts\\scripts.lst", scriptList(12), true}}},
        {"mixed",
         {{"art\\items\\knife.frm", QByteArray(40, '\x07'), false},
          {"scripts\\scripts.lst", scriptList(6), true},
          {"text\\empty.msg", QByteArray(), true},
          {"ART\\ITEMS\\KNIFE.FRM", "twice", false}}},
    };
    for (const auto& seed : seeds) {
        QFile file(folder.filePath(QString::fromLatin1(seed.name)));
        const QByteArray bytes = buildDat(seed.entries);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "zantrel_dat_seeds: cannot write %s\n", seed.name);
            return 1;
        }
    }
    return 0;
}

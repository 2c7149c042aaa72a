// What a stock install costs the editor's readers: scripts.lst, critters.lst and proto.msg
// read through GameData out of a 30,000-entry master.dat, against the same three files
// lying loose under data/. The GameData is built once, as the editor keeps one.
#include "core/usererror.h"
#include "datwriter/datwriter.h"
#include "gamedata/gamedata.h"
#include "medianreporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kEntries = 30000;
constexpr int kLines = 1500;

struct File {
    const char* path; // below the data root
    QByteArray bytes;
};

QByteArray lines(const char* prefix, const char* suffix) {
    QByteArray text;
    for (int i = 1; i <= kLines; ++i)
        text += prefix + QByteArray::number(i).rightJustified(5, '0') + suffix + "\r\n";
    return text;
}

QList<File> readFiles() {
    QByteArray msg;
    for (int i = 100; i < 100 + kLines; ++i)
        msg += "{" + QByteArray::number(i) + "}{}{Message of the benchmark " +
               QByteArray::number(i) + "}\r\n";
    return {{"scripts/scripts.lst", lines("zs", ".int ; Script of the benchmark")},
            {"art/critters/critters.lst", lines("hm", ",11,1")},
            {"text/english/game/proto.msg", msg}};
}

// Names spread over folders as in master.dat, the three files among them, compressed.
QByteArray makeArchive() {
    const char* const folders[] = {"art\\critters\\", "art\\items\\", "art\\scenery\\",
                                   "art\\tiles\\",    "maps\\",       "proto\\items\\"};
    const QList<File> files = readFiles();
    QList<DatEntryIn> entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries - files.size(); ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(5, '0');
        entries.append({QString::fromLatin1(folders[i % 6]) + "obj" + n + ".frm",
                        QByteArray(64 + i % 64, char(i & 0x7F)), i % 2 == 0});
    }
    for (int i = 0; i < files.size(); ++i)
        entries.insert((i + 1) * kEntries / 4, {files[i].path, files[i].bytes, true});
    return buildDat(entries);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

zantrel::Settings gameAt(const QString& folder) {
    zantrel::Settings s;
    s.gameFolder = folder;
    s.useSources = QStringLiteral("0");
    return s;
}

QString g_archived; // a game folder holding master.dat only
QString g_loose;    // a game folder holding the three files under data/

void readThree(benchmark::State& state, const QString& folder) {
    const zantrel::GameData data(gameAt(folder));
    qsizetype size = 0;
    for (auto _ : state) {
        size = data.read(zantrel::DataKind::ScriptList, QStringLiteral("scripts.lst")).size() +
               data.read(zantrel::DataKind::CritterArt, QStringLiteral("critters.lst")).size() +
               data.read(zantrel::DataKind::Messages, QStringLiteral("proto.msg")).size();
        benchmark::DoNotOptimize(size);
    }
    qsizetype expected = 0;
    for (const File& f : readFiles())
        expected += f.bytes.size();
    if (size != expected)
        state.SkipWithError("the files did not read back whole");
}

void BM_ReadThreeArchived(benchmark::State& state) {
    readThree(state, g_archived);
}

void BM_ReadThreeLoose(benchmark::State& state) {
    readThree(state, g_loose);
}

// Building the GameData once: fallout2.cfg looked for, master.dat's directory indexed.
void BM_BuildArchived(benchmark::State& state) {
    for (auto _ : state) {
        const zantrel::GameData data(gameAt(g_archived));
        benchmark::DoNotOptimize(data.view());
    }
}

BENCHMARK(BM_ReadThreeArchived)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadThreeLoose)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildArchived)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

bool prepare(const QTemporaryDir& folder) {
    g_archived = folder.filePath(QStringLiteral("archived"));
    g_loose = folder.filePath(QStringLiteral("loose"));
    if (!folder.isValid() || !writeFile(g_archived + "/master.dat", makeArchive()))
        return false;
    for (const File& f : readFiles()) {
        if (!writeFile(g_loose + "/data/" + f.path, f.bytes))
            return false;
    }
    try {
        const zantrel::GameData data(gameAt(g_archived));
        return data.view()->problems().isEmpty() &&
               data.exists(zantrel::DataKind::Messages, QStringLiteral("proto.msg"));
    } catch (const zantrel::UserError&) {
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    const QTemporaryDir folder;
    if (!prepare(folder)) {
        std::fprintf(stderr, "zantrel_bench_gamedata: cannot prepare the game folders\n");
        return 2;
    }
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double archived = reporter.median("BM_ReadThreeArchived");
    const double loose = reporter.median("BM_ReadThreeLoose");
    if (archived > 0 && loose > 0)
        std::printf("scripts.lst + critters.lst + proto.msg: master.dat %.1f us, loose %.1f us, "
                    "ratio %.2fx\n",
                    archived * 1e6, loose * 1e6, archived / loose);
    benchmark::Shutdown();
    return 0;
}

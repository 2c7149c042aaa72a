// Reading from a DAT archive as large as the game's own: indexing a directory of 30,000
// entries, finding one name, reading a compressed 1,500-line scripts.lst.
#include "core/usererror.h"
#include "datwriter/datwriter.h"
#include "gamedata/datarchive.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kEntries = 30000;
constexpr int kScriptLines = 1500;
QString g_archive;

QByteArray scriptList() {
    QByteArray text;
    for (int i = 1; i <= kScriptLines; ++i)
        text += "zs" + QByteArray::number(i).rightJustified(5, '0') +
                ".int ; Script of the benchmark number " + QByteArray::number(i) + "\r\n";
    return text;
}

// Names spread over folders as in master.dat; small frames, half of them compressed.
QByteArray makeArchive() {
    const char* const folders[] = {"art\\critters\\", "art\\items\\", "art\\scenery\\",
                                   "art\\tiles\\",    "maps\\",       "proto\\items\\"};
    QList<DatEntryIn> entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries - 1; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(5, '0');
        QByteArray bytes(64 + i % 64, char(i & 0x7F));
        entries.append(
            {QString::fromLatin1(folders[i % 6]) + "obj" + n + ".frm", bytes, i % 2 == 0});
    }
    entries.insert(kEntries / 2, {"scripts\\scripts.lst", scriptList(), true});
    return buildDat(entries);
}

void BM_IndexArchive(benchmark::State& state) {
    for (auto _ : state) {
        const zantrel::DatArchive dat = zantrel::DatArchive::open(g_archive);
        benchmark::DoNotOptimize(dat.count());
    }
}

void BM_FindName(benchmark::State& state) {
    const zantrel::DatArchive dat = zantrel::DatArchive::open(g_archive);
    for (auto _ : state)
        benchmark::DoNotOptimize(dat.find("PROTO/ITEMS/obj29993.frm"));
    if (!dat.find("proto\\items\\obj29993.frm"))
        state.SkipWithError("the name was not found");
}

void BM_ReadScriptList(benchmark::State& state) {
    const zantrel::DatArchive dat = zantrel::DatArchive::open(g_archive);
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = dat.read("scripts\\scripts.lst");
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    if (size != scriptList().size())
        state.SkipWithError("scripts.lst did not read back whole");
}

BENCHMARK(BM_IndexArchive)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FindName)->Unit(benchmark::kNanosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadScriptList)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    QTemporaryDir folder;
    g_archive = folder.filePath(QStringLiteral("master.dat"));
    QFile file(g_archive);
    const QByteArray bytes = makeArchive();
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "zantrel_bench_dat: cannot write the archive\n");
        return 2;
    }
    file.close();
    try {
        if (zantrel::DatArchive::open(g_archive).count() != kEntries)
            throw zantrel::UserError(QStringLiteral("the archive does not hold every entry"));
    } catch (const zantrel::UserError& e) {
        std::fprintf(stderr, "zantrel_bench_dat: %s\n", qPrintable(e.text()));
        return 2;
    }
    std::printf("archive: %d entries, %lld bytes\n", kEntries,
                static_cast<long long>(bytes.size()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
